// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/solvers/geo.h"
#include "support/fake_host.h"

namespace {

using enum Geo::Control;

// The slope, the intercepts through point 1 and point 2, the distance, the midpoint.
const FieldLayout kGeoLayout{{kX1, kY1, kX2, kY2},
                             {kSlope, kIntercept1, kIntercept2, kDistance, kMidX, kMidY}};

class GeoCalculate : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(GeoCalculate, ShowsEveryResult) {
    OpenTool<Geo> geo;
    expectWorkedCase(geo, kGeoLayout, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, GeoCalculate,
    ::testing::Values(
        WorkedCase{"Rising", {"1", "2", "3", "6"}, kCalculate, {"2", "0", "0", "4.47213595499958", "2", "4"}},
        WorkedCase{"Vertical",
                   {"2", "5", "2", "9"},
                   kCalculate,
                   {"-9999999999", "20000000003", "20000000007", "4", "2", "7"}},
        // 0 / -3 would be a negative zero.
        WorkedCase{
            "HorizontalIsPositiveZero", {"1", "3", "4", "3"}, kCalculate, {"0", "3", "3", "3", "2.5", "3"}},
        WorkedCase{
            "SamePointTwice", {"0", "0", "0", "0"}, kCalculate, {"-9999999999", "0", "0", "0", "0", "0"}},
        WorkedCase{
            "Falling", {"0", "0", "2", "-4"}, kCalculate, {"-2", "0", "0", "4.47213595499958", "1", "-2"}},
        WorkedCase{"VerticalAtNegativeX",
                   {"-3", "1", "-3", "1"},
                   kCalculate,
                   {"-9999999999", "-29999999996", "-29999999996", "0", "-3", "1"}},
        WorkedCase{"ThirdSlope",
                   {"1", "1", "4", "2"},
                   kCalculate,
                   {"0.333333333333333", "0.666666666666667", "0.666666666666667", "3.16227766016838", "2.5",
                    "1.5"}}),
    workedCaseName);

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
    EXPECT_EQ(kX2, geo.host.selected);  // after the write of its old value
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
