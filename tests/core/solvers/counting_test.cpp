// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <gtest/gtest.h>

#include <string>

#include "core/solvers/permutation.h"
#include "core/solvers/the_combination.h"
#include "support/fake_host.h"

namespace {

template <class T>
const FieldLayout kCountLayout{{T::kN, T::kR}, {T::kResult}};
constexpr int kCombine = TheCombination::kCalculate;
constexpr int kPermute = Permutation::kCalculate;

class Combination : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(Combination, Calculate) {
    OpenTool<TheCombination> tool;
    expectWorkedCase(tool, kCountLayout<TheCombination>, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, Combination,
                         ::testing::Values(WorkedCase{"FiveTwo", {"5", "2"}, kCombine, {"10"}},
                                           WorkedCase{"TenThree", {"10", "3"}, kCombine, {"120"}},
                                           WorkedCase{"Poker", {"52", "5"}, kCombine, {"2598960"}},
                                           WorkedCase{"FiveOne", {"5", "1"}, kCombine, {"5"}},
                                           // Factorial(0) is 0, so the divisor is 0.
                                           WorkedCase{"FiveNone", {"5", "0"}, kCombine, {"1.#INF"}},
                                           WorkedCase{"FiveAll", {"5", "5"}, kCombine, {"1.#INF"}},
                                           WorkedCase{"NothingOfNothing", {"0", "0"}, kCombine, {"-1.#IND"}},
                                           WorkedCase{"MoreThanThere", {"3", "5"}, kCombine, {"-0.025"}},
                                           WorkedCase{"Fractional", {"4.5", "2"}, kCombine, {"7.875"}},
                                           WorkedCase{"OverflowOnTop", {"171", "170"}, kCombine, {"1.#INF"}},
                                           WorkedCase{
                                               "OverflowEverywhere", {"172", "171"}, kCombine, {"-1.#IND"}},
                                           WorkedCase{"HugeN", {"1e300", "2"}, kCombine, {"-1.#IND"}},
                                           WorkedCase{"InfiniteN", {"1e999", "3"}, kCombine, {"-1.#IND"}}),
                         workedCaseName);

class Permute : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(Permute, Calculate) {
    OpenTool<Permutation> tool;
    expectWorkedCase(tool, kCountLayout<Permutation>, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, Permute,
                         ::testing::Values(WorkedCase{"FiveTwo", {"5", "2"}, kPermute, {"20"}},
                                           WorkedCase{"TenThree", {"10", "3"}, kPermute, {"720"}},
                                           WorkedCase{"Poker", {"52", "5"}, kPermute, {"311875200"}},
                                           WorkedCase{"FiveFive", {"5", "5"}, kPermute, {"120"}},
                                           WorkedCase{"FiveOne", {"5", "1"}, kPermute, {"5"}},
                                           WorkedCase{"FiveNone", {"5", "0"}, kPermute, {"5"}},
                                           WorkedCase{"FiveNegative", {"5", "-2"}, kPermute, {"5"}},
                                           WorkedCase{"FractionalCountsUp", {"5", "2.5"}, kPermute, {"60"}},
                                           // 3 * 2 * 1 * 0 * -1: the last factor leaves a negative zero.
                                           WorkedCase{"MoreThanThere", {"3", "5"}, kPermute, {"-0"}},
                                           WorkedCase{"NothingOfNothing", {"0", "0"}, kPermute, {"0"}},
                                           WorkedCase{"HugeNSmallR", {"1e300", "3"}, kPermute, {"1.#INF"}},
                                           WorkedCase{"FractionalN", {"2.5", "3"}, kPermute, {"1.875"}},
                                           // The counter never leaves 1e300, and the sign keeps flipping.
                                           WorkedCase{"HugeR", {"7.5", "1e300"}, kPermute, {"1.#INF"}},
                                           WorkedCase{"InfiniteR", {"5", "1e999"}, kPermute, {"0"}},
                                           WorkedCase{"InfiniteN", {"1e999", "2"}, kPermute, {"1.#INF"}},
                                           WorkedCase{
                                               "NegativeInfiniteN", {"-1e999", "3"}, kPermute, {"-1.#INF"}}),
                         workedCaseName);

TEST(Permutation, ResultCarriedOverReadsBackAsOne) {
    using enum Permutation::Control;
    OpenTool<Permutation> tool;
    tool.type(kN, "1e300");
    tool.type(kR, "3");
    tool.click(kCalculate);
    ASSERT_EQ("1.#INF", tool.field(kResult));
    tool.type(kN, "1.#INF");
    tool.click(kCalculate);
    EXPECT_EQ("1", tool.field(kN));
    EXPECT_EQ("-0", tool.field(kResult));  // 1 * 0 * -1
}

template <class T>
void clearReadsThenZeroes() {
    OpenTool<T> tool;
    tool.type(T::kN, "5");
    tool.type(T::kR, "2");
    tool.type(T::kResult, "n/a");
    ASSERT_TRUE(tool.click(T::kClear));
    EXPECT_EQ(std::vector<std::string>{"Please enter a number."}, tool.host.messages);
    EXPECT_EQ(std::vector<int>{T::kResult}, tool.host.focused);
    EXPECT_EQ(std::vector<std::string>(3, "0"), tool.fields());
}

TEST(Counting, ClearReadsThenZeroes) {
    clearReadsThenZeroes<TheCombination>();
    clearReadsThenZeroes<Permutation>();
}

TEST(Counting, RefusedRStillComputesWithTheOldR) {
    using enum TheCombination::Control;
    OpenTool<TheCombination> tool;
    tool.type(kN, "10");
    tool.type(kR, "3");
    tool.click(kCalculate);
    tool.type(kN, "52");
    tool.type(kR, "five");
    tool.click(kCalculate);
    EXPECT_EQ(std::vector<std::string>{"Please enter a number."}, tool.host.messages);
    EXPECT_EQ("3", tool.field(kR));
    EXPECT_EQ("22100", tool.field(kResult));  // C(52, 3)
}

}  // namespace
