// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <array>
#include <cstdint>
#include <optional>

// The significant digits of a double rounded as "%.*g" rounds them, by exact
// integer arithmetic: the double is f·2^e with a 53-bit f, and f·5^k or
// f/5^k fits in 128 bits for every exponent a tool ordinarily writes. Where
// it does not (subnormals, magnitudes beyond about 1e-17 or 1e+46), nothing
// is given, and number texts ask the standard library instead. The other way,
// a short decimal is a double by one exact operation. This is only
// arithmetic: number_text.cpp reads and writes the texts.
namespace decimal_digits {

struct Rounded {
    // Exactly `precision` digits: 10^(precision-1) <= digits < 10^precision.
    std::uint64_t digits;
    // The decimal exponent of the first digit, after rounding: 1234.5 at
    // precision 3 is 123 with exponent 3.
    int exponent;
};

// |value| rounded to nearest, ties to even, at 1 to 17 significant digits;
// value must be finite and not zero.
std::optional<Rounded> rounded(double value, int precision);

// digits as 20 decimal characters, leading zeros included: its last `count`
// are its digits at that precision.
using Spelt = std::array<char, 20>;
void spell(std::uint64_t digits, Spelt& out);

// mantissa·10^power where both are exact doubles (a mantissa up to 2^53, a
// power up to 22 either way), so that one multiplication or division rounds
// it as a correct conversion does; nothing otherwise. Zero is zero whatever
// the power.
std::optional<double> exactValue(std::uint64_t mantissa, long long power);

}  // namespace decimal_digits
