#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "core/solvers/geo.h"
#include "support/fake_host.h"

namespace {

struct LineCase {
    const char* name;
    std::array<const char*, 4> points;  // x1, y1, x2, y2 as typed
    // slope, intercept through point 1, through point 2, distance, midpoint x, y
    std::array<const char*, 6> shown;
};

using enum Geo::Control;

constexpr std::array<int, 4> kInputs{kX1, kY1, kX2, kY2};
constexpr std::array<int, 6> kOutputs{kSlope, kIntercept1, kIntercept2, kDistance, kMidX, kMidY};

class GeoCalculate : public ::testing::TestWithParam<LineCase> {};

TEST_P(GeoCalculate, ShowsEveryResult) {
    const LineCase& c = GetParam();
    OpenTool<Geo> geo;
    for (std::size_t i = 0; i < kInputs.size(); ++i) {
        geo.type(kInputs[i], c.points[i]);
    }
    ASSERT_TRUE(geo.click(kCalculate));
    for (std::size_t i = 0; i < kOutputs.size(); ++i) {
        SCOPED_TRACE(kOutputs[i]);
        EXPECT_EQ(c.shown[i], geo.field(kOutputs[i]));
    }
    EXPECT_TRUE(geo.host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, GeoCalculate,
    ::testing::Values(
        LineCase{"Rising", {"1", "2", "3", "6"}, {"2", "0", "0", "4.47213595499958", "2", "4"}},
        LineCase{
            "Vertical", {"2", "5", "2", "9"}, {"-9999999999", "20000000003", "20000000007", "4", "2", "7"}},
        // 0 / -3 would be a negative zero.
        LineCase{"HorizontalIsPositiveZero", {"1", "3", "4", "3"}, {"0", "3", "3", "3", "2.5", "3"}},
        LineCase{"SamePointTwice", {"0", "0", "0", "0"}, {"-9999999999", "0", "0", "0", "0", "0"}},
        LineCase{"Falling", {"0", "0", "2", "-4"}, {"-2", "0", "0", "4.47213595499958", "1", "-2"}},
        LineCase{"VerticalAtNegativeX",
                 {"-3", "1", "-3", "1"},
                 {"-9999999999", "-29999999996", "-29999999996", "0", "-3", "1"}},
        LineCase{"ThirdSlope",
                 {"1", "1", "4", "2"},
                 {"0.333333333333333", "0.666666666666667", "0.666666666666667", "3.16227766016838", "2.5",
                  "1.5"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Geo, SlopeIsStoredExactly) {
    OpenTool<Geo> geo;
    geo.type(kX1, "1");
    geo.type(kY1, "3");
    geo.type(kX2, "4");
    geo.type(kY2, "3");
    geo.click(kCalculate);
    EXPECT_EQ(0.0, geo.value(kSlope));
    EXPECT_FALSE(std::signbit(geo.value(kSlope)));

    geo.type(kX2, "1");
    geo.click(kCalculate);
    EXPECT_EQ(Geo::kUndefinedSlope, geo.value(kSlope));
    EXPECT_EQ(-9999999999.0, geo.value(kSlope));
}

TEST(Geo, CalculateRightAfterOpening) {
    OpenTool<Geo> geo;
    EXPECT_EQ("0", geo.field(kSlope));
    geo.click(kCalculate);
    std::vector<std::string> expected(10, "0");
    expected[4] = "-9999999999";  // the slope
    EXPECT_EQ(expected, geo.fields());
}

TEST(Geo, RefusedFieldStillComputesWithEarlierValues) {
    OpenTool<Geo> geo;
    geo.type(kX1, "1");
    geo.type(kY1, "2");
    geo.type(kX2, "x");  // refused: it and every later field keep their values (0)
    geo.type(kY2, "6");
    geo.click(kCalculate);
    ASSERT_EQ(1u, geo.host.messages.size());
    EXPECT_EQ("Please enter a number.", geo.host.messages[0]);
    EXPECT_EQ(std::vector<int>{kX2}, geo.host.focused);
    // Computed from (1, 2) and (0, 0).
    EXPECT_EQ("0", geo.field(kX2));
    EXPECT_EQ("0", geo.field(kY2));
    EXPECT_EQ("2", geo.field(kSlope));
    EXPECT_EQ("2.23606797749979", geo.field(kDistance));
}

TEST(Geo, ClearDataReadsThenZeroesEverything) {
    OpenTool<Geo> geo;
    geo.type(kX1, "1");
    geo.type(kY1, "2");
    geo.type(kX2, "3");
    geo.type(kY2, "6");
    geo.click(kCalculate);
    geo.type(kDistance, "abc");
    geo.click(kClearData);
    ASSERT_EQ(1u, geo.host.messages.size());
    EXPECT_EQ("Please enter a number.", geo.host.messages[0]);
    EXPECT_EQ(std::vector<std::string>(10, "0"), geo.fields());
}

TEST(Geo, ExchangesInTheListedOrder) {
    Geo geo;
    std::vector<int> ids;
    for (const Binding& binding : geo.bindings()) {
        ids.push_back(binding.controlId);
        EXPECT_EQ(FieldKind::Double, binding.kind());
    }
    EXPECT_EQ(
        (std::vector<int>{kX1, kY1, kX2, kY2, kSlope, kIntercept1, kIntercept2, kDistance, kMidX, kMidY}),
        ids);
}

}  // namespace
