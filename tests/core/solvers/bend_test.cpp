// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <gtest/gtest.h>

#include <string>

#include "core/solvers/bend.h"
#include "support/fake_host.h"

namespace {

const FieldLayout kBendLayout{
    {Bend::kRadius, Bend::kThickness, Bend::kAngle},
    {Bend::kBendAllowance, Bend::kNeutralAxis, Bend::kRightAngleBend, Bend::kPerDegree}};

class BendAllowance : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(BendAllowance, ShowsTheChain) {
    OpenTool<Bend> bend;
    expectWorkedCase(bend, kBendLayout, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Bends, BendAllowance,
    ::testing::Values(
        WorkedCase{"RightAngle", {"2", "3", "90"}, Bend::kCalculate, {"4.7124", "3", "4.7124", "0.05236"}},
        WorkedCase{"ThirdOfHalf",
                   {"1", "0.5", "45"},
                   Bend::kCalculate,
                   {"0.9163", "1.16666666666667", "1.8326", "0.0203622222222222"}},
        WorkedCase{
            "Thirty", {"0.25", "1.5", "30"}, Bend::kCalculate, {"0.3927", "0.75", "1.1781", "0.01309"}},
        WorkedCase{"AllZero", {"0", "0", "0"}, Bend::kCalculate, {"0", "0", "0", "0"}},
        WorkedCase{
            "NegativeAngle", {"2", "3", "-180"}, Bend::kCalculate, {"-9.4248", "3", "4.7124", "0.05236"}}),
    workedCaseName);

TEST(Bend, UsesTheRoundedConstants) {
    OpenTool<Bend> bend;
    bend.type(Bend::kRadius, "0");
    bend.type(Bend::kThickness, "1");
    bend.type(Bend::kAngle, "90");
    bend.click(Bend::kCalculate);
    EXPECT_EQ(1.0 / 3.0, bend.value(Bend::kNeutralAxis));
    EXPECT_EQ((1.0 / 3.0) * 1.5708, bend.value(Bend::kRightAngleBend));

    bend.type(Bend::kRadius, "1");
    bend.type(Bend::kThickness, "0");
    bend.click(Bend::kCalculate);
    EXPECT_EQ(1.5708, bend.value(Bend::kRightAngleBend));  // not pi / 2
    EXPECT_EQ(1.5708 / 90 * 90, bend.value(Bend::kBendAllowance));
}

TEST(Bend, ClearDataReadsAndZeroes) {
    OpenTool<Bend> bend;
    bend.type(Bend::kRadius, "2");
    bend.type(Bend::kThickness, "3");
    bend.type(Bend::kAngle, "90");
    bend.click(Bend::kCalculate);
    bend.type(Bend::kThickness, "thick");
    bend.click(Bend::kClearData);
    EXPECT_EQ(std::vector<std::string>{"Please enter a number."}, bend.host.messages);
    EXPECT_EQ(std::vector<int>{Bend::kThickness}, bend.host.focused);
    EXPECT_EQ(std::vector<std::string>(7, "0"), bend.fields());
}

}  // namespace
