#include <gtest/gtest.h>

#include <string>

#include "core/solvers/bend.h"
#include "support/fake_host.h"

namespace {

struct BendCase {
    const char* name;
    const char* radius;
    const char* thickness;
    const char* angle;
    const char* allowance;
    const char* neutralAxis;
    const char* rightAngle;
    const char* perDegree;
};

class BendAllowance : public ::testing::TestWithParam<BendCase> {};

TEST_P(BendAllowance, ShowsTheChain) {
    const BendCase& c = GetParam();
    OpenTool<Bend> bend;
    bend.type(Bend::kRadius, c.radius);
    bend.type(Bend::kThickness, c.thickness);
    bend.type(Bend::kAngle, c.angle);
    ASSERT_TRUE(bend.click(Bend::kCalculate));
    EXPECT_EQ(c.allowance, bend.field(Bend::kBendAllowance));
    EXPECT_EQ(c.neutralAxis, bend.field(Bend::kNeutralAxis));
    EXPECT_EQ(c.rightAngle, bend.field(Bend::kRightAngleBend));
    EXPECT_EQ(c.perDegree, bend.field(Bend::kPerDegree));
}

INSTANTIATE_TEST_SUITE_P(
    Bends, BendAllowance,
    ::testing::Values(BendCase{"RightAngle", "2", "3", "90", "4.7124", "3", "4.7124", "0.05236"},
                      BendCase{"ThirdOfHalf", "1", "0.5", "45", "0.9163", "1.16666666666667", "1.8326",
                               "0.0203622222222222"},
                      BendCase{"Thirty", "0.25", "1.5", "30", "0.3927", "0.75", "1.1781", "0.01309"},
                      BendCase{"AllZero", "0", "0", "0", "0", "0", "0", "0"},
                      BendCase{"NegativeAngle", "2", "3", "-180", "-9.4248", "3", "4.7124", "0.05236"}),
    [](const auto& info) { return std::string(info.param.name); });

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
