// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <optional>
#include <string>
#include <string_view>

// The only place where numbers become text and text becomes numbers. Every
// function here gives the same result under any process locale: '.' is the
// only decimal mark, and exponents are always written with three digits.
namespace numtext {

// "%.*g" with precision 15: '0.333333333333333', '1e+015', '-0'.
// Non-finite values: '1.#INF', '-1.#INF', '-1.#IND' (the indefinite NaN that
// invalid operations give), '1.#QNAN' (any other NaN, '-' when signed).
std::string formatDouble(double value);

// "%G" with its default precision of six: '0.333333', '1E+006', '1.#INF'.
std::string formatResult(double value);

// The fewest significant digits (15 to 17) that read back as exactly this
// double, written as formatDouble writes: '0.30000000000000004' for 0.1 + 0.2,
// '0.5', '9.46e+015'. Where it differs from formatDouble, the field shows a
// rounded value.
std::string formatExact(double value);

// "%d".
std::string formatInt(int value);

// The "%lf" scan of a double field: skips leading white space, takes a sign,
// digits with at most one point, and an exponent only after a digit ('1e' is
// 1). Returns nothing when no digit was taken; what follows the number is
// ignored ('12abc' is 12, '0x10' is 0). Beyond a double's range the result
// is the IEEE conversion: +-infinity, or +-0 on underflow.
std::optional<double> scanDouble(std::string_view text);

// The "%d" scan of an integer field: white space, sign, digits; nothing when
// no digit was taken. Values beyond 32 bits saturate.
std::optional<int> scanInt(std::string_view text);

// A number as this program shows it: the "%lf" scan, except that the texts
// formatDouble writes for values that are no finite number are read as what
// they mean ('1.#INF' and '-1.#INF' as infinities, '-1.#IND' and '1.#QNAN' as
// not a number) rather than as the 1 that "%lf" takes from them.
std::optional<double> scanShown(std::string_view text);

// atof restricted to decimal notation, with 'd'/'D' also taken as exponent
// letters ('2d3' is 2000). Text without a number reads as 0.
double readNumber(std::string_view text);

// atoi (strtol base 10, saturating to 32 bits). Text without digits reads 0.
int readInteger(std::string_view text);

}  // namespace numtext
