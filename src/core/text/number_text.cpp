// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/text/number_text.h"

#include "core/text/decimal_digits.h"
#include "core/text/general_format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>

// Nothing here goes through the C library's printf or scanf families: Qt
// switches the process to the user's locale at start, and a German locale
// would make them write and read ',' as the decimal mark. std::to_chars and
// std::from_chars never look at the locale and round exactly as glibc does.
namespace numtext {

namespace {

// The indefinite NaN: what x86 invalid operations (0/0, sqrt(-1)) produce.
constexpr std::uint64_t kIndefiniteNan = 0xFFF8000000000000u;
constexpr std::uint64_t kSignBit = 0x8000000000000000u;

std::string nonFiniteText(double value) {
    if (std::isinf(value)) {
        return value < 0 ? "-1.#INF" : "1.#INF";
    }
    const auto bits = std::bit_cast<std::uint64_t>(value);
    if (bits == kIndefiniteNan) {
        return "-1.#IND";
    }
    // Signalling NaNs never come out of arithmetic; they are written like any
    // other NaN that is not the indefinite one.
    return (bits & kSignBit) != 0 ? "-1.#QNAN" : "1.#QNAN";
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// "00" to "99": digits are written two at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Rounded digits laid out as "%g" lays them out: plain decimals for decimal
// exponents from -4 to precision - 1, else d.ddde+XXX; trailing zeros dropped.
std::string layOut(bool negative, decimal_digits::Rounded rounded, int precision, char exponentLetter) {
    std::array<char, 20> digits{};
    std::uint64_t rest = rounded.digits;
    auto place = static_cast<std::size_t>(precision);
    for (; place >= 2; place -= 2, rest /= 100) {
        std::memcpy(&digits[place - 2], &kDigitPairs[rest % 100 * 2], 2);
    }
    if (place == 1) {
        digits[0] = static_cast<char>('0' + rest);
    }
    auto count = static_cast<std::size_t>(precision);
    while (count > 1 && digits[count - 1] == '0') {
        --count;
    }
    std::array<char, 32> out{};
    char* end = out.data();
    const auto put = [&end](const char* from, std::size_t size) {
        std::memcpy(end, from, size);
        end += size;
    };
    if (negative) {
        *end++ = '-';
    }
    const int exponent = rounded.exponent;
    if (exponent >= 0 && exponent < precision) {
        // The digits past `count` are the zeros of the whole part.
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        put(digits.data(), whole);
        if (count > whole) {
            *end++ = '.';
            put(digits.data() + whole, count - whole);
        }
    } else if (exponent < 0 && exponent >= -4) {
        put("0.000", static_cast<std::size_t>(1 - exponent));
        put(digits.data(), count);
    } else {
        *end++ = digits[0];
        if (count > 1) {
            *end++ = '.';
            put(digits.data() + 1, count - 1);
        }
        const int magnitude = exponent < 0 ? -exponent : exponent;
        const std::array<char, 5> tail{exponentLetter, exponent < 0 ? '-' : '+',
                                       static_cast<char>('0' + magnitude / 100),
                                       kDigitPairs[static_cast<std::size_t>(magnitude % 100) * 2],
                                       kDigitPairs[static_cast<std::size_t>(magnitude % 100) * 2 + 1]};
        put(tail.data(), tail.size());
    }
    return std::string(out.data(), end);
}

}  // namespace

// The digits come from exact integer arithmetic where it reaches, which is where
// the tools' numbers lie, and from std::to_chars elsewhere.
std::string formatGeneral(double value, int precision, char exponentLetter) {
    if (value == 0) {
        return std::signbit(value) ? "-0" : "0";
    }
    if (std::isfinite(value)) {
        if (const std::optional<decimal_digits::Rounded> rounded =
                decimal_digits::rounded(value, precision)) {
            return layOut(std::signbit(value), *rounded, precision, exponentLetter);
        }
    }
    return formatGeneralByToChars(value, precision, exponentLetter);
}

std::string formatGeneralByToChars(double value, int precision, char exponentLetter) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    // Scientific form with precision-1 fraction digits gives the correctly
    // rounded significant digits and the exponent after rounding, from which
    // "%g" picks its notation.
    std::array<char, 40> sci{};
    const std::to_chars_result written = std::to_chars(sci.data(), sci.data() + sci.size(), std::fabs(value),
                                                       std::chars_format::scientific, precision - 1);
    const std::string_view text(sci.data(), static_cast<std::size_t>(written.ptr - sci.data()));

