#include <gtest/gtest.h>

#include <string>

#include "core/solvers/permutation.h"
#include "core/solvers/the_combination.h"
#include "support/fake_host.h"

namespace {

struct CountCase {
    const char* name;
    const char* n;
    const char* r;
    const char* result;
};

template <class T>
std::string calculate(const CountCase& c) {
    OpenTool<T> tool;
    tool.type(T::kN, c.n);
    tool.type(T::kR, c.r);
    EXPECT_TRUE(tool.click(T::kCalculate));
    EXPECT_TRUE(tool.host.messages.empty());
    return tool.field(T::kResult);
}

class Combination : public ::testing::TestWithParam<CountCase> {};

TEST_P(Combination, Calculate) {
    EXPECT_EQ(GetParam().result, calculate<TheCombination>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Combination,
    ::testing::Values(
        CountCase{"FiveTwo", "5", "2", "10"}, CountCase{"TenThree", "10", "3", "120"},
        CountCase{"Poker", "52", "5", "2598960"}, CountCase{"FiveOne", "5", "1", "5"},
        // Factorial(0) is 0, so the divisor is 0.
        CountCase{"FiveNone", "5", "0", "1.#INF"}, CountCase{"FiveAll", "5", "5", "1.#INF"},
        CountCase{"NothingOfNothing", "0", "0", "-1.#IND"}, CountCase{"MoreThanThere", "3", "5", "-0.025"},
        CountCase{"Fractional", "4.5", "2", "7.875"}, CountCase{"OverflowOnTop", "171", "170", "1.#INF"},
        CountCase{"OverflowEverywhere", "172", "171", "-1.#IND"}, CountCase{"HugeN", "1e300", "2", "-1.#IND"},
        CountCase{"InfiniteN", "1e999", "3", "-1.#IND"}),
    [](const auto& info) { return std::string(info.param.name); });

class Permute : public ::testing::TestWithParam<CountCase> {};

TEST_P(Permute, Calculate) {
    EXPECT_EQ(GetParam().result, calculate<Permutation>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Permute,
    ::testing::Values(
        CountCase{"FiveTwo", "5", "2", "20"}, CountCase{"TenThree", "10", "3", "720"},
        CountCase{"Poker", "52", "5", "311875200"}, CountCase{"FiveFive", "5", "5", "120"},
        CountCase{"FiveOne", "5", "1", "5"}, CountCase{"FiveNone", "5", "0", "5"},
        CountCase{"FiveNegative", "5", "-2", "5"}, CountCase{"FractionalCountsUp", "5", "2.5", "60"},
        // 3 * 2 * 1 * 0 * -1: the last factor leaves a negative zero.
        CountCase{"MoreThanThere", "3", "5", "-0"}, CountCase{"NothingOfNothing", "0", "0", "0"},
        CountCase{"HugeNSmallR", "1e300", "3", "1.#INF"}, CountCase{"FractionalN", "2.5", "3", "1.875"},
        // The counter never leaves 1e300, and the sign keeps flipping.
        CountCase{"HugeR", "7.5", "1e300", "1.#INF"}, CountCase{"InfiniteR", "5", "1e999", "0"},
        CountCase{"InfiniteN", "1e999", "2", "1.#INF"},
        CountCase{"NegativeInfiniteN", "-1e999", "3", "-1.#INF"}),
    [](const auto& info) { return std::string(info.param.name); });

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
