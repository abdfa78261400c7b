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
#include <limits>
#include <system_error>

#include "core/text/charconv_shim.h"

// Nothing here goes through the C library's printf or scanf families: Qt
// switches the process to the user's locale at start, and a German locale
// would make them write and read ',' as the decimal mark. Exact integer
// arithmetic, std::to_chars and std::from_chars never look at the locale and
// round exactly as glibc does.
namespace numtext {

namespace {

// The indefinite NaN: what x86 invalid operations (0/0, sqrt(-1)) produce.
constexpr std::uint64_t kIndefiniteNan = 0xFFF8000000000000u;
constexpr std::uint64_t kSignBit = 0x8000000000000000u;

std::string nonFiniteText(double value) {
    if (std::isinf(value)) {
        return value < 0 ? "-1.#INF" : "1.#INF";
    }
    const auto bits = charconv::bit_cast<std::uint64_t>(value);
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

}  // namespace

// The digits come from exact integer arithmetic where it reaches, which is
// where the tools' numbers lie, and from std::to_chars elsewhere.
std::string_view formatGeneral(double value, int precision, char exponentLetter, GeneralText& buffer) {
    char* out = buffer.data();
    if (std::signbit(value)) {
        *out++ = '-';  // a text from std::to_chars below brings its own
    }
    if (value == 0) {
        *out++ = '0';
    } else if (const std::optional<decimal_digits::Rounded> rounded =
                   std::isfinite(value) ? decimal_digits::rounded(value, precision) : std::nullopt) {
        out = decimal_digits::layOut(*rounded, precision, exponentLetter, out);
    } else {
        const std::string text = formatGeneralByToChars(value, precision, exponentLetter);
        out = std::copy(text.begin(), text.end(), buffer.data());
    }
    return {buffer.data(), static_cast<std::size_t>(out - buffer.data())};
}

std::string formatGeneral(double value, int precision, char exponentLetter) {
    GeneralText buffer;
    return std::string(formatGeneral(value, precision, exponentLetter, buffer));
}

std::string_view formatDouble(double value, GeneralText& buffer) {
    return formatGeneral(value, 15, 'e', buffer);
}

std::string formatGeneralByToChars(double value, int precision, char exponentLetter) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    // Scientific form with precision-1 fraction digits gives the correctly
    // rounded significant digits and the exponent after rounding, from which
    // "%g" picks its notation.
    std::array<char, 40> sci{};
    const std::to_chars_result written =
        charconv::to_chars(sci.data(), sci.data() + sci.size(), std::fabs(value),
                           charconv::chars_format::scientific, precision - 1);
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
    exponent = negativeExponent ? -exponent : exponent;

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
    // The value is mantissa·10^power; the mantissa is all ones when there
    // are more than 19 significant digits.
    std::uint64_t mantissa = 0;
    long long power = 0;
};

// One more digit of the mantissa, while 19 digits can still hold it; the
// leading zeros are not significant.
void takeDigit(DecimalSpan& span, long long& significant, char digit) {
    if (significant > 0 || digit != '0') {
        span.mantissa = ++significant > 19 ? ~std::uint64_t(0) : span.mantissa * 10 + (digit - '0');
    }
}

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

    long long significant = 0;
    long long fractionDigits = 0;
    bool anyDigit = false;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        anyDigit = true;
        takeDigit(span, significant, text[pos]);
    }
    const long long integerDigits = significant;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        for (; pos < text.size() && isDigit(text[pos]); ++pos) {
            anyDigit = true;
            ++fractionDigits;
            takeDigit(span, significant, text[pos]);
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
    // Where the first non-zero digit lies relative to the point tells a number
    // beyond a double's range large from small.
    const long long leadingFractionZeros = fractionDigits - (significant - integerDigits);
    span.decimalMagnitude = exponent + (integerDigits > 0 ? integerDigits : -leadingFractionZeros);
    span.power = exponent - fractionDigits;
    return span;
}

double toDouble(const DecimalSpan& span) {
    // Most texts are short numbers ('464.7', '0'), which one exact operation
    // converts, as from_chars would.
    if (const std::optional<double> exact = decimal_digits::exactValue(span.mantissa, span.power)) {
        return span.negative ? -*exact : *exact;
    }
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
    const std::from_chars_result result = charconv::from_chars(number.data(), number.data() + number.size(),
                                                               value, charconv::chars_format::general);
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

std::string_view formatExact(double value, GeneralText& buffer) {
    // 17 significant digits always read back as the same double; most values
    // need fewer, and the fewest that do are the ones worth reading. Exact
    // digits tell whether they read back without reading them.
    for (int precision = 15; std::isfinite(value) && value != 0 && precision <= 17; ++precision) {
        const std::optional<decimal_digits::Rounded> rounded =
            decimal_digits::rounded(value, precision, true);
        if (!rounded) {
            break;
        }
        if (rounded->readsBack || precision == 17) {
            char* const start = buffer.data() + (std::signbit(value) ? 1 : 0);
            buffer[0] = '-';
            const char* const end = decimal_digits::layOut(*rounded, precision, 'e', start);
            return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
        }
    }
    for (int precision = 15; precision < 17; ++precision) {
        const std::string_view text = formatGeneral(value, precision, 'e', buffer);
        const std::optional<double> back = scanDouble(text);
        if (!std::isfinite(value) || (back && *back == value && std::signbit(*back) == std::signbit(value))) {
            return text;
        }
    }
    return formatGeneral(value, 17, 'e', buffer);
}

std::string formatExact(double value) {
    GeneralText buffer;
    return std::string(formatExact(value, buffer));
}

std::string formatInt(int value) {
    std::array<char, 16> buffer{};
    const std::to_chars_result written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), written.ptr);
}

std::optional<double> scanDouble(std::string_view text) {
    if (const std::optional<double> plain = decimal_digits::plainValue(text)) {
        return plain;
    }
    const std::optional<DecimalSpan> span = scanDecimal(text, "eE");
    return span ? std::optional<double>(toDouble(*span)) : std::nullopt;
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