    std::array<char, 24> digits{};
    std::size_t digitCount = 0;
    std::size_t pos = 0;
    for (; pos < text.size() && text[pos] != 'e'; ++pos) {
        if (text[pos] != '.') {
            digits[digitCount++] = text[pos];
        }
    }
    const bool negativeExponent = text[pos + 1] == '-';
    int exponent = 0;
    for (pos += 2; pos < text.size(); ++pos) {
        exponent = exponent * 10 + (text[pos] - '0');
    }
    if (negativeExponent) {
        exponent = -exponent;
    }

    std::string out;
    out.reserve(32);
    if (std::signbit(value)) {
        out.push_back('-');
    }
    if (exponent >= -4 && exponent < precision) {
        std::size_t significant = digitCount;
        if (exponent >= 0) {
            const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
            while (significant > integerDigits && digits[significant - 1] == '0') {
                --significant;
            }
            out.append(digits.data(), integerDigits);
            if (significant > integerDigits) {
                out.push_back('.');
                out.append(digits.data() + integerDigits, significant - integerDigits);
            }
        } else {
            while (significant > 1 && digits[significant - 1] == '0') {
                --significant;
            }
            out.append("0.");
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out.append(digits.data(), significant);
        }
        return out;
    }

    std::size_t significant = digitCount;
    while (significant > 1 && digits[significant - 1] == '0') {
        --significant;
    }
    out.push_back(digits[0]);
    if (significant > 1) {
        out.push_back('.');
        out.append(digits.data() + 1, significant - 1);
    }
    out.push_back(exponentLetter);
    out.push_back(exponent < 0 ? '-' : '+');
    const int magnitude = exponent < 0 ? -exponent : exponent;
    // Always three exponent digits; a double's exponent never needs more.
    out.push_back(static_cast<char>('0' + magnitude / 100));
    out.push_back(static_cast<char>('0' + magnitude / 10 % 10));
    out.push_back(static_cast<char>('0' + magnitude % 10));
    return out;
}

namespace {

// A decimal number found at the start of a text, after white space.
struct DecimalSpan {
    bool negative = false;
    std::string_view number;  // unsigned: mantissa, plus the exponent when it has digits
    std::size_t exponentLetter = std::string_view::npos;  // offset in `number`
    long long decimalMagnitude = 0;                       // roughly log10 of the value; only its sign is used
};

// Scans [white space][sign]digits[.digits][letter[sign]digits] where at least
// one mantissa digit is needed and `letters` lists the exponent letters taken.
// An exponent letter without digits after it is left out of the number.
std::optional<DecimalSpan> scanDecimal(std::string_view text, std::string_view letters) {
    std::size_t pos = 0;
    while (pos < text.size() && isSpace(text[pos])) {
        ++pos;
    }
    DecimalSpan span;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        span.negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t start = pos;

    // Track where the first non-zero digit lies relative to the point, so that
    // a number beyond a double's range can be told large from small.
    long long integerDigits = 0;
    long long leadingFractionZeros = 0;
    bool seenNonZero = false;
    bool anyDigit = false;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        anyDigit = true;
        seenNonZero = seenNonZero || text[pos] != '0';
        integerDigits += seenNonZero ? 1 : 0;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        for (; pos < text.size() && isDigit(text[pos]); ++pos) {
            anyDigit = true;
            if (!seenNonZero) {
                seenNonZero = text[pos] != '0';
                leadingFractionZeros += seenNonZero ? 0 : 1;
            }
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    std::size_t end = pos;

    long long exponent = 0;
    if (pos < text.size() && letters.find(text[pos]) != std::string_view::npos) {
        const std::size_t letter = pos;
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos] == '-';
            ++pos;
        }
        const std::size_t exponentDigits = pos;
        // Saturates far beyond any double's range; the digits are still all taken.
        constexpr long long kExponentCap = 1'000'000'000;
        for (; pos < text.size() && isDigit(text[pos]); ++pos) {
            exponent = std::min(exponent * 10 + (text[pos] - '0'), kExponentCap);
        }
        if (pos > exponentDigits) {
            end = pos;
            span.exponentLetter = letter - start;
            exponent = negativeExponent ? -exponent : exponent;
        } else {
            exponent = 0;
        }
    }
    span.number = text.substr(start, end - start);
    span.decimalMagnitude = exponent + (integerDigits > 0 ? integerDigits : -leadingFractionZeros);
    return span;
}

double toDouble(const DecimalSpan& span) {
    std::string_view number = span.number;
    // from_chars knows only 'e' and 'E'; the rare 'd' exponent takes a copy.
    std::string replaced;
    if (span.exponentLetter != std::string_view::npos) {
        const char letter = number[span.exponentLetter];
        if (letter == 'd' || letter == 'D') {
            replaced.assign(number);
            replaced[span.exponentLetter] = 'e';
            number = replaced;
        }
    }
    double value = 0.0;
    const std::from_chars_result result =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Beyond a double's range the conversion gives what IEEE rounding would:
        // infinity for huge numbers, zero for tiny ones.
        value = span.decimalMagnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return span.negative ? -value : value;
}

// Decimal digits after optional white space and sign. Values beyond 32 bits
// saturate to INT_MAX or INT_MIN (as strtol does for its long), so an
// over-long integer field reads as the nearest representable value.
std::optional<int> scanInteger(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isSpace(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t start = pos;
    constexpr long long kCap = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        magnitude = std::min(magnitude * 10 + (text[pos] - '0'), kCap);
    }
    if (pos == start) {
        return std::nullopt;
    }
    if (negative) {
        return static_cast<int>(-magnitude);
    }
    return static_cast<int>(std::min(magnitude, static_cast<long long>(INT_MAX)));
}

}  // namespace

