// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/text/decimal_digits.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/text/charconv_shim.h"

namespace decimal_digits {

namespace {

// GCC and clang (the web edition's too) have 128-bit integers; the extension
// keeps -Wpedantic quiet about them.
__extension__ typedef unsigned __int128 U128;

// f·5^32 still fits in 128 bits for a 53-bit f: the widest scale taken.
constexpr int kMaxScale = 32;
constexpr int kSignificandBits = 53;

constexpr std::array<U128, kMaxScale + 1> kPowersOf5 = [] {
    std::array<U128, kMaxScale + 1> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) {
        powers[i] = powers[i - 1] * 5;
    }
    return powers;
}();

constexpr std::array<std::uint64_t, 18> kPowersOf10 = [] {
    std::array<std::uint64_t, 18> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) {
        powers[i] = powers[i - 1] * 10;
    }
    return powers;
}();

// "00" to "99": digits are spelt two at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// 10^0 to 10^22, every one exact in a double.
constexpr std::array<double, 23> kExactPowersOf10 = [] {
    std::array<double, 23> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) {
        powers[i] = powers[i - 1] * 10;
    }
    return powers;
}();

// Exactly eight digits, two at a time, in 32-bit arithmetic.
void spellEight(std::uint32_t digits, char* out) {
    const std::uint32_t high = digits / 10000;
    const std::uint32_t low = digits % 10000;
    std::memcpy(out, &kDigitPairs[high / 100 * 2], 2);
    std::memcpy(out + 2, &kDigitPairs[high % 100 * 2], 2);
    std::memcpy(out + 4, &kDigitPairs[low / 100 * 2], 2);
    std::memcpy(out + 6, &kDigitPairs[low % 100 * 2], 2);
}

int bitWidth(U128 value) {
    const auto high = static_cast<std::uint64_t>(value >> 64);
    return high != 0 ? 64 + std::bit_width(high) : std::bit_width(static_cast<std::uint64_t>(value));
}

// f·2^e·10^k as whole + rest / unit, with 0 <= rest < unit; and the gap
// from f·2^e to either neighbouring double (2^e) times 10^k, in 1/unit.
struct Scaled {
    U128 whole;
    U128 rest;
    U128 unit;
    U128 gap;
};

bool scale(std::uint64_t f, int e, int k, Scaled& scaled) {
    if (k >= 0) {
        // f·5^k·2^(e+k): a product, then a shift; the gap is 5^k·2^(e+k).
        if (k > kMaxScale) {
            return false;
        }
        const U128 power = kPowersOf5[static_cast<std::size_t>(k)];
        // Up to 5^27 the power fits in 64 bits, and the product is one multiplication.
        const U128 product = k <= 27 ? U128(f) * static_cast<std::uint64_t>(power) : f * power;
        const int shift = -(e + k);
        if (shift <= 0) {
            scaled = {product << -shift, 0, 1, power << -shift};
            return true;
        }
        if (shift >= 128) {
            return false;
        }
        scaled = {product >> shift, product & ((U128(1) << shift) - 1), U128(1) << shift, power};
        return true;
    }
    // f·2^(e-m) / 5^m, with m = -k: a division, the powers of two on the
    // side where they keep it whole; the gap is 2^(e-m) / 5^m.
    const int m = -k;
    if (m > kMaxScale) {
        return false;
    }
    U128 numerator = f;
    U128 denominator = kPowersOf5[static_cast<std::size_t>(m)];
    U128 gap = 1;
    const int twos = e - m;
    if (twos >= 0) {
        if (twos > 127 - kSignificandBits) {
            return false;
        }
        numerator <<= twos;
        gap <<= twos;
    } else {
        if (bitWidth(denominator) - twos > 127) {
            return false;
        }
        denominator <<= -twos;
    }
    scaled = {numerator / denominator, numerator % denominator, denominator, gap};
    return true;
}

// digits as 20 decimal characters, leading zeros included, at [8, 28): the
// last `precision` of them are its digits at that precision. The places
// around them are zeros, so that eight bytes may be read and copied at once
// without looking where the digits end.
using Spelt = std::array<char, 48>;
constexpr std::size_t kSpeltEnd = 28;

void spell(std::uint64_t digits, Spelt& out) {
    constexpr std::uint64_t kEight = 100'000'000;
    spellEight(static_cast<std::uint32_t>(digits % kEight), out.data() + 20);
    spellEight(static_cast<std::uint32_t>(digits / kEight % kEight), out.data() + 12);
    // The first four places: 10^16 and more, which only 17 digits reach.
    const auto top = static_cast<std::uint32_t>(digits / kEight / kEight);
    std::memcpy(out.data() + 8, &kDigitPairs[top / 100 % 100 * 2], 2);
    std::memcpy(out.data() + 10, &kDigitPairs[top % 100 * 2], 2);
}

// How many of the digits are left when the zeros at their end are dropped
// (at least one: the first digit is no zero): the last digit that is no zero
// is found eight at a time, without a branch for each.
std::size_t withoutTrailingZeros(const char* digits, std::size_t count) {
    constexpr std::uint64_t kZeros = 0x3030303030303030;
    for (std::size_t end = count; end > 1; end -= 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, digits + end - 8, 8);
        word ^= kZeros;
        if (word != 0) {
            // The highest byte of the word is its last character.
            return end - 8 + static_cast<std::size_t>(63 - std::countl_zero(word)) / 8 + 1;
        }
    }
    return 1;
}

