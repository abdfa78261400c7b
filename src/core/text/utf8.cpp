// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/text/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace utf8 {

namespace {

// The length of the well-formed character at text[i], or 0 when the bytes
// there start none: no overlong forms, no surrogates, nothing beyond U+10FFFF.
std::size_t characterLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
        return 1;
    }
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || i + length > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    const auto second = static_cast<unsigned char>(text[i + 1]);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)) {
        return 0;
    }
    return length;
}

// The end of the run of ASCII bytes that starts at text[i], eight at a time:
// the calculators' history grows to megabytes and is written at every press.
std::size_t asciiEnd(std::string_view text, std::size_t i) {
    constexpr std::uint64_t kHighBits = 0x8080'8080'8080'8080;
    while (i + 8 <= text.size()) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + i, 8);
        if ((word & kHighBits) != 0) {
            break;
        }
        i += 8;
    }
    while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) {
        ++i;
    }
    return i;
}

}  // namespace

std::size_t validLengthDecoded(std::string_view text) {
    std::size_t i = asciiEnd(text, 0);
    while (i < text.size()) {
        const std::size_t length = characterLength(text, i);
        if (length == 0) {
            break;
        }
        i = asciiEnd(text, i + length);
    }
    return i;
}

std::string replaceInvalid(std::string_view text) {
    // Most texts are whole already: find the first fault before building anything.
    std::size_t i = validLength(text);
    std::string out(text.substr(0, i));
    while (i < text.size()) {
        const std::size_t length = characterLength(text, i);
        if (length > 0) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

std::string firstUnits(std::string_view text, std::size_t maxUnits) {
    return std::string(text.substr(0, firstUnitsLength(text, maxUnits)));
}

std::size_t firstUnitsLength(std::string_view text, std::size_t maxUnits) {
    if (maxUnits >= text.size()) {
        return text.size();  // never more units than bytes
    }
    std::size_t units = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::size_t needed = length == 4 ? 2 : 1;
        if (units + needed > maxUnits) {
            break;
        }
        units += needed;
        i += length;
    }
    return std::min(i, text.size());
}

std::string escaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = characterLength(text, i);
        if (length == 1 && byte >= 0x20 && byte != 0x7F && byte != '\\') {
            out += text[i];
        } else if (byte == '\\') {
            out += "\\\\";
        } else if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\r') {
            out += "\\r";
        } else if (byte == '\t') {
            out += "\\t";
        } else if (length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            const auto second = static_cast<unsigned char>(text[i + 1]);
            out += "\\u00";
            out += kHex[second >> 4];
            out += kHex[second & 0xF];
        } else if (length > 1) {
            out.append(text.substr(i, length));
        } else {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
        i += length > 0 ? length : 1;
    }
    return out;
}

}  // namespace utf8