std::string formatDouble(double value) {
    return formatGeneral(value, 15, 'e');
}

std::string formatResult(double value) {
    return formatGeneral(value, 6, 'E');
}

std::string formatExact(double value) {
    // 17 significant digits always read back as the same double; most values
    // need fewer, and the fewest that do are the ones worth reading.
    for (int precision = 15; precision < 17; ++precision) {
        std::string text = formatGeneral(value, precision, 'e');
        const std::optional<double> back = scanDouble(text);
        if (!std::isfinite(value) || (back && *back == value && std::signbit(*back) == std::signbit(value))) {
            return text;
        }
    }
    return formatGeneral(value, 17, 'e');
}

std::string formatInt(int value) {
    std::array<char, 16> buffer{};
    const std::to_chars_result written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), written.ptr);
}

std::optional<double> scanDouble(std::string_view text) {
    const std::optional<DecimalSpan> span = scanDecimal(text, "eE");
    if (!span) {
        return std::nullopt;
    }
    return toDouble(*span);
}

std::optional<double> scanShown(std::string_view text) {
    // A sign and a one before the mark: '1.#INF', '-1.#IND', '1.#QNAN'.
    const std::size_t mark = text.find(".#");
    if (mark != std::string_view::npos && mark <= 2 &&
        text.substr(0, mark).find_first_not_of("+-1") == std::string_view::npos) {
        if (text.compare(mark + 2, 3, "INF") == 0) {
            return text.front() == '-' ? -std::numeric_limits<double>::infinity()
                                       : std::numeric_limits<double>::infinity();
        }
        return std::numeric_limits<double>::quiet_NaN();
    }
    return scanDouble(text);
}

std::optional<int> scanInt(std::string_view text) {
    return scanInteger(text);
}

double readNumber(std::string_view text) {
    const std::optional<DecimalSpan> span = scanDecimal(text, "eEdD");
    return span ? toDouble(*span) : 0.0;
}

int readInteger(std::string_view text) {
    return scanInteger(text).value_or(0);
}

}  // namespace numtext
