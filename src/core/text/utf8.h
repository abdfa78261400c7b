// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace utf8 {

// Removes the last character of a UTF-8 text: one code point, never a part
// of one. A stray byte that starts no character goes alone.
inline void dropLast(std::string& text) {
    if (text.empty()) {
        return;
    }
    const auto isContinuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
    std::size_t start = text.size() - 1;
    // A code point is at most four bytes: a lead byte and three continuations.
    while (start > 0 && isContinuation(text[start]) && text.size() - start < 4) {
        --start;
    }
    const auto lead = static_cast<unsigned char>(text[start]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length != text.size() - start) {
        start = text.size() - 1;  // not one whole character: drop the last byte only
    }
    text.erase(start);
}

// Where to cut a text to at most maxBytes without splitting a character:
// maxBytes, or back at the start of the character that straddles it (0 when
// only continuation bytes come before it).
inline std::size_t wholeCut(std::string_view text, std::size_t maxBytes) {
    if (maxBytes >= text.size()) {
        return text.size();
    }
    std::size_t cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return cut;
}

// Texts as an edit field holds them: bytes that are no UTF-8 become U+FFFD,
// as they do when the desktop hands such text to a field.
std::string replaceInvalid(std::string_view text);
// The length of the well-formed start of a text: its size when replaceInvalid
// would leave it as it is. Short ASCII texts, the most of them, are looked at
// here, the rest where characters are decoded.
std::size_t validLengthDecoded(std::string_view text);
inline std::size_t validLength(std::string_view text) {
    if (text.size() <= 32) {
        // Eight bytes at a time, the last eight overlapping the ones before.
        std::uint64_t any = 0;
        for (std::size_t i = 0; i + 8 <= text.size(); i += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, text.data() + i, 8);
            any |= word;
        }
        if (text.size() >= 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, text.data() + text.size() - 8, 8);
            any |= word;
        } else {
            for (const char c : text) {
                any |= static_cast<unsigned char>(c);
            }
        }
        if ((any & 0x8080808080808080) == 0) {
            return text.size();
        }
    }
    return validLengthDecoded(text);
}

// The first maxUnits UTF-16 code units of a well-formed UTF-8 text, never half
// a character: what a window's field hands to the exchange.
std::string firstUnits(std::string_view text, std::size_t maxUnits);
// Their length in bytes.
std::size_t firstUnitsLength(std::string_view text, std::size_t maxUnits);

// A user's text inside a one-line message: control characters, backslashes
// and bytes that are no UTF-8 become escapes ("\n", "\t", "\\", "\x1b", and
// "\u009b" for the C1 controls), so the message stays one line and sends the
// terminal nothing it would act on; every other character stays as it is.
std::string escaped(std::string_view text);

}  // namespace utf8
