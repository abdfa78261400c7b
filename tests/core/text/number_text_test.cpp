// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/text/number_text.h"
#include "core/steps/step_recorder.h"
#include "core/text/decimal_digits.h"
#include "core/text/general_format.h"

#include <gtest/gtest.h>

#include <locale.h>
#include <algorithm>
#include <bit>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

std::string describe(double value) {
    std::ostringstream out;
    out << std::hexfloat << value << " (bits 0x" << std::hex << std::bit_cast<std::uint64_t>(value) << ")";
    return out.str();
}

// Bit for bit, so that -0 differs from 0 and every last-place error shows.
::testing::AssertionResult sameDouble(double actual, double expected) {
    if (std::bit_cast<std::uint64_t>(actual) == std::bit_cast<std::uint64_t>(expected)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "got " << describe(actual) << ", expected " << describe(expected);
}

::testing::AssertionResult sameScan(std::optional<double> actual, std::optional<double> expected) {
    if (actual.has_value() != expected.has_value()) {
        return ::testing::AssertionFailure()
               << (actual ? "got " + describe(*actual) : std::string("refused")) << ", expected "
               << (expected ? describe(*expected) : std::string("refusal"));
    }
    return actual ? sameDouble(*actual, *expected) : ::testing::AssertionSuccess();
}

double factorial(int n) {
    double product = 1.0;
    for (int i = n; i >= 1; --i) {
        product *= i;
    }
    return product;
}

struct FormatCase {
    double value;
    const char* text;
};

TEST(FormatDouble, WritesFifteenSignificantDigitsWithThreeDigitExponents) {
    const FormatCase cases[] = {
        {0.0, "0"},
        {0.1, "0.1"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {0.1 + 0.2, "0.3"},
        {100000.0, "100000"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1e+015"},
        {1234567890123456.0, "1.23456789012346e+015"},
        {0.0001, "0.0001"},
        {0.00001, "1e-005"},
        {-459.66999999999996, "-459.67"},
        {-0.0, "-0"},
        {1e20, "1e+020"},
        {1e-300, "1e-300"},
        {2.5e20, "2.5e+020"},
        {12.5, "12.5"},
        {-1.5, "-1.5"},
        {1e14, "100000000000000"},
        {0.00012345, "0.00012345"},
        {123456789012345.6, "123456789012346"},
        {std::numeric_limits<double>::max(), "1.79769313486232e+308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247e-324"},
        {std::numeric_limits<double>::min(), "2.2250738585072e-308"},
        {-1e100, "-1e+100"},
        // Exact binary ties, rounded to even as glibc's printf does.
        {999999999999999.5, "1e+015"},
        {100000000000000.5, "100000000000000"},
        {100000000000001.5, "100000000000002"},
        {100000000000002.5, "100000000000002"},
        {0.5, "0.5"},
        {0.125, "0.125"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numtext::formatDouble(c.value), c.text);
    }
}

TEST(FormatResult, WritesSixSignificantDigitsInUpperCase) {
    const FormatCase cases[] = {
        {5.0, "5"},
        {1.0 / 3.0, "0.333333"},
        {123456.0, "123456"},
        {1234567.0, "1.23457E+006"},
        {1e6, "1E+006"},
        {0.0001, "0.0001"},
        {0.00001, "1E-005"},
        {-0.0, "-0"},
        {factorial(170), "7.25742E+306"},
        {factorial(10), "3.6288E+006"},
        {0.333333 * 3.0, "0.999999"},
        {2.0 * std::numbers::pi, "6.28319"},
        {std::sin(30.0), "-0.988032"},
        {std::log(10.0), "2.30259"},
        {1024.0, "1024"},
        {-7.0, "-7"},
        {0.0000999999, "9.99999E-005"},
        {1e100, "1E+100"},
        {1e-100, "1E-100"},
        // Rounding carries into a new exponent, which then picks the notation.
        {999999.5, "1E+006"},
        {999999.4, "999999"},
        {0.000099999951, "0.0001"},
        // Exact binary ties: 0.0009765625 is 2^-10.
        {100000.5, "100000"},
        {100001.5, "100002"},
        {123456.5, "123456"},
        {123457.5, "123458"},
        {0.0009765625, "0.000976562"},
        {0.125, "0.125"},
        {2.5, "2.5"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numtext::formatResult(c.value), c.text);
    }
}

TEST(FormatExact, WritesTheFewestDigitsThatGiveTheDoubleBack) {
    const FormatCase cases[] = {
        {0.1 + 0.2, "0.30000000000000004"},
        {2 / 3.28, "0.6097560975609756"},
        {1.0 / 3.0, "0.3333333333333333"},
        {0.5, "0.5"},
        {9.46e15, "9.46e+015"},
        {-459.66999999999996, "-459.66999999999996"},
        {std::numbers::pi, "3.141592653589793"},
        {-0.0, "-0"},
        {1e308 * 10, "1.#INF"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numtext::formatExact(c.value), c.text);
        EXPECT_EQ(numtext::scanDouble(c.text).value_or(0), std::isinf(c.value) ? 1 : c.value);
    }
}

// The quick writer (exact integer digits) against the one that takes its
// digits from std::to_chars, at every precision, over the whole double range:
// any bit pattern, decimals and binary fractions on or near a rounding tie,
// and the neighbours of every power of ten and of two; and whether exact
// digits read back as the double, and which are the fewest that do,
// against reading their texts.
// BRIMLET_NUMBER_SEED=<seed> replays a run.
TEST(FormatGeneral, WritesTheBytesThatToCharsDigitsGiveAtEveryPrecision) {
    const char* given = std::getenv("BRIMLET_NUMBER_SEED");
    const std::uint64_t seed = given != nullptr ? std::strtoull(given, nullptr, 10) : std::random_device()();
    std::printf("number text seed %llu\n", static_cast<unsigned long long>(seed));
    std::mt19937_64 random(seed);
    std::vector<double> values{0.0,
                               -0.0,
                               std::numeric_limits<double>::min(),
                               std::nextafter(std::numeric_limits<double>::min(), 0.0),
                               std::numeric_limits<double>::denorm_min(),
                               std::numeric_limits<double>::max(),
                               999999999999999.5,
                               9007199254740993.0,
                               kInf,
                               std::numeric_limits<double>::quiet_NaN()};
    for (int exponent = -330; exponent <= 310; ++exponent) {
        const double power = std::pow(10.0, exponent);
        const double two = std::ldexp(1.0, exponent);
        values.insert(values.end(), {power, std::nextafter(power, 0.0), std::nextafter(power, kInf),
                                     power * 5, two, std::nextafter(two, 0.0), std::nextafter(two, kInf)});
    }
    for (int i = 0; i < 25000; ++i) {
        const auto scale = static_cast<int>(random() % 80) - 40;
        values.insert(values.end(),
                      {std::bit_cast<double>(random()),
                       static_cast<double>(random() % 100000000000000000) / std::pow(10.0, scale),
                       std::ldexp(static_cast<double>(random() >> 11 | 1), scale * 2),
                       static_cast<double>(random() % 900719925474099 * 10 + 5)});
    }
    for (const double value : values) {
        std::string fewest;  // formatExact's: the fewest digits from 15 on whose text reads back
        for (int precision = 1; precision <= 17; ++precision) {
            const std::string text = numtext::formatGeneralByToChars(value, precision, 'e');
            ASSERT_EQ(numtext::formatGeneral(value, precision, 'e'), text)
                << describe(value) << " at precision " << precision << ", seed " << seed;
            const bool back = numtext::scanDouble(text) == value;
            if (const auto rounded = decimal_digits::rounded(value, precision, true)) {
                ASSERT_EQ(rounded->readsBack, back)
                    << describe(value) << " at precision " << precision << ", seed " << seed;
            }
            if (precision >= 15 && fewest.empty() && (back || precision == 17 || !std::isfinite(value))) {
                fewest = text;
            }
        }
        ASSERT_EQ(numtext::formatExact(value), fewest) << describe(value) << ", seed " << seed;
    }
}

TEST(StepRecorder, KeepsOneScreenAndSaysHowManyMore) {
    StepRecorder steps;
    steps.restart(nullptr);
    for (int i = 1; i <= 45; ++i) {
        steps.add("%1 − %2 = %3", {i, -1.5, i + 1.5});
    }
    const std::vector<std::string> lines = steps.lines();
    ASSERT_EQ(lines.size(), StepRecorder::kMaxLines);
    EXPECT_EQ(lines.front(), "1 − (-1.5) = 2.5");
    EXPECT_EQ(lines.back(), "… 6 more steps left out, to keep to one screen");
    steps.restart(nullptr);
    steps.add("%1: %3 ≈ %2",
              {StepArg::field(7), StepArg::shown(1.0 / 3), StepArg::typed(std::string(100, 'x') + "\n")});
    EXPECT_EQ(steps.lines(), std::vector<std::string>{"#7: '" + std::string(24, 'x') +
                                                      "…' ≈ 0.3333333333333333 ≈ 0.333333333333333"});
}

TEST(FormatInt, WritesPlainDecimal) {
    const std::pair<int, const char*> cases[] = {
        {0, "0"}, {12, "12"}, {-3, "-3"}, {INT_MAX, "2147483647"}, {INT_MIN, "-2147483648"},
    };
    for (const auto& [value, text] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(numtext::formatInt(value), text);
    }
}

struct NonFiniteCase {
    std::uint64_t bits;
    const char* text;
};

TEST(FormatNonFinite, NamesEachKindOfNaNAndInfinity) {
    const NonFiniteCase cases[] = {
        {0x7FF0000000000000u, "1.#INF"},   {0xFFF0000000000000u, "-1.#INF"},
        {0xFFF8000000000000u, "-1.#IND"},   // the indefinite NaN
        {0x7FF8000000000000u, "1.#QNAN"},   // the same NaN without its sign
        {0xFFF8000000000001u, "-1.#QNAN"},  // signed, with a payload
        {0x7FF8000000000001u, "1.#QNAN"},  {0x7FFFFFFFFFFFFFFFu, "1.#QNAN"},
        {0x7FF0000000000001u, "1.#QNAN"},   // signalling
        {0xFFF4000000000000u, "-1.#QNAN"},  // signalling
    };
    for (const NonFiniteCase& c : cases) {
        const double value = std::bit_cast<double>(c.bits);
        SCOPED_TRACE(describe(value));
        EXPECT_EQ(numtext::formatDouble(value), c.text);
        EXPECT_EQ(numtext::formatResult(value), c.text);
        // Read back as what they mean, where "%lf" takes the 1 or -1 in front.
        const std::optional<double> shown = numtext::scanShown(c.text);
        ASSERT_TRUE(shown.has_value());
        EXPECT_EQ(std::isnan(*shown), std::isnan(value));
        EXPECT_TRUE(std::isnan(value) || *shown == value);
        EXPECT_EQ(std::fabs(numtext::scanDouble(c.text).value_or(0)), 1.0);
    }
    EXPECT_EQ(numtext::formatDouble(std::numeric_limits<double>::quiet_NaN()), "1.#QNAN");
    EXPECT_EQ(numtext::scanShown(" 12.5abc"), 12.5);
    EXPECT_EQ(numtext::scanShown("#INF"), std::nullopt);
}

TEST(FormatNonFinite, InvalidOperationsAtRunTimeGiveTheIndefiniteText) {
    // volatile keeps the compiler from folding these into a NaN of its own choice.
    volatile double zero = 0.0;
    volatile double minusOne = -1.0;
    volatile double infinity = kInf;
    EXPECT_EQ(numtext::formatDouble(zero / zero), "-1.#IND");
    EXPECT_EQ(numtext::formatDouble(std::sqrt(minusOne)), "-1.#IND");
    EXPECT_EQ(numtext::formatDouble(infinity - infinity), "-1.#IND");
    EXPECT_EQ(numtext::formatResult(infinity * zero), "-1.#IND");
    EXPECT_EQ(numtext::formatResult(5.0 / zero), "1.#INF");
    EXPECT_EQ(numtext::formatResult(-5.0 / zero), "-1.#INF");
    EXPECT_EQ(numtext::formatDouble(-(zero / zero)), "1.#QNAN");
}

struct ScanCase {
    const char* text;
    std::optional<double> value;
};

TEST(ScanDouble, TakesTheNumberAtTheStartAndIgnoresTheRest) {
    const ScanCase cases[] = {
        {"0", 0.0},
        {"0.1", 0.1},
        {"  12.5  ", 12.5},
        {"12abc", 12.0},
        {".5", 0.5},
        {"-.5", -0.5},
        {"5.", 5.0},
        {"+3", 3.0},
        {"1E-2", 0.01},
        {"1e", 1.0},
        {"1e+", 1.0},
        {"1e-x", 1.0},
        {"5.e3", 5000.0},
        {"1,5", 1.0},
        {"0x1A", 0.0},
        {"3 4", 3.0},
        {"-0", -0.0},
        {"-0.0e5", -0.0},
        {"1.#INF", 1.0},
        {"-1.#IND", -1.0},
        {"1d3", 1.0},
        {" \t\n\v\f\r7", 7.0},
        {"2.5e+020", 2.5e20},
        {"1e-005", 1e-5},
        {"0.30000000000000004", 0.1 + 0.2},
        {"3.141592653589793238", std::numbers::pi},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
        // Halfway between 1 and the next double: ties to even, unless a later digit breaks the tie.
        {"1.00000000000000011102230246251565404236316680908203125", 1.0},
        {"1.000000000000000111022302462515654042363166809082031250000001", std::nextafter(1.0, 2.0)},
        {"9007199254740993", 9007199254740992.0},
        {"9007199254740995", 9007199254740996.0},
        {"4.9e-324", std::numeric_limits<double>::denorm_min()},
        {"3e-324", std::numeric_limits<double>::denorm_min()},
        {"1e-321", 1e-321},
        {"1.7976931348623158e308", std::numeric_limits<double>::max()},
        // Beyond the range: infinity or zero, with the sign.
        {"1.7976931348623159e308", kInf},
        {"1e999", kInf},
        {"-1e999", -kInf},
        {"1e-999", 0.0},
        {"-1e-999", -0.0},
        {"2e-324", 0.0},
        {"1e99999999999999999999", kInf},
        {"-1e99999999999999999999", -kInf},
        {"0e99999", 0.0},
        {"0.0000001e400", kInf},
        {"1e-99999999999", 0.0},
        {"100000e-1000000000000000000000", 0.0},
    };
    for (const ScanCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_TRUE(sameScan(numtext::scanDouble(c.text), c.value));
    }
}

TEST(ScanDouble, RefusesTextWithoutADigit) {
    const char* const cases[] = {
        "",    "  ",  "-",   "+",   ".",   "+.", "-.", "e5",  "E5",
        ".e5", "abc", "inf", "INF", "nan", "#",  ",5", "- 5", "--5",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(numtext::scanDouble(text).has_value());
    }
}

TEST(ScanDouble, StopsAtTheEndOfTheView) {
    const std::string_view text = "12345";
    EXPECT_TRUE(sameScan(numtext::scanDouble(text.substr(0, 2)), 12.0));
    EXPECT_FALSE(numtext::scanDouble(text.substr(0, 0)).has_value());
}

TEST(ScanDouble, RoundsLongDigitStringsCorrectly) {
    const std::string zeros500(500, '0');
    const std::string megabyte(1 << 20, '0');
    const std::vector<std::pair<std::string, double>> longCases = {
        {"0." + zeros500 + "1", 0.0},
        {"0." + zeros500 + "1e501", 1.0},
        {"0." + zeros500 + "3e501", 3.0},
        {"-0." + std::string(320, '0') + "1", -1e-321},
        {"1" + std::string(400, '0'), kInf},
        {"1" + std::string(400, '0') + "e-400", 1.0},
        {"1" + std::string(22, '0'), 1e22},
        {"1" + std::string(23, '0'), 1e23},
        {"1" + megabyte + "e-1048576", 1.0},
        {"0." + megabyte + "5e1048577", 5.0},
        {"0." + std::string(1 << 20, '9'), 1.0},
        {"0.1" + megabyte + "1", 0.1},
    };
    for (const auto& [text, value] : longCases) {
        SCOPED_TRACE(text.substr(0, 40) + "... (" + std::to_string(text.size()) + " characters)");
        EXPECT_TRUE(sameScan(numtext::scanDouble(text), value));
    }
}

struct IntCase {
    const char* text;
    std::optional<int> value;
};

TEST(ScanInt, TakesSignAndDigitsAndSaturates) {
    const IntCase cases[] = {
        {"0", 0},
        {"12.7", 12},
        {"  -42x", -42},
        {"+7", 7},
        {"\t\r\n3", 3},
        {"1e5", 1},
        {"0x10", 0},
        {"-0", 0},
        {"000000000000000000000012", 12},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
        {"184467440737095516161844674407370955161", INT_MAX},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {"x", std::nullopt},
        {".5", std::nullopt},
        {"- 5", std::nullopt},
        {"--5", std::nullopt},
    };
    for (const IntCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numtext::scanInt(c.text), c.value);
    }
}

TEST(ReadNumber, FollowsAtofInDecimalNotation) {
    const ScanCase cases[] = {
        {"", 0.0},
        {"--5", 0.0},
        {"1..2", 1.0},
        {".5", 0.5},
        {"12abc", 12.0},
        {"5e", 5.0},
        {"5d", 5.0},
        {"5D+", 5.0},
        {"1E+006", 1e6},
        {"2d3", 2000.0},
        {"2D-3", 0.002},
        {"1.5d+2", 150.0},
        {"1.#INF", 1.0},
        {"-1.#IND", -1.0},
        {"inf", 0.0},
        {"nan", 0.0},
        {"0x10", 0.0},
        {"(5)", 0.0},
        {".", 0.0},
        {"-", 0.0},
        {"  +7", 7.0},
        {"-0", -0.0},
        {"0.333333", 0.333333},
        {"3.141592653589793238", std::numbers::pi},
        {"1E+3085", kInf},
        {"-1E+3085", -kInf},
        {"1d999", kInf},
        {"1e-3085", 0.0},
        {"-1D-3085", -0.0},
    };
    for (const ScanCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_TRUE(sameDouble(numtext::readNumber(c.text), *c.value));
    }
}

TEST(ReadInteger, FollowsAtoi) {
    const std::pair<const char*, int> cases[] = {
        {"5.9", 5},
        {"-3", -3},
        {"1E+006", 1},
        {"99999999999", INT_MAX},
        {"", 0},
        {"  +7x", 7},
        {"abc", 0},
        {"-", 0},
        {"170", 170},
        {"0.999999", 0},
        {"-99999999999", INT_MIN},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(numtext::readInteger(text), value);
    }
}

// glibc in the C locale is the independent reference; the thread's locale is
// set explicitly so a test that changes the process locale cannot disturb it.
class CLocaleReference : public ::testing::Test {
protected:
    void SetUp() override {
        cLocale_ = newlocale(LC_ALL_MASK, "C", nullptr);
        ASSERT_NE(cLocale_, locale_t{});
        previous_ = uselocale(cLocale_);
    }
    void TearDown() override {
        uselocale(previous_);
        freelocale(cLocale_);
    }

    // glibc writes at least two exponent digits and 'inf'; the program writes
    // three and '1.#INF'.
    static std::string printfText(const char* format, double value) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, format, value);
        std::string text = buffer;
        if (std::isinf(value)) {
            return value < 0 ? "-1.#INF" : "1.#INF";
        }
        const std::size_t letter = text.find_first_of("eE");
        if (letter != std::string::npos) {
            std::string digits = text.substr(letter + 2);
            digits.insert(0, 3 - std::min<std::size_t>(3, digits.size()), '0');
            text = text.substr(0, letter + 2) + digits;
        }
        return text;
    }

    static ::testing::AssertionResult formatsLikePrintf(double value) {
        const std::string ours[] = {numtext::formatDouble(value), numtext::formatResult(value)};
        const std::string theirs[] = {printfText("%.15g", value), printfText("%G", value)};
        for (int i = 0; i < 2; ++i) {
            if (ours[i] != theirs[i]) {
                return ::testing::AssertionFailure()
                       << describe(value) << ": wrote " << ours[i] << ", printf wrote " << theirs[i];
            }
        }
        return ::testing::AssertionSuccess();
    }

private:
    locale_t cLocale_{};
    locale_t previous_{};
};

