// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/text/field_table.h"

#include <cstdint>
#include <cstring>

namespace field_table {

namespace {

// The bytes that put a text between quotes wherever they are: tab, line feed
// and carriage return, as bits by their value.
constexpr unsigned kBreaks = 1U << '\t' | 1U << '\n' | 1U << '\r';

bool breaks(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= '\r' && ((kBreaks >> byte) & 1U) != 0;
}

// Whether any of eight bytes may be a break: one below 14 (the test for a
// zero byte, shifted); only then are they looked at one by one.
bool mayBreak(const char* eight) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    std::uint64_t word = 0;
    std::memcpy(&word, eight, 8);
    if (((word - kOnes * 14) & ~word & (kOnes << 7)) == 0) {
        return false;
    }
    for (int i = 0; i < 8; ++i) {
        if (breaks(eight[i])) {
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
    const std::size_t size = out.size();
    out.resize(size + mostCellBytes(text));
    out.resize(static_cast<std::size_t>(writeCell(out.data() + size, text) - out.data()));
}

char* writeCell(char* out, std::string_view text) {
    char* const start = out;
    bool quoted = text.starts_with('"');
    if (text.size() >= 8) {
        // Eight bytes at a time, the last eight overlapping those before.
        for (std::size_t i = 0; !quoted && i + 8 <= text.size(); i += 8) {
            quoted = mayBreak(text.data() + i);
        }
        quoted = quoted || mayBreak(text.data() + text.size() - 8);
        if (!quoted) {
            std::memcpy(out, text.data(), text.size());
            return out + text.size();
        }
    } else {
        // Copied while looked at, a byte at a time, which costs a short
        // number less than a call; quoted over again in the rare case.
        for (const char c : text) {
            quoted = quoted || breaks(c);
            *out++ = c;
        }
        if (!quoted) {
            return out;
        }
        out = start;
    }
    *out++ = '"';
    for (const char c : text) {
        *out++ = c;
        if (c == '"') {
            *out++ = '"';
        }
    }
    *out++ = '"';
    return out;
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
