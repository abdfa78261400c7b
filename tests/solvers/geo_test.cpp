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

constexpr std::array<int, 4> kInputs{1010, 1011, 1012, 1013};
constexpr std::array<int, 6> kOutputs{1014, 1017, 1016, 1018, 1019, 1020};

class GeoCalculate : public ::testing::TestWithParam<LineCase> {};

TEST_P(GeoCalculate, ShowsEveryResult) {
    const LineCase& c = GetParam();
    OpenTool<Geo> geo;
    for (std::size_t i = 0; i < kInputs.size(); ++i) {
        geo.type(kInputs[i], c.points[i]);
    }
    ASSERT_TRUE(geo.click(Geo::kCalculate));
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
    geo.type(Geo::kX1, "1");
    geo.type(Geo::kY1, "3");
    geo.type(Geo::kX2, "4");
    geo.type(Geo::kY2, "3");
    geo.click(Geo::kCalculate);
    EXPECT_EQ(0.0, geo.tool.m_slope);
    EXPECT_FALSE(std::signbit(geo.tool.m_slope));

    geo.type(Geo::kX2, "1");
    geo.click(Geo::kCalculate);
    EXPECT_EQ(Geo::kUndefinedSlope, geo.tool.m_slope);
    EXPECT_EQ(-9999999999.0, geo.tool.m_slope);
}

TEST(Geo, CalculateRightAfterOpening) {
    OpenTool<Geo> geo;
    EXPECT_EQ("0", geo.field(Geo::kSlope));
    geo.click(Geo::kCalculate);
    EXPECT_EQ("-9999999999", geo.field(Geo::kSlope));
    for (const int id : {1010, 1011, 1012, 1013, 1017, 1016, 1018, 1019, 1020}) {
        EXPECT_EQ("0", geo.field(id)) << id;
    }
}

TEST(Geo, RefusedFieldStillComputesWithEarlierValues) {
    OpenTool<Geo> geo;
    geo.type(Geo::kX1, "1");
    geo.type(Geo::kY1, "2");
    geo.type(Geo::kX2, "x");  // refused: it and every later field keep their values (0)
    geo.type(Geo::kY2, "6");
    geo.click(Geo::kCalculate);
    ASSERT_EQ(1u, geo.host.messages.size());
    EXPECT_EQ("Please enter a number.", geo.host.messages[0]);
    EXPECT_EQ(std::vector<int>{1012}, geo.host.focused);
    // Computed from (1, 2) and (0, 0).
    EXPECT_EQ("0", geo.field(Geo::kX2));
    EXPECT_EQ("0", geo.field(Geo::kY2));
    EXPECT_EQ("2", geo.field(Geo::kSlope));
    EXPECT_EQ("2.23606797749979", geo.field(Geo::kDistance));
}

TEST(Geo, ClearDataReadsThenZeroesEverything) {
    OpenTool<Geo> geo;
    geo.type(Geo::kX1, "1");
    geo.type(Geo::kY1, "2");
    geo.type(Geo::kX2, "3");
    geo.type(Geo::kY2, "6");
    geo.click(Geo::kCalculate);
    geo.type(Geo::kDistance, "abc");
    geo.click(Geo::kClearData);
    ASSERT_EQ(1u, geo.host.messages.size());
    EXPECT_EQ("Please enter a number.", geo.host.messages[0]);
    for (const int id : {1010, 1011, 1012, 1013, 1014, 1017, 1016, 1018, 1019, 1020}) {
        EXPECT_EQ("0", geo.field(id)) << id;
    }
}

TEST(Geo, ExchangesInTheListedOrder) {
    Geo geo;
    std::vector<int> ids;
    for (const Binding& binding : geo.bindings()) {
        ids.push_back(binding.controlId);
        EXPECT_EQ(FieldKind::Double, binding.kind());
    }
    EXPECT_EQ((std::vector<int>{1010, 1011, 1012, 1013, 1014, 1017, 1016, 1018, 1019, 1020}), ids);
}

}  // namespace