TEST_F(CLocaleReference, FormatsLikePrintf) {
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 200000; ++i) {
        const double value = std::bit_cast<double>(random());
        if (!std::isnan(value)) {
            ASSERT_TRUE(formatsLikePrintf(value));
        }
    }
    // Short decimals and short binary fractions: many sit on or near a rounding tie.
    std::uniform_int_distribution<long long> mantissa(-9999999999999999LL, 9999999999999999LL);
    std::uniform_int_distribution<int> scale(-30, 30);
    std::uniform_int_distribution<int> shortDigits(0, 9999999);
    for (int i = 0; i < 100000; ++i) {
        ASSERT_TRUE(formatsLikePrintf(static_cast<double>(mantissa(random)) / std::pow(10.0, scale(random))));
        ASSERT_TRUE(
            formatsLikePrintf(static_cast<double>(shortDigits(random)) * std::pow(10.0, scale(random))));
        ASSERT_TRUE(
            formatsLikePrintf(std::ldexp(static_cast<double>(mantissa(random) | 1), scale(random) * 3)));
        ASSERT_TRUE(
            formatsLikePrintf(std::ldexp(static_cast<double>(shortDigits(random) | 1), -scale(random) - 31)));
    }
}

// A random text in the grammar that the scanners share, with some trailing
// matter. `letter` is the exponent letter written into it.
std::string randomNumberText(std::mt19937_64& random, char letter) {
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto digits = [&](int count) {
        std::string out;
        for (int i = 0; i < count; ++i) {
            out.push_back(static_cast<char>('0' + pick(10)));
        }
        return out;
    };
    static const char* const spaces[] = {"", "", " ", "\t ", "\n"};
    static const char* const signs[] = {"", "", "-", "+"};
    static const char* const tails[] = {"", "", "abc", ",5", " 7", "#INF", "-", "+", ".", "e", "E+"};
    std::string text = spaces[pick(5)];
    text += signs[pick(4)];
    text += std::string(static_cast<std::size_t>(pick(3) == 0 ? pick(30) : 0), '0');
    text += digits(pick(25));
    if (pick(2) == 0) {
        text += '.';
        text += std::string(static_cast<std::size_t>(pick(3) == 0 ? pick(340) : 0), '0');
        text += digits(pick(25));
    }
    if (pick(2) == 0) {
        text += letter;
        text += signs[pick(4)];
        text += digits(pick(5) == 0 ? pick(25) : pick(4));
    }
    text += tails[pick(11)];
    return text;
}

