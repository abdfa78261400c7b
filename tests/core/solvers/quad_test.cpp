// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <gtest/gtest.h>

#include <string>

#include "core/solvers/quad.h"
#include "support/fake_host.h"

namespace {

using enum Quad::Control;

const FieldLayout kQuadLayout{{kA, kB, kC}, {kRoot1, kRoot2}};

class QuadRoots : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(QuadRoots, PlusSolutionGoesLeft) {
    OpenTool<Quad> quad;
    expectWorkedCase(quad, kQuadLayout, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Equations, QuadRoots,
    ::testing::Values(WorkedCase{"TwoRoots", {"1", "-3", "2"}, kFindRoots, {"2", "1"}},
                      WorkedCase{"DoubleRoot", {"1", "2", "1"}, kFindRoots, {"-1", "-1"}},
                      WorkedCase{"NegativeDiscriminant", {"1", "0", "1"}, kFindRoots, {"-1.#IND", "-1.#IND"}},
                      WorkedCase{"LinearDividesByZero", {"0", "2", "4"}, kFindRoots, {"-1.#IND", "-1.#INF"}},
                      WorkedCase{
                          "LinearPositiveInfinity", {"0", "-2", "4"}, kFindRoots, {"1.#INF", "-1.#IND"}},
                      WorkedCase{"NegativeLeading", {"-1", "0", "4"}, kFindRoots, {"-2", "2"}},
                      WorkedCase{"AllZero", {"0", "0", "0"}, kFindRoots, {"-1.#IND", "-1.#IND"}},
                      WorkedCase{"ScientificRoots", {"1", "-1e20", "1"}, kFindRoots, {"1e+020", "0"}}),
    workedCaseName);

TEST(Quad, DiscriminantTakesFourTimesAFirst) {
    // (a * 4) * c overflows where a * (4 * c) would not.
    OpenTool<Quad> quad;
    quad.type(kA, "5e307");
    quad.type(kB, "0");
    quad.type(kC, "-0.25");
    quad.click(kFindRoots);
    EXPECT_EQ("1.#INF", quad.field(kRoot1));
    EXPECT_EQ("-1.#INF", quad.field(kRoot2));
}

TEST(Quad, ClearDataZeroesAllFive) {
    OpenTool<Quad> quad;
    quad.type(kA, "1");
    quad.type(kB, "-3");
    quad.type(kC, "2");
    quad.click(kFindRoots);
    quad.click(kClearData);
    EXPECT_EQ(std::vector<std::string>(5, "0"), quad.fields());
}

}  // namespace
