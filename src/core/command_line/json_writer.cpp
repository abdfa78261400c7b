// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/command_line/json_writer.h"

#include <ostream>

namespace json_writer {

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    static constexpr char kHex[] = "0123456789abcdef";
                    out += "\\u00";
                    out += kHex[(c >> 4) & 0xF];
                    out += kHex[c & 0xF];
                } else {
                    out += c;
                }
        }
    }
    return out + '"';
}

namespace {

// [item, item, ...], each written by write.
template <class Item, class Write>
void writeArray(std::ostream& out, std::span<const Item> items, Write write) {
    out << '[';
    const char* separator = "";
    for (const Item& item : items) {
        out << separator;
        write(item);
        separator = ", ";
    }
    out << ']';
}

}  // namespace

void writeResult(std::ostream& out, std::string_view tool, std::span<const Field> fields,
                 std::span<const std::string> messages, std::size_t line,
                 const std::vector<std::string>* steps) {
    out << '{';
    if (line != 0) {
        out << "\"line\": " << line << ", ";
    }
    out << "\"tool\": " << quoted(tool) << ", \"fields\": ";
    writeArray(out, fields, [&](const Field& field) {
        out << "{\"id\": " << field.id << ", \"name\": " << quoted(field.name)
            << ", \"text\": " << quoted(field.text) << '}';
    });
    out << ", \"messages\": ";
    writeArray(out, messages, [&](const std::string& message) { out << quoted(message); });
    if (steps != nullptr) {
        out << ", \"steps\": ";
        writeArray(out, std::span<const std::string>(*steps),
                   [&](const std::string& step) { out << quoted(step); });
    }
    out << "}\n";
}

void writeControls(std::ostream& out, std::string_view tool, std::span<const Control> controls) {
    out << "{\"tool\": " << quoted(tool) << ", \"controls\": ";
    writeArray(out, controls, [&](const Control& control) {
        out << "{\"id\": " << control.id << ", \"name\": " << quoted(control.name)
            << ", \"kind\": " << quoted(control.kind) << '}';
    });
    out << "}\n";
}

}  // namespace json_writer
