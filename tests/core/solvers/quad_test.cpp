#include <gtest/gtest.h>

#include <string>

#include "core/solvers/quad.h"
#include "support/fake_host.h"

namespace {

struct QuadCase {
    const char* name;
    const char* a;
    const char* b;
    const char* c;
    const char* plus;
    const char* minus;
};

class QuadRoots : public ::testing::TestWithParam<QuadCase> {};

TEST_P(QuadRoots, PlusSolutionGoesLeft) {
    const QuadCase& c = GetParam();
    OpenTool<Quad> quad;
    quad.type(Quad::kA, c.a);
    quad.type(Quad::kB, c.b);
    quad.type(Quad::kC, c.c);
    ASSERT_TRUE(quad.click(Quad::kFindRoots));
    EXPECT_EQ(c.plus, quad.field(Quad::kRoot1));
    EXPECT_EQ(c.minus, quad.field(Quad::kRoot2));
    EXPECT_TRUE(quad.host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Equations, QuadRoots,
    ::testing::Values(QuadCase{"TwoRoots", "1", "-3", "2", "2", "1"},
                      QuadCase{"DoubleRoot", "1", "2", "1", "-1", "-1"},
                      QuadCase{"NegativeDiscriminant", "1", "0", "1", "-1.#IND", "-1.#IND"},
                      QuadCase{"LinearDividesByZero", "0", "2", "4", "-1.#IND", "-1.#INF"},
                      QuadCase{"LinearPositiveInfinity", "0", "-2", "4", "1.#INF", "-1.#IND"},
                      QuadCase{"NegativeLeading", "-1", "0", "4", "-2", "2"},
                      QuadCase{"AllZero", "0", "0", "0", "-1.#IND", "-1.#IND"},
                      QuadCase{"ScientificRoots", "1", "-1e20", "1", "1e+020", "0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Quad, DiscriminantTakesFourTimesAFirst) {
    // (a * 4) * c overflows where a * (4 * c) would not.
    OpenTool<Quad> quad;
    quad.type(Quad::kA, "5e307");
    quad.type(Quad::kB, "0");
    quad.type(Quad::kC, "-0.25");
    quad.click(Quad::kFindRoots);
    EXPECT_EQ("1.#INF", quad.field(Quad::kRoot1));
    EXPECT_EQ("-1.#INF", quad.field(Quad::kRoot2));
}

TEST(Quad, ClearDataZeroesAllFive) {
    OpenTool<Quad> quad;
    quad.type(Quad::kA, "1");
    quad.type(Quad::kB, "-3");
    quad.type(Quad::kC, "2");
    quad.click(Quad::kFindRoots);
    quad.click(Quad::kClearData);
    EXPECT_EQ(std::vector<std::string>(5, "0"), quad.fields());
}

}  // namespace