// Whether a decimal `distance` / unit away from the double reads back as it:
// within half the gap to the neighbour on its side (a quarter below a power
// of two, where the doubles below lie twice as close), or exactly half way
// and the double's significand even, which is where ties go.
bool readsBack(const Scaled& scaled, U128 distance, bool below, std::uint64_t f) {
    if (distance == 0) {
        return true;
    }
    if (bitWidth(distance) > 120) {
        return false;  // far beyond any gap, which is below 2^76
    }
    const U128 measured = distance * (below && f == (std::uint64_t(1) << 52) ? 4 : 2);
    return measured < scaled.gap || (measured == scaled.gap && (f & 1) == 0);
}

}  // namespace

std::optional<Rounded> rounded(double value, int precision, bool askReadsBack) {
    const auto bits = charconv::bit_cast<std::uint64_t>(value);
    const auto biased = static_cast<int>((bits >> 52) & 0x7FF);
    if (biased == 0 || biased == 0x7FF || precision < 1 || precision > 17) {
        return std::nullopt;
    }
    const std::uint64_t f = (bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52);
    const int e = biased - 1075;
    // |value| lies in [2^(e+52), 2^(e+53)): its decimal exponent is
    // floor((e+52)·log10 2) or one more. 78913 / 2^18 is log10 2 closely
    // enough for every double's exponent.
    int exponent = ((e + 52) * 78913) >> 18;
    const std::uint64_t limit = kPowersOf10[static_cast<std::size_t>(precision)];
    for (int attempt = 0; attempt < 2; ++attempt, ++exponent) {
        Scaled scaled;
        if (!scale(f, e, precision - 1 - exponent, scaled)) {
            return std::nullopt;
        }
        if (scaled.whole >= limit) {
            continue;  // one digit too many: the exponent is the larger one
        }
        auto digits = static_cast<std::uint64_t>(scaled.whole);
        // Below 2^127, so twice the rest still fits.
        const U128 twiceRest = scaled.rest * 2;
        const bool up = twiceRest > scaled.unit || (twiceRest == scaled.unit && (digits & 1) != 0);
        const bool back =
            askReadsBack && readsBack(scaled, up ? scaled.unit - scaled.rest : scaled.rest, !up, f);
        if (up && ++digits == limit) {
            return Rounded{digits / 10, exponent + 1, back};  // 9.99... rounded up to 10
        }
        return Rounded{digits, exponent, back};
    }
    return std::nullopt;
}

char* layOut(Rounded rounded, int precision, char exponentLetter, char* out) {
    Spelt spelt;
    spelt.fill('0');
    spell(rounded.digits, spelt);
    const auto places = static_cast<std::size_t>(precision);
    const char* const digits = spelt.data() + kSpeltEnd - places;
    const std::size_t count = withoutTrailingZeros(digits, places);
    // Copies are of 20 characters whatever is needed: the buffer has room,
    // and the length comes from the count, not from the copy.
    const int exponent = rounded.exponent;
    if (exponent >= 0 && exponent < precision) {
        // The digits past `count` are the zeros of the whole part.
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        std::memcpy(out, digits, 20);
        if (count <= whole) {
            return out + whole;
        }
        out[whole] = '.';
        std::memcpy(out + whole + 1, digits + whole, 20);
        return out + count + 1;
    }
    if (exponent < 0 && exponent >= -4) {
        std::memcpy(out, "0.000", 5);
        std::memcpy(out + 1 - exponent, digits, 20);
        return out + 1 - exponent + count;
    }
    out[0] = digits[0];
    out[1] = '.';
    std::memcpy(out + 2, digits + 1, 20);
    out += count > 1 ? count + 1 : 1;
    const int magnitude = exponent < 0 ? -exponent : exponent;
    out[0] = exponentLetter;
    out[1] = exponent < 0 ? '-' : '+';
    out[2] = static_cast<char>('0' + magnitude / 100);
    std::memcpy(out + 3, &kDigitPairs[static_cast<std::size_t>(magnitude % 100) * 2], 2);
    return out + 5;
}

std::optional<double> exactValue(std::uint64_t mantissa, long long power) {
    if (mantissa == 0) {
        return 0.0;
    }
    const auto maxPower = static_cast<long long>(kExactPowersOf10.size()) - 1;
    if (mantissa > (std::uint64_t(1) << kSignificandBits) || power > maxPower || power < -maxPower) {
        return std::nullopt;
    }
    const auto value = static_cast<double>(mantissa);
    return power >= 0 ? value * kExactPowersOf10[static_cast<std::size_t>(power)]
                      : value / kExactPowersOf10[static_cast<std::size_t>(-power)];
}

std::optional<double> plainValue(std::string_view text) {
    const bool negative = text.starts_with('-');
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 16) {
        return std::nullopt;
    }
    std::uint64_t mantissa = 0;
    long long power = 0;
    bool point = false;
    for (const char c : digits) {
        if (c >= '0' && c <= '9') {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
            power -= point ? 1 : 0;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits.size() == 1 && point) {
        return std::nullopt;  // a lone point is no number
    }
    const std::optional<double> value = exactValue(mantissa, power);
    return value && negative ? std::optional<double>(-*value) : value;
}

}  // namespace decimal_digits
