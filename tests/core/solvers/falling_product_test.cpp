// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "core/solvers/falling_product.h"
#include "core/solvers/the_combination.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kTwo53 = 9007199254740992.0;

// The loops as the tools describe them, without any bound: the references.
double plainPermutation(double n, double r) {
    double result = n;
    double factor = n;
    double count = r;
    while (count > 1) {
        factor -= 1;
        result *= factor;
        count -= 1;
    }
    return result;
}

double plainFactorial(double x) {
    if (!(x > 1)) {
        return x;
    }
    double product = x;
    double counter = x;
    do {
        counter -= 1;
        product *= counter;
    } while (counter > 1);
    return product;
}

// Same double, bit for bit: the sign of 0 and the kind of NaN count.
::testing::AssertionResult sameBits(double expected, double actual) {
    if (std::bit_cast<std::uint64_t>(expected) == std::bit_cast<std::uint64_t>(actual)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "expected " << expected << " (signbit " << std::signbit(expected) << "), got " << actual
           << " (signbit " << std::signbit(actual) << ")";
}

// Inputs where the plain loop ends within about a million passes.
std::vector<double> edgeNs() {
    return {0.0,
            -0.0,
            1.0,
            -1.0,
            2.0,
            3.0,
            5.0,
            4.5,
            0.5,
            -0.5,
            1.5,
            -2.5,
            170.0,
            171.0,
            170.5,
            -170.0,
            -171.0,
            1e-300,
            -1e-300,
            5e-324,
            1.0000000000000002,
            0.9999999999999999,
            1.9999999999999998,
            1e15,
            -1e15,
            kTwo53,
            kTwo53 + 2,
            kTwo53 + 4,
            -kTwo53,
            -kTwo53 - 4,
            1e17,
            -1e17,
            1e300,
            -1e300,
            1.7976931348623157e308,
            -1.7976931348623157e308,
            kInf,
            -kInf,
            kNan,
            1000000.0,
            999999.5};
}

std::vector<double> edgeRs() {
    return {-kInf, -1e300, -5.0,   -0.0,   0.0, 0.5,  1.0,   1.0000000000000002,
            1.5,   2.0,    2.5,    3.0,    5.0, 10.0, 170.0, 171.0,
            172.0, 1000.0, 1000.5, 4000.0, kNan};
}

TEST(FallingProduct, MatchesThePlainLoopOnEdgeInputs) {
    for (const double n : edgeNs()) {
        for (const double r : edgeRs()) {
            SCOPED_TRACE(::testing::Message() << "n = " << n << ", r = " << r);
            EXPECT_TRUE(sameBits(plainPermutation(n, r), fallingProduct(n, r)));
        }
    }
}

TEST(FallingProduct, MatchesThePlainLoopOnRandomInputs) {
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<int> pick(0, 5);
    std::uniform_real_distribution<double> small(-400.0, 400.0);
    std::uniform_real_distribution<double> exponent(-320.0, 308.0);
    std::uniform_int_distribution<int> whole(-300, 300);
    std::uniform_real_distribution<double> count(-10.0, 3000.0);
    for (int i = 0; i < 20000; ++i) {
        double n = 0;
        switch (pick(random)) {
            case 0:
                n = whole(random);
                break;
            case 1:
                n = small(random);
                break;
            case 2:
                n = whole(random) + 0.5;
                break;
            case 3:
                n = std::pow(10.0, exponent(random));
                break;
            case 4:
                n = -std::pow(10.0, exponent(random));
                break;
            default:
                n = std::ldexp(static_cast<double>(whole(random)), 51 + whole(random) % 5);
                break;
        }
        double r = count(random);
        if (pick(random) < 3) {
            r = std::round(r);
        }
        SCOPED_TRACE(::testing::Message() << "n = " << n << ", r = " << r);
        ASSERT_TRUE(sameBits(plainPermutation(n, r), fallingProduct(n, r)));
    }
}

// Long runs where the product settles early and only its sign, a zero factor
// or a NaN decide the end: millions of passes for the reference.
TEST(FallingProduct, MatchesThePlainLoopOnLongRuns) {
    const struct {
        double n;
        double r;
    } cases[] = {
        {-5.5, 3000001.0},       // odd number of negative factors after overflow
        {-5.5, 3000002.0},       // even number
        {20.0, 2500000.5},       // zero factor, then sign flips of a zero
        {1500000.0, 3000000.0},  // overflow first, then the zero factor: NaN
        {1500000.5, 3000000.0},  // overflow, no zero factor
        {-1e17, 2000001.0},      // factor stuck at -1e17: sign flips every pass
        {1e17, 2000001.0},       // factor stuck positive
        {kTwo53 + 2, 1000000.0}, {-kTwo53, 1000001.0}, {1e-300, 2000000.0}, {-kInf, 1000001.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "n = " << c.n << ", r = " << c.r);
        EXPECT_TRUE(sameBits(plainPermutation(c.n, c.r), fallingProduct(c.n, c.r)));
    }
}

TEST(Factorial, MatchesThePlainLoop) {
    std::vector<double> xs = edgeNs();
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> any(-50.0, 2000.0);
    for (int i = 0; i < 5000; ++i) {
        xs.push_back(any(random));
        xs.push_back(std::round(any(random)));
    }
    for (const double x : xs) {
        if (x > 2e6) {
            continue;  // the reference would run for ever or too long
        }
        SCOPED_TRACE(::testing::Message() << "x = " << x);
        EXPECT_TRUE(sameBits(plainFactorial(x), Factorial(x)));
    }
}

TEST(Factorial, GivesTheStatedValues) {
    const struct {
        double x;
        double expected;
    } cases[] = {
        {1, 1}, {0, 0}, {-3, -3}, {2, 2}, {5, 120}, {4.5, 29.53125}, {10, 3628800}, {171, kInf},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "x = " << c.x);
        EXPECT_TRUE(sameBits(c.expected, Factorial(c.x)));
    }
    EXPECT_TRUE(std::isfinite(Factorial(170)));
    EXPECT_TRUE(std::isnan(Factorial(kNan)));
}

