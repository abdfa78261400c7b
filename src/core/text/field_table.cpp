// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/text/field_table.h"

#include <cstdint>
#include <cstring>

namespace field_table {

namespace {

// Whether any of the eight bytes in word is byte (the zero-byte test on word
// xor byte repeated).
bool holds(std::uint64_t word, char byte) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    const std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(byte));
    return ((x - kOnes) & ~x & (kOnes << 7)) != 0;
}

// Eight bytes at a time: every cell of every row passes here.
bool needsQuotes(std::string_view text) {
    if (text.starts_with('"')) {
        return true;
    }
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + i, 8);
        if (holds(word, '\t') || holds(word, '\n') || holds(word, '\r')) {
            return true;
        }
    }
    for (; i < text.size(); ++i) {
        if (text[i] == '\t' || text[i] == '\n' || text[i] == '\r') {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string cell(std::string_view text) {
    std::string out;
    appendCell(out, text);
    return out;
}

void appendCell(std::string& out, std::string_view text) {
    if (!needsQuotes(text)) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
}

std::string line(std::string_view name, std::string_view text) {
    return cell(name) + '\t' + cell(text) + '\n';
}

std::string row(const std::vector<std::string>& cells) {
    if (cells.size() == 1 && cells.front().empty()) {
        return "\"\"\n";
    }
    std::string out;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i != 0) {
            out += '\t';
        }
        appendCell(out, cells[i]);
    }
    return out + '\n';
}

}  // namespace field_table