TEST_F(CLocaleReference, ScansLikeStrtod) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 200000; ++i) {
        const std::string text = randomNumberText(random, (i & 1) != 0 ? 'e' : 'E');
        char* end = nullptr;
        const double reference = std::strtod(text.c_str(), &end);
        const std::optional<double> expected =
            end == text.c_str() ? std::nullopt : std::optional<double>(reference);
        ASSERT_TRUE(sameScan(numtext::scanDouble(text), expected)) << '"' << text << '"';
    }
}

TEST_F(CLocaleReference, ReadsNumbersLikeStrtodWithDExponents) {
    std::mt19937_64 random(11);
    static const char letters[] = {'e', 'E', 'd', 'D'};
    for (int i = 0; i < 100000; ++i) {
        const char letter = letters[i % 4];
        const std::string text = randomNumberText(random, letter);
        std::string asC = text;
        if (letter == 'd' || letter == 'D') {
            const std::size_t at = asC.find(letter);
            if (at != std::string::npos) {
                asC[at] = 'e';
            }
        }
        const double expected = std::strtod(asC.c_str(), nullptr);
        ASSERT_TRUE(sameDouble(numtext::readNumber(text), expected)) << '"' << text << '"';
    }
}

TEST_F(CLocaleReference, IntegersAgreeWithStrtolWithinRange) {
    std::mt19937_64 random(3);
    for (int i = 0; i < 100000; ++i) {
        const std::string text = randomNumberText(random, 'e');
        char* end = nullptr;
        const long reference = std::strtol(text.c_str(), &end, 10);
        const int clamped = static_cast<int>(std::clamp<long>(reference, INT_MIN, INT_MAX));
        ASSERT_EQ(numtext::readInteger(text), clamped) << '"' << text << '"';
        const std::optional<int> expected = end == text.c_str() ? std::nullopt : std::optional<int>(clamped);
        ASSERT_EQ(numtext::scanInt(text), expected) << '"' << text << '"';
    }
}

}  // namespace