// Inputs whose plain loop never ends, or only after 2^53 passes, worked out by
// hand from the walk of the factors.
TEST(FallingProduct, EndsOnLoopsThatWouldRunForEver) {
    const struct {
        const char* why;
        double n;
        double r;
        double expected;
    } cases[] = {
        {"zero factor, then negative factors for ever", 5, kInf, 0.0},
        {"overflow, then negative factors for ever", -5, 1e300, kInf},
        {"factor stuck at a positive value", 1e300, 1e300, kInf},
        {"factor stuck at a negative value", -1e300, kInf, kInf},
        {"infinite factors of both signs", -kInf, kInf, kInf},
        {"infinite factors, all positive", kInf, 1e300, kInf},
        {"counter stuck just above 2^53", 3, kTwo53 + 4, 0.0},
        // 2^53 + 2 drops to 2^53 and then counts down exactly: 2^53 passes.
        {"4, 3, 2, 1, 0, then 2^53 - 5 negative factors", 5, kTwo53 + 2, -0.0},
        {"all 2^53 factors after n negative", -3, kTwo53 + 2, -kInf},
        {"1.5 and 0.5, then 2^53 - 2 negative factors", 2.5, kTwo53 + 2, kInf},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_TRUE(sameBits(c.expected, fallingProduct(c.n, c.r)));
    }
    // Overflow first, then a zero factor: infinity times 0.
    EXPECT_TRUE(std::isnan(fallingProduct(1e6, kInf)));
    EXPECT_TRUE(std::isnan(fallingProduct(kNan, kInf)));
}

TEST(Factorial, EndsFromTwoToTheFiftyThreeUp) {
    for (const double x : {kTwo53 - 1, kTwo53, kTwo53 + 2, kTwo53 + 4, 1e17, 1e300, kInf}) {
        SCOPED_TRACE(::testing::Message() << "x = " << x);
        EXPECT_TRUE(sameBits(kInf, Factorial(x)));
    }
}

}  // namespace
