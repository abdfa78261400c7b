// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/converters/roman.h"

namespace {

struct NumeralCase {
    int value;
    const char* numeral;
};

const NumeralCase kNumerals[] = {
    {1, "I"},
    {3, "III"},
    {4, "IV"},
    {5, "V"},
    {8, "VIII"},
    {9, "IX"},
    {14, "XIV"},
    {40, "XL"},
    {49, "XLIX"},
    {90, "XC"},
    {99, "XCIX"},
    {400, "CD"},
    {444, "CDXLIV"},
    {944, "CMXLIV"},
    {1994, "MCMXCIV"},
    {2007, "MMVII"},
    {3888, "MMMDCCCLXXXVIII"},
    {3999, "MMMCMXCIX"},
};

TEST(Roman, WritesTheSubtractiveNumerals) {
    for (const NumeralCase& c : kNumerals) {
        EXPECT_EQ(roman::write(c.value), c.numeral) << c.value;
        EXPECT_EQ(roman::read(c.numeral), c.value) << c.numeral;
    }
}

TEST(Roman, WritesNothingOutsideItsRange) {
    for (const int n : {0, -1, -3999, 4000, 4001, 2147483647, -2147483647 - 1}) {
        EXPECT_EQ(roman::write(n), "") << n;
    }
}

TEST(Roman, ReadsBackEveryNumeralItWrites) {
    std::size_t longest = 0;
    for (int n = 1; n <= 3999; ++n) {
        const std::string numeral = roman::write(n);
        longest = std::max(longest, numeral.size());
        ASSERT_EQ(roman::read(numeral), n) << numeral;
    }
    EXPECT_EQ(longest, 15u);
}

TEST(Roman, ReadsBlanksAroundAndLowerCase) {
    EXPECT_EQ(roman::read("  mcmxciv "), 1994);
    EXPECT_EQ(roman::read("\tMcMxCiV\r\n"), 1994);
    EXPECT_EQ(roman::read("xii"), 12);
}

TEST(Roman, RefusesWhatIsNotAStandardNumeral) {
    const char* const refused[] = {
        "",    "   ", "IIII", "IC",  "MMMM",       "ABC",        "VX",   "IL",   "XM",  "VV",   "LL",  "DD",
        "IIV", "IXI", "XCX",  "CMC", "CDC",        "XIIII",      "MCMC", "I I",  "I.",  "0",    "12",  "-I",
        "+V",  "IVI", "CCCC", "DCD", "MMMCMXCIXI", "MMMMCMXCIX", "iiii", "XXXX", "LXL", "CMCM", "IXX",
    };
    for (const char* text : refused) {
        EXPECT_EQ(roman::read(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(Roman, ReadsOnlyTheCanonicalSpellings) {
    // Every string of up to five numeral letters: it reads as n exactly when it
    // is write(n), and every numeral of that length is found.
    const std::string letters = "IVXLCDM";
    std::vector<std::string> level{""};
    int accepted = 0;
    for (int length = 1; length <= 5; ++length) {
        std::vector<std::string> next;
        for (const std::string& prefix : level) {
            for (const char letter : letters) {
                next.push_back(prefix + letter);
            }
        }
        for (const std::string& text : next) {
            const std::optional<int> value = roman::read(text);
            if (value) {
                ++accepted;
                ASSERT_EQ(roman::write(*value), text);
            }
        }
        level = std::move(next);
    }
    int expected = 0;
    for (int n = 1; n <= 3999; ++n) {
        expected += roman::write(n).size() <= 5 ? 1 : 0;
    }
    EXPECT_EQ(accepted, expected);
}

TEST(Roman, RefusesOverlongAndNonLetterInput) {
    EXPECT_EQ(roman::read(std::string(1000, 'M')), std::nullopt);
    EXPECT_EQ(roman::read(std::string("X\0I", 3)), std::nullopt);
    EXPECT_EQ(roman::read("\xC3\x89"), std::nullopt);
}

}  // namespace
