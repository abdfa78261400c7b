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
    tool.type(1010, c.n);
    tool.type(1011, c.r);
    EXPECT_TRUE(tool.click(1000));
    EXPECT_TRUE(tool.host.messages.empty());
    return tool.field(1012);
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
    OpenTool<Permutation> tool;
    tool.type(1010, "1e300");
    tool.type(1011, "3");
    tool.click(1000);
    ASSERT_EQ("1.#INF", tool.field(1012));
    tool.type(1010, "1.#INF");
    tool.click(1000);
    EXPECT_EQ(1.0, tool.tool.m_n);
    EXPECT_EQ("-0", tool.field(1012));  // 1 * 0 * -1
}

TEST(Counting, ClearReadsThenZeroes) {
    OpenTool<TheCombination> combination;
    OpenTool<Permutation> permutation;
    for (FakeHost* host : {&combination.host, &permutation.host}) {
        host->texts[1010] = "5";
        host->texts[1011] = "2";
        host->texts[1012] = "n/a";
    }
    ASSERT_TRUE(combination.click(1001));
    ASSERT_TRUE(permutation.click(1001));
    for (FakeHost* host : {&combination.host, &permutation.host}) {
        EXPECT_EQ(std::vector<std::string>{"Please enter a number."}, host->messages);
        EXPECT_EQ(std::vector<int>{1012}, host->focused);
        for (const int id : {1010, 1011, 1012}) {
            EXPECT_EQ("0", (*host)[id]) << id;
        }
    }
}

TEST(Counting, RefusedRStillComputesWithTheOldR) {
    OpenTool<TheCombination> tool;
    tool.type(1010, "10");
    tool.type(1011, "3");
    tool.click(1000);
    tool.type(1010, "52");
    tool.type(1011, "five");
    tool.click(1000);
    EXPECT_EQ(std::vector<std::string>{"Please enter a number."}, tool.host.messages);
    EXPECT_EQ("3", tool.field(1011));
    EXPECT_EQ("22100", tool.field(1012));  // C(52, 3)
}

}  // namespace
