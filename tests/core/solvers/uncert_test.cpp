// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <gtest/gtest.h>

#include <string>

#include "core/solvers/uncert.h"
#include "support/fake_host.h"

namespace {

using enum Uncert::Control;

// Each button reads only its own row; the other row holds the decoys 7 and 9.
const FieldLayout kUncertLayout{{kValue1, kPercent1, kValue2, kAbsUncertainty2}, {kResult}};

class UncertResult : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(UncertResult, IsShownInTheSharedField) {
    OpenTool<Uncert> tool;
    expectWorkedCase(tool, kUncertLayout, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UncertResult,
    ::testing::Values(
        WorkedCase{"AbsoluteFromPercent", {"200", "50", "7", "9"}, kCalcAbsUncertainty, {"100"}},
        WorkedCase{"AbsoluteOfNegative", {"-40", "2.5", "7", "9"}, kCalcAbsUncertainty, {"-1"}},
        WorkedCase{"PercentFromAbsolute", {"7", "9", "40", "2"}, kCalcPercentUncertainty, {"5"}},
        WorkedCase{"PercentRepeating", {"7", "9", "3", "0.5"}, kCalcPercentUncertainty, {"16.6666666666667"}},
        WorkedCase{"PercentOfZeroValue", {"7", "9", "0", "2"}, kCalcPercentUncertainty, {"1.#INF"}},
        WorkedCase{"PercentOfZeroValueNegative", {"7", "9", "0", "-2"}, kCalcPercentUncertainty, {"-1.#INF"}},
        WorkedCase{"PercentZeroOverZero", {"7", "9", "0", "0"}, kCalcPercentUncertainty, {"-1.#IND"}}),
    workedCaseName);

TEST(Uncert, LastButtonDecidesTheResult) {
    OpenTool<Uncert> tool;
    tool.type(kValue1, "200");
    tool.type(kPercent1, "50");
    tool.type(kValue2, "40");
    tool.type(kAbsUncertainty2, "2");
    tool.click(kCalcAbsUncertainty);
    EXPECT_EQ("100", tool.field(kResult));
    tool.click(kCalcPercentUncertainty);
    EXPECT_EQ("5", tool.field(kResult));
    tool.click(kCalcAbsUncertainty);
    EXPECT_EQ("100", tool.field(kResult));
}

TEST(Uncert, PercentIsDividedBeforeMultiplying) {
    OpenTool<Uncert> tool;
    tool.type(kValue1, "3");
    tool.type(kPercent1, "10");
    tool.click(kCalcAbsUncertainty);
    // (10 / 100) * 3, not 10 * 3 / 100 = 0.3
    EXPECT_EQ(0.1 * 3, tool.value(kResult));
    EXPECT_EQ("0.3", tool.field(kResult));
}

TEST(Uncert, ClearDataDoesNotRead) {
    OpenTool<Uncert> tool;
    tool.type(kValue1, "abc");
    tool.type(kPercent1, "12");
    tool.type(kValue2, "");
    tool.type(kAbsUncertainty2, "-");
    tool.type(kResult, "result?");
    ASSERT_TRUE(tool.click(kClearData));
    EXPECT_TRUE(tool.host.messages.empty());
    EXPECT_TRUE(tool.host.focused.empty());
    EXPECT_EQ(std::vector<std::string>(5, "0"), tool.fields());
}

TEST(Uncert, RefusedValueShowsTheMessageAndKeepsTheOldValue) {
    OpenTool<Uncert> tool;
    tool.type(kValue1, "200");
    tool.type(kPercent1, "50");
    tool.click(kCalcAbsUncertainty);
    tool.type(kValue1, "x");
    tool.type(kPercent1, "10");
    tool.click(kCalcAbsUncertainty);
    ASSERT_EQ(std::vector<std::string>{"Please enter a number."}, tool.host.messages);
    // The first value was refused, so its percentage was never read either: same result as before.
    EXPECT_EQ("200", tool.field(kValue1));
    EXPECT_EQ("50", tool.field(kPercent1));
    EXPECT_EQ("100", tool.field(kResult));
}

}  // namespace
