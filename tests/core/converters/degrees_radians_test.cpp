// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/converters/degrees_radians.h"
#include "support/fake_host.h"

namespace {

using enum DegreesRadians::Control;

struct AngleCase {
    const char* name;
    const char* degrees;
    const char* radians;
    const char* revolutions;
    double expectedDegrees;
    double expectedRadians;
    double expectedRevolutions;
};

void PrintTo(const AngleCase& c, std::ostream* os) {
    *os << c.name;
}

// Pi is 3.14 and a radian 0.159 revolutions; only values above zero convert.
const AngleCase kCases[] = {
    {"Degrees90", "90", "0", "0", 90, 1.57, 0.24963000000000002},
    {"Degrees180", "180", "0", "0", 180, 3.14, 0.49926000000000004},
    {"Degrees360IsNotOneRevolution", "360", "0", "0", 360, 6.28, 0.9985200000000001},
    {"DegreesMultiplyBeforeDividing", "0.1", "0", "0", 0.1, 0.0017444444444444447, 0.0002773666666666667},
    {"Radians1", "0", "1", "0", 57.324840764331206, 1, 0.159},
    {"RadiansMultiplyBeforeDividing", "0", "1.5", "0", 85.9872611464968, 1.5, 0.2385},
    {"DegreesWinOverRadians", "45", "99", "0", 45, 0.785, 0.12481500000000001},
    {"NegativeDegreesGiveWayToRadians", "-90", "1", "0", 57.324840764331206, 1, 0.159},
    {"NegativeDegreesAndZeroRadiansConvertNothing", "-90", "0", "5", -90, 0, 5},
    {"BothZeroConvertNothing", "0", "0", "7.5", 0, 0, 7.5},
    {"BothNegativeConvertNothing", "-1", "-2", "3", -1, -2, 3},
    {"NegativeZeroIsNotAboveZero", "-0", "-0", "1", -0.0, -0.0, 1},
};

class AngleConversion : public testing::TestWithParam<AngleCase> {};

TEST_P(AngleConversion, ConvertsByTheStrictlyPositiveRule) {
    const AngleCase& c = GetParam();
    ToolSession session(makeTool<DegreesRadians>);
    session.type(kDegrees, c.degrees);
    session.type(kRadians, c.radians);
    session.type(kRevolutions, c.revolutions);
    ASSERT_TRUE(session.click(kConvert));
    EXPECT_EQ(session.value(kDegrees), c.expectedDegrees);
    EXPECT_EQ(session.value(kRadians), c.expectedRadians);
    EXPECT_EQ(session.value(kRevolutions), c.expectedRevolutions);
    EXPECT_TRUE(session.host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(DegreesRadians, AngleConversion, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<AngleCase>& info) { return info.param.name; });

TEST(DegreesRadians, OpensWithThreeZeros) {
    ToolSession session(makeTool<DegreesRadians>);
    EXPECT_EQ(session.fields(), (std::vector<std::string>{"0", "0", "0"}));
}

TEST(DegreesRadians, ShowsFifteenDigitTexts) {
    ToolSession session(makeTool<DegreesRadians>);
    session.type(kDegrees, "90");
    session.click(kConvert);
    EXPECT_EQ(session.field(kRadians), "1.57");
    EXPECT_EQ(session.field(kRevolutions), "0.24963");
}

TEST(DegreesRadians, ClearDataZeroesAllThree) {
    ToolSession session(makeTool<DegreesRadians>);
    session.type(kDegrees, "90");
    session.click(kConvert);
    ASSERT_TRUE(session.click(kClearData));
    EXPECT_EQ(session.fields(), (std::vector<std::string>{"0", "0", "0"}));
}

TEST(DegreesRadians, WordInDegreesLeavesTheOldDegreesToConvert) {
    // Exchange order degrees, radians, revolutions: the refusal in the degrees field stops
    // the read, so the radians typed after it are not taken either.
    ToolSession session(makeTool<DegreesRadians>);
    session.type(kDegrees, "180");
    session.click(kConvert);
    session.type(kDegrees, "abc");
    session.type(kRadians, "1");
    session.click(kConvert);
    EXPECT_EQ(session.host.messages, std::vector<std::string>{"Please enter a number."});
    EXPECT_EQ(session.host.focused, std::vector<int>{kDegrees});
    EXPECT_EQ(session.field(kDegrees), "180");
    EXPECT_EQ(session.field(kRadians), "3.14");
}

TEST(DegreesRadians, WordInRevolutionsIsReplacedEvenWhenNothingConverts) {
    ToolSession session(makeTool<DegreesRadians>);
    session.type(kRevolutions, "word");
    session.click(kConvert);
    EXPECT_EQ(session.host.messages, std::vector<std::string>{"Please enter a number."});
    EXPECT_EQ(session.field(kRevolutions), "0");
}

}  // namespace
