#include "core/app/json_writer.h"

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

void writeResult(std::ostream& out, std::string_view tool, std::span<const Field> fields,
                 std::span<const std::string> messages, std::size_t line) {
    out << '{';
    if (line != 0) {
        out << "\"line\": " << line << ", ";
    }
    out << "\"tool\": " << quoted(tool) << ", \"fields\": [";
    const char* separator = "";
    for (const Field& field : fields) {
        out << separator << "{\"id\": " << field.id << ", \"name\": " << quoted(field.name)
            << ", \"text\": " << quoted(field.text) << '}';
        separator = ", ";
    }
    out << "], \"messages\": [";
    separator = "";
    for (const std::string& message : messages) {
        out << separator << quoted(message);
        separator = ", ";
    }
    out << "]}\n";
}

void writeControls(std::ostream& out, std::string_view tool, std::span<const Control> controls) {
    out << "{\"tool\": " << quoted(tool) << ", \"controls\": [";
    const char* separator = "";
    for (const Control& control : controls) {
        out << separator << "{\"id\": " << control.id << ", \"name\": " << quoted(control.name)
            << ", \"kind\": " << quoted(control.kind) << '}';
        separator = ", ";
    }
    out << "]}\n";
}

}  // namespace json_writer
