// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/text/charconv_shim.h"

#if !defined(__cpp_lib_to_chars)

#include <fast_float/fast_float.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace charconv {

namespace {

std::to_chars_result copied(char* first, char* last, std::string_view text) {
    if (text.size() > static_cast<std::size_t>(last - first)) {
        return {last, std::errc::value_too_large};
    }
    return {std::copy(text.begin(), text.end(), first), std::errc()};
}

// A finite non-negative double's digits: d.ddd times 10 to the exponent.
struct Decimal {
    std::array<char, 24> digits{};
    int count = 0;
    int exponent = 0;
};

Decimal scientific(double value, int digits) {
    std::array<char, 40> text{};
    const int length = std::snprintf(text.data(), text.size(), "%.*e", digits - 1, value);
    Decimal decimal;
    int pos = 0;
    for (; pos < length && text[pos] != 'e'; ++pos) {
        if (text[pos] != '.') {
            decimal.digits[decimal.count++] = text[pos];
        }
    }
    decimal.exponent = std::atoi(text.data() + pos + 1);
    return decimal;
}

// The decimal's value as the parser reads it back.
double readBack(const Decimal& decimal) {
    std::array<char, 40> text{};
    const int length = std::snprintf(text.data(), text.size(), "%.*se%d", decimal.count,
                                     decimal.digits.data(), decimal.exponent - (decimal.count - 1));
    double value = 0;
    fast_float::from_chars(text.data(), text.data() + length, value);
    return value;
}

// The next decimal of as many digits upwards: '0.1999' gives '0.2000'.
Decimal nextUp(Decimal decimal) {
    int pos = decimal.count - 1;
    while (pos >= 0 && decimal.digits[pos] == '9') {
        decimal.digits[pos--] = '0';
    }
    if (pos >= 0) {
        ++decimal.digits[pos];
    } else {
        decimal.digits[0] = '1';
        ++decimal.exponent;
    }
    return decimal;
}

// The fewest digits that read back as value; of two such, the nearer. The
// correctly rounded digits are the nearest of their length, but where value
// is a power of two the doubles below it lie closer than those above, and the
// next decimal upwards may read back where the nearest one, below, does not.
Decimal shortest(double value) {
    for (int digits = 1;; ++digits) {
        const Decimal nearest = scientific(value, digits);
        const double back = readBack(nearest);
        if (back == value || digits == 17) {
            return nearest;
        }
        if (back < value) {
            const Decimal above = nextUp(nearest);
            if (readBack(above) == value) {
                return above;
            }
        }
    }
}

// A whole number is written with all its digits, exactly, as "%.0f" writes
// it ('147573952589676412928', not '147573952589676410000').
std::string plainText(double value, const Decimal& decimal) {
    const std::string_view digits(decimal.digits.data(), static_cast<std::size_t>(decimal.count));
    std::string text;
    if (decimal.exponent >= decimal.count - 1) {
        std::array<char, 320> whole{};
        text.append(whole.data(),
                    static_cast<std::size_t>(std::snprintf(whole.data(), whole.size(), "%.0f", value)));
    } else if (decimal.exponent >= 0) {
        const auto point = static_cast<std::size_t>(decimal.exponent) + 1;
        text.append(digits.substr(0, point)).append(".").append(digits.substr(point));
    } else {
        text.append("0.").append(static_cast<std::size_t>(-decimal.exponent - 1), '0').append(digits);
    }
    return text;
}

std::string scientificText(const Decimal& decimal) {
    std::string text(1, decimal.digits[0]);
    if (decimal.count > 1) {
        text.append(".").append(decimal.digits.data() + 1, static_cast<std::size_t>(decimal.count - 1));
    }
    std::array<char, 8> exponent{};
    std::snprintf(exponent.data(), exponent.size(), "e%+03d", decimal.exponent);
    return text.append(exponent.data());
}

}  // namespace

std::to_chars_result to_chars(char* first, char* last, double value, chars_format, int precision) {
    std::array<char, 400> text{};
    const int length = std::snprintf(text.data(), text.size(), "%.*e", precision, value);
    return copied(first, last, std::string_view(text.data(), static_cast<std::size_t>(length)));
}

std::to_chars_result to_chars(char* first, char* last, double value) {
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isnan(value)) {
        return copied(first, last, sign + "nan");
    }
    if (std::isinf(value)) {
        return copied(first, last, sign + "inf");
    }
    if (value == 0) {
        return copied(first, last, sign + "0");
    }
    const Decimal decimal = shortest(std::fabs(value));
    const std::string plain = plainText(std::fabs(value), decimal);
    const std::string scientific = scientificText(decimal);
    return copied(first, last, sign + (plain.size() <= scientific.size() ? plain : scientific));
}

std::from_chars_result from_chars(const char* first, const char* last, double& value, chars_format) {
    double read = 0;
    const fast_float::from_chars_result result = fast_float::from_chars(first, last, read);
    if (result.ec != std::errc()) {
        return {result.ptr, result.ec};
    }
    // As GCC's library does: a number that rounds to infinity, or to zero
    // from digits that are not all zeros, is out of range and leaves value.
    const std::string_view number(first, static_cast<std::size_t>(result.ptr - first));
    const std::string_view mantissa = number.substr(0, number.find_first_of("eE"));
    const bool zeroDigits = mantissa.find_first_of("123456789") == std::string_view::npos;
    if (std::isinf(read) || (read == 0 && !zeroDigits)) {
        return {result.ptr, std::errc::result_out_of_range};
    }
    value = read;
    return {result.ptr, std::errc()};
}

}  // namespace charconv

#endif
