// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The significant digits of a double rounded as "%.*g" rounds them, by exact
// integer arithmetic: the double is f·2^e with a 53-bit f, and f·5^k or
// f/5^k fits in 128 bits for every exponent a tool ordinarily writes. Where
// it does not (subnormals, magnitudes beyond about 1e-17 or 1e+46), nothing
// is given, and number texts ask the standard library instead. The other way,
// a short decimal is a double by one exact operation. Number texts
// (number_text.cpp) use these; nothing else does.
namespace decimal_digits {

struct Rounded {
    // Exactly `precision` digits: 10^(precision-1) <= digits < 10^precision.
    std::uint64_t digits;
    // The decimal exponent of the first digit, after rounding: 1234.5 at
    // precision 3 is 123 with exponent 3.
    int exponent;
    // Whether these digits, read as a number, give back the same double.
    bool readsBack;
};

// |value| rounded to nearest, ties to even, at 1 to 17 significant digits;
// value must be finite and not zero. Whether the digits read back is worked
// out only when asked for (readsBack is false otherwise).
std::optional<Rounded> rounded(double value, int precision, bool askReadsBack = false);

// The digits laid out from out on as "%g" lays them out: plain decimals for
// decimal exponents from -4 to precision - 1, else d.ddde+XXX (three
// exponent digits); trailing zeros dropped, no sign. Returns the text's end.
// The text takes at most 24 characters, but out must have room for 48: the
// digits are copied in fixed lengths.
char* layOut(Rounded rounded, int precision, char exponentLetter, char* out);

// mantissa·10^power where both are exact doubles (a mantissa up to 2^53, a
// power up to 22 either way), so that one multiplication or division rounds
// it as a correct conversion does; nothing otherwise. Zero is zero whatever
// the power.
std::optional<double> exactValue(std::uint64_t mantissa, long long power);
// The same for a text that is nothing but such a number: digits with at most
// one point, a '-' before them or not ('0', '464.7', '-0.5'), at most 16
// characters. Nothing for any other text, which number texts read in full.
std::optional<double> plainValue(std::string_view text);

}  // namespace decimal_digits
