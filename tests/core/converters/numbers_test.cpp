// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/converters/numbers.h"
#include "support/fake_host.h"

namespace {

using enum Numbers::Control;

constexpr const char* kOutOfRange = "Number must be between 1 and 3999!";
constexpr const char* kNotANumeral = "Please enter a Roman numeral between I and MMMCMXCIX.";

struct ToRomanCase {
    const char* name;
    const char* arabic;
    const char* roman;  // nullptr: the range message, then both fields empty
};

void PrintTo(const ToRomanCase& c, std::ostream* os) {
    *os << c.name;
}

const ToRomanCase kToRomanCases[] = {
    {"One", "1", "I"},
    {"Four", "4", "IV"},
    {"Nine", "9", "IX"},
    {"Fourteen", "14", "XIV"},
    {"Forty", "40", "XL"},
    {"FortyNine", "49", "XLIX"},
    {"Ninety", "90", "XC"},
    {"NinetyNine", "99", "XCIX"},
    {"FourHundred", "400", "CD"},
    {"FourHundredFortyFour", "444", "CDXLIV"},
    {"NineHundredFortyFour", "944", "CMXLIV"},
    {"Year1994", "1994", "MCMXCIV"},
    {"Year2007", "2007", "MMVII"},
    {"Longest", "3888", "MMMDCCCLXXXVIII"},
    {"Largest", "3999", "MMMCMXCIX"},
    {"LeadingBlanks", "  7", "VII"},
    {"PlusSign", "+7", "VII"},
    {"TrailingWords", "7 apples", "VII"},
    {"TrailingLetters", "12abc", "XII"},
    {"FractionIsCutOff", "3999.9", "MMMCMXCIX"},
    {"ExponentIsNotRead", "1e3", "I"},
    {"LeadingZeros", "0007", "VII"},
    {"Zero", "0", nullptr},
    {"Negative", "-5", nullptr},
    {"JustAboveRange", "4000", nullptr},
    {"SaturatesAboveThirtyTwoBits", "99999999999", nullptr},
    {"SaturatesBelowThirtyTwoBits", "-99999999999", nullptr},
    {"TwoToTheThirtyTwoPlusSevenIsNotSeven", "4294967303", nullptr},
    {"NoNumber", "abc", nullptr},
    {"Empty", "", nullptr},
    {"RomanInTheArabicField", "MCM", nullptr},
    {"SignWithoutDigits", "- 5", nullptr},
};

class ToRoman : public testing::TestWithParam<ToRomanCase> {};

TEST_P(ToRoman, WritesTheNumeralOrShowsTheRangeMessage) {
    const ToRomanCase& c = GetParam();
    ToolSession session(makeTool<Numbers>);
    session.type(kRoman, "old text");
    session.type(kArabic, c.arabic);
    ASSERT_TRUE(session.click(kToRoman));
    if (c.roman != nullptr) {
        EXPECT_EQ(session.field(kRoman), c.roman);
        // The Arabic field keeps exactly what was typed.
        EXPECT_EQ(session.field(kArabic), c.arabic);
        EXPECT_TRUE(session.host.messages.empty());
    } else {
        EXPECT_EQ(session.host.messages, std::vector<std::string>{kOutOfRange});
        EXPECT_EQ(session.field(kRoman), "");
        EXPECT_EQ(session.field(kArabic), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Numbers, ToRoman, testing::ValuesIn(kToRomanCases),
                         [](const testing::TestParamInfo<ToRomanCase>& info) { return info.param.name; });

TEST(Numbers, OpensWithTwoEmptyFields) {
    ToolSession session(makeTool<Numbers>);
    EXPECT_EQ(session.field(kRoman), "");
    EXPECT_EQ(session.field(kArabic), "");
}

TEST(Numbers, PressingTwiceGivesTheSameNumeral) {
    ToolSession session(makeTool<Numbers>);
    session.type(kArabic, "2007");
    session.click(kToRoman);
    session.click(kToRoman);
    EXPECT_EQ(session.field(kRoman), "MMVII");
}

TEST(Numbers, ClearDataEmptiesBothFields) {
    ToolSession session(makeTool<Numbers>);
    session.type(kArabic, "12");
    session.click(kToRoman);
    ASSERT_TRUE(session.click(kClearData));
    EXPECT_EQ(session.field(kRoman), "");
    EXPECT_EQ(session.field(kArabic), "");
    EXPECT_TRUE(session.host.messages.empty());
}

struct ToArabicCase {
    const char* name;
    const char* roman;
    const char* arabic;  // nullptr: the numeral message, and no field changes
};

void PrintTo(const ToArabicCase& c, std::ostream* os) {
    *os << c.name;
}

const ToArabicCase kToArabicCases[] = {
    {"Year1994", "MCMXCIV", "1994"},
    {"LowerCase", "mcmxciv", "1994"},
    {"MixedCaseWithBlanks", "  xIv\t", "14"},
    {"One", "I", "1"},
    {"Largest", "MMMCMXCIX", "3999"},
    {"Longest", "MMMDCCCLXXXVIII", "3888"},
    {"FourOnes", "IIII", nullptr},
    {"OneBeforeHundred", "IC", nullptr},
    {"FourThousand", "MMMM", nullptr},
    {"NotLetters", "ABC", nullptr},
    {"Empty", "", nullptr},
    {"Blanks", "   ", nullptr},
    {"ArabicDigits", "12", nullptr},
    {"NumeralAndWord", "XII apples", nullptr},
};

class ToArabic : public testing::TestWithParam<ToArabicCase> {};

TEST_P(ToArabic, ReadsAStandardNumeralOrChangesNothing) {
    const ToArabicCase& c = GetParam();
    ToolSession session(makeTool<Numbers>);
    session.type(kRoman, c.roman);
    session.type(kArabic, "untouched");
    ASSERT_TRUE(session.click(kToArabic));
    // The Roman field stays as typed either way.
    EXPECT_EQ(session.field(kRoman), c.roman);
    if (c.arabic != nullptr) {
        EXPECT_EQ(session.field(kArabic), c.arabic);
        EXPECT_TRUE(session.host.messages.empty());
    } else {
        EXPECT_EQ(session.field(kArabic), "untouched");
        EXPECT_EQ(session.host.messages, std::vector<std::string>{kNotANumeral});
    }
}

INSTANTIATE_TEST_SUITE_P(Numbers, ToArabic, testing::ValuesIn(kToArabicCases),
                         [](const testing::TestParamInfo<ToArabicCase>& info) { return info.param.name; });

TEST(Numbers, BothArrowsRoundTrip) {
    ToolSession session(makeTool<Numbers>);
    session.type(kArabic, "944");
    session.click(kToRoman);
    session.type(kArabic, "");
    session.click(kToArabic);
    EXPECT_EQ(session.field(kArabic), "944");
    EXPECT_EQ(session.field(kRoman), "CMXLIV");
}

}  // namespace
