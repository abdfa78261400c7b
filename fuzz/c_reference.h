// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

// What the C library says about a number text, under the "C" locale whatever
// the process locale is: the reference that the number-text fuzzers compare
// with. The C library's scanners accept more than the program does (hex,
// 'inf', 'nan'), so the syntax check here cuts a text down to the part the
// program takes before the C library converts it.

#include <locale.h>
#include <stdlib.h>

#include <bit>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace cref {

// The "C" locale, made once per process (the fuzzers are single-threaded).
inline locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// Runs f with the calling thread switched to the "C" locale.
template <class F>
auto inCLocale(F f) {
    const locale_t previous = uselocale(cLocale());
    auto result = f();
    uselocale(previous);
    return result;
}

// Switches the process to a decimal-comma locale when one is installed, so
// that a fuzzer also proves the code under test ignores the process locale.
inline void preferCommaLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"}) {
        if (setlocale(LC_ALL, name) != nullptr) {
            return;
        }
    }
}

inline bool isCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline bool isCDigit(char c) {
    return c >= '0' && c <= '9';
}

// [space][sign]digits[.digits][letter[sign]digits], at least one mantissa
// digit; an exponent letter is taken only with digits after it. Returns the
// number with 'e' for whichever letter was used, ready for strtod.
inline std::optional<std::string> acceptedDecimal(std::string_view text, std::string_view letters) {
    std::size_t i = 0;
    while (i < text.size() && isCSpace(text[i])) {
        ++i;
    }
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number += text[i++];
    }
    bool digit = false;
    while (i < text.size() && isCDigit(text[i])) {
        number += text[i++];
        digit = true;
    }
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && isCDigit(text[i])) {
            number += text[i++];
            digit = true;
        }
    }
    if (!digit) {
        return std::nullopt;
    }
    if (i < text.size() && letters.find(text[i]) != std::string_view::npos) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponent += text[j++];
        }
        const std::size_t digits = j;
        while (j < text.size() && isCDigit(text[j])) {
            exponent += text[j++];
        }
        if (j > digits) {
            number += exponent;
        }
    }
    return number;
}

// [space][sign]digits with at least one digit.
inline std::optional<std::string> acceptedInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isCSpace(text[i])) {
        ++i;
    }
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number += text[i++];
    }
    bool digit = false;
    while (i < text.size() && isCDigit(text[i])) {
        number += text[i++];
        digit = true;
    }
    if (!digit) {
        return std::nullopt;
    }
    return number;
}

inline double strtodC(const std::string& number) {
    return strtod_l(number.c_str(), nullptr, cLocale());
}

// strtol, then clamped to 32 bits as a 64-bit long must be.
inline int strtolC(const std::string& number) {
    const long value = strtol_l(number.c_str(), nullptr, 10, cLocale());
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

inline std::optional<double> scanDouble(std::string_view text) {
    const std::optional<std::string> number = acceptedDecimal(text, "eE");
    if (!number) {
        return std::nullopt;
    }
    return strtodC(*number);
}

inline double atofDecimal(std::string_view text) {
    const std::optional<std::string> number = acceptedDecimal(text, "eEdD");
    return number ? strtodC(*number) : 0.0;
}

inline std::optional<int> scanInt(std::string_view text) {
    const std::optional<std::string> number = acceptedInteger(text);
    if (!number) {
        return std::nullopt;
    }
    return strtolC(*number);
}

inline int atoiSaturated(std::string_view text) {
    const std::optional<std::string> number = acceptedInteger(text);
    return number ? strtolC(*number) : 0;
}

inline std::string nonFinite(double value) {
    if (std::isinf(value)) {
        return std::signbit(value) ? "-1.#INF" : "1.#INF";
    }
    if (std::bit_cast<std::uint64_t>(value) == 0xFFF8'0000'0000'0000u) {
        return "-1.#IND";
    }
    return std::signbit(value) ? "-1.#QNAN" : "1.#QNAN";
}

// snprintf's text with the exponent widened to three digits.
inline std::string widenExponent(std::string text) {
    const std::size_t letter = text.find_first_of("eE");
    if (letter == std::string::npos) {
        return text;
    }
    const std::size_t digits = letter + 2;  // after the exponent's sign
    while (text.size() - digits < 3) {
        text.insert(digits, 1, '0');
    }
    return text;
}

// "%.*g" 15 (letter 'g') or "%G" (letter 'G', precision 6).
inline std::string formatGeneral(double value, int precision, char letter) {
    if (!std::isfinite(value)) {
        return nonFinite(value);
    }
    return inCLocale([&] {
        char buffer[64];
        if (letter == 'G') {
            std::snprintf(buffer, sizeof buffer, "%.*G", precision, value);
        } else {
            std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
        }
        return widenExponent(buffer);
    });
}

inline std::string formatInt(int value) {
    return inCLocale([&] {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%d", value);
        return std::string(buffer);
    });
}

}  // namespace cref
