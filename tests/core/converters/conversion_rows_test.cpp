// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/converters/degrees.h"
#include "core/converters/energy.h"
#include "core/converters/force.h"
#include "core/converters/length.h"
#include "core/converters/power.h"
#include "core/converters/pressures.h"
#include "core/converters/speed.h"
#include "core/converters/time.h"
#include "core/converters/weight.h"
#include "support/fake_host.h"

namespace {

// The expected doubles come from the unit tables evaluated left to right, one
// rounding per operation. Inputs such as 3.6 or 0.7 are chosen where a
// different order of the same operations (x * 1.8 for x * 9 / 5, x * (1 / 3.28)
// for x / 3.28, x * (760 / 101325) ...) gives a different double.
struct ConversionCase {
    const char* name;
    ToolFactory factory;
    const char* input;
    int button;
    std::vector<double> results;
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
    *os << c.name;
}

const ConversionCase kCases[] = {
    {"Celsius100", makeTool<Degrees>, "100", Degrees::kCelsiusUnit, {212, 373.15}},
    {"CelsiusMinus40", makeTool<Degrees>, "-40", Degrees::kCelsiusUnit, {-40, 233.14999999999998}},
    {"CelsiusMultipliesByNineThenDividesByFive",
     makeTool<Degrees>,
     "3.6",
     Degrees::kCelsiusUnit,
     {38.48, 276.75}},
    {"Fahrenheit32", makeTool<Degrees>, "32", Degrees::kFahrenheitUnit, {0, 273.15}},
    {"Fahrenheit212", makeTool<Degrees>, "212", Degrees::kFahrenheitUnit, {100, 373.15}},
    {"FahrenheitUsesFiveNinthsConstant",
     makeTool<Degrees>,
     "1.1",
     Degrees::kFahrenheitUnit,
     {-17.166666666666668, 255.98333333333332}},
    {"Kelvin0", makeTool<Degrees>, "0", Degrees::kKelvinUnit, {-273.15, -459.66999999999996}},
    {"KelvinMultipliesByOnePointEight", makeTool<Degrees>, "0.2", Degrees::kKelvinUnit, {-272.95, -459.31}},

    {"Metre1",
     makeTool<Length>,
     "1",
     Length::kMetersUnit,
     {1, 100, 39.4, 3.28, 0.0006211180124223603, 0.001, 1.0570824524312897e-16}},
    {"Centimetre7",
     makeTool<Length>,
     "7",
     Length::kCentimetersUnit,
     {0.07, 7, 2.758, 0.22960000000000003, 4.347826086956522e-05, 7e-05, 7.399577167019027e-18}},
    {"Inch1",
     makeTool<Length>,
     "1",
     Length::kInchesUnit,
     {0.025380710659898477, 2.54, 1, 0.08333333333333333, 1.5782828282828283e-05, 2.5380710659898476e-05,
      2.682950386881446e-18}},
    {"InchDividesByThirtyNinePointFour",
     makeTool<Length>,
     "0.3",
     Length::kInchesUnit,
     {0.007614213197969543, 0.762, 0.3, 0.024999999999999998, 4.734848484848485e-06, 7.614213197969544e-06,
      8.048851160644338e-19}},
    {"Foot1",
     makeTool<Length>,
     "1",
     Length::kFeetUnit,
     {0.3048780487804878, 30.487804878048777, 12, 1, 0.0001893939393939394, 0.00030492424242424245,
      3.222812354973444e-17}},
    {"FootDividesByThreePointTwoEight",
     makeTool<Length>,
     "0.1",
     Length::kFeetUnit,
     {0.030487804878048783, 3.048780487804878, 1.2000000000000002, 0.1, 1.893939393939394e-05,
      3.0492424242424243e-05, 3.222812354973444e-18}},
    {"Mile1",
     makeTool<Length>,
     "1",
     Length::kMilesUnit,
     {1610, 161000, 63360, 5280, 1, 1.61, 1.7019027484143763e-13}},
    {"MileInchesGoThroughFeet",
     makeTool<Length>,
     "0.7",
     Length::kMilesUnit,
     {1127, 112700, 44351.99999999999, 3695.9999999999995, 0.7, 1.127, 1.1913319238900635e-13}},
    {"Kilometre3",
     makeTool<Length>,
     "3",
     Length::kKilometersUnit,
     {3000, 300000, 118200, 9840, 1.8633540372670807, 3, 3.171247357293869e-13}},
    {"LightYear1",
     makeTool<Length>,
     "1",
     Length::kLightYearsUnit,
     {9.46e15, 9.46e17, 3.72724e17, 3.1060333333333332e16, 5882638888888.889, 9.46e12, 1}},
    {"LightYearFeetGoThroughInches",
     makeTool<Length>,
     "0.1",
     Length::kLightYearsUnit,
     {946000000000000.0, 9.46e16, 3.72724e16, 3106033333333333.5, 588263888888.8889, 946000000000.0, 0.1}},

    {"MetrePerSecond1",
     makeTool<Speed>,
     "1",
     Speed::kMetersPerSecondUnit,
     {1, 3.28, 2.24, 3.597122302158273}},
    {"MetrePerSecondDividesByPointTwoSevenEight",
     makeTool<Speed>,
     "0.1",
     Speed::kMetersPerSecondUnit,
     {0.1, 0.328, 0.22400000000000003, 0.3597122302158273}},
    {"FootPerSecond7",
     makeTool<Speed>,
     "7",
     Speed::kFeetPerSecondUnit,
     {2.1341463414634148, 7, 4.7804878048780495, 7.6767854009475345}},
    {"MilePerHour7",
     makeTool<Speed>,
     "7",
     Speed::kMilesPerHourUnit,
     {3.1249999999999996, 10.249999999999998, 7, 11.272141706924316}},
    {"KilometrePerHour1", makeTool<Speed>, "1", Speed::kKilometersPerHourUnit, {0.278, 0.91184, 0.621, 1}},

    {"Seconds86400",
     makeTool<Time>,
     "86400",
     Time::kSecondsUnit,
     {86400, 1440, 24, 1, 0.03285420944558522, 0.0027378507871321013}},
    {"SecondsHoursGoThroughMinutes",
     makeTool<Time>,
     "1.1",
     Time::kSecondsUnit,
     {1.1, 0.018333333333333333, 0.00030555555555555555, 1.273148148148148e-05, 4.182827591451821e-07,
      3.485689659543184e-08}},
    {"Minutes7",
     makeTool<Time>,
     "7",
     Time::kMinutesUnit,
     {420, 7, 0.11666666666666667, 0.004861111111111111, 0.0001597079625827059, 1.330899688189216e-05}},
    {"Hours7",
     makeTool<Time>,
     "7",
     Time::kHoursUnit,
     {25200, 420, 7, 0.2916666666666667, 0.009582477754962355, 0.0007985398129135296}},
    {"Days7",
     makeTool<Time>,
     "7",
     Time::kDaysUnit,
     {604800, 10080, 168, 7, 0.2299794661190965, 0.019164955509924708}},
    {"Months7",
     makeTool<Time>,
     "7",
     Time::kMonthsUnit,
     {18408600, 306810, 5113.5, 213.0625, 7, 0.5833333333333334}},
    {"Years1", makeTool<Time>, "1", Time::kYearsUnit, {31557600, 525960, 8766, 365.25, 12, 1}},

    {"Joules7",
     makeTool<Energy>,
     "7",
     Energy::kJoulesUnit,
     {7, 70000000, 1.673, 5.166, 1.9444444444444444e-06}},
    {"Ergs7",
     makeTool<Energy>,
     "7",
     Energy::kErgsUnit,
     {7e-07, 7, 1.673e-07, 5.166e-07, 1.9444444444444445e-13}},
    {"Calories1",
     makeTool<Energy>,
     "1",
     Energy::kCaloriesUnit,
     {4.184100418410042, 41841004.18410042, 1, 3.087866108786611, 1.1622501162250115e-06}},
    {"FootPounds7",
     makeTool<Energy>,
     "7",
     Energy::kFootPoundsUnit,
     {9.48509485094851, 94850948.5094851, 2.2669376693766936, 7, 2.6347485697079195e-06}},
    {"KilowattHours1",
     makeTool<Energy>,
     "1",
     Energy::kKilowattHoursUnit,
     {3600000, 36000000000000, 860400, 2656800, 1}},

    {"Newtons1", makeTool<Force>, "1", Force::kNewtonsUnit, {1, 100000, 0.225, 0.0001125}},
    {"Dynes7", makeTool<Force>, "7", Force::kDynesUnit, {7e-05, 7, 1.575e-05, 7.875e-09}},
    {"Pounds7", makeTool<Force>, "7", Force::kPoundsUnit, {31.11111111111111, 3111111.111111111, 7, 0.0035}},
    {"Tons1", makeTool<Force>, "1", Force::kTonsUnit, {8888.888888888889, 888888888.8888888, 2000, 1}},
    {"TonsNewtonsGoThroughPounds",
     makeTool<Force>,
     "1.1",
     Force::kTonsUnit,
     {9777.777777777777, 977777777.7777778, 2200, 1.1}},

    {"Horsepower7", makeTool<Power>, "7", Power::kHorsepowerUnit, {7, 5222, 3850}},
    {"Watts1", makeTool<Power>, "1", Power::kWattsUnit, {0.0013404825737265416, 1, 0.7372654155495979}},
    {"WattsFootPoundsGoThroughHorsepower",
     makeTool<Power>,
     "0.1",
     Power::kWattsUnit,
     {0.00013404825737265417, 0.1, 0.07372654155495979}},
    {"FootPoundsPerSecond7",
     makeTool<Power>,
     "7",
     Power::kFootPoundsPerSecondUnit,
     {0.012727272727272728, 9.494545454545454, 7}},

    {"Grams7", makeTool<Weight>, "7", Weight::kGramsUnit, {7, 0.007, 0.01547, 0.24500000000000002}},
    {"Kilograms7",
     makeTool<Weight>,
     "7",
     Weight::kKilogramsUnit,
     {7000, 7, 15.469999999999999, 245.00000000000003}},
    {"Pounds1", makeTool<Weight>, "1", Weight::kPoundsUnit, {450, 0.45, 1, 15.750000000000002}},
    {"PoundsGramsGoThroughKilograms",
     makeTool<Weight>,
     "0.1",
     Weight::kPoundsUnit,
     {45.00000000000001, 0.045000000000000005, 0.1, 1.5750000000000004}},
    {"Ounces16", makeTool<Weight>, "16", Weight::kOuncesUnit, {453.6, 0.4536, 1.0102857142857142, 16}},
    {"OuncesMultiplyThenDivide",
     makeTool<Weight>,
     "3.7",
     Weight::kOuncesUnit,
     {104.89500000000001, 0.10489500000000002, 0.2336285714285714, 3.7}},
    {"OuncesDivideAfterMultiplying",
     makeTool<Weight>,
     "0.3",
     Weight::kOuncesUnit,
     {8.505, 0.008505, 0.01894285714285714, 0.3}},

    {"Atmospheres1", makeTool<Pressures>, "1", Pressures::kAtmUnit, {1, 760, 760, 101325, 101.325, 101325}},
    {"MillimetresOfMercury1",
     makeTool<Pressures>,
     "1",
     Pressures::kMmHgUnit,
     {0.0013157894736842105, 1, 1, 133.32236842105263, 0.13332236842105263, 133.32236842105263}},
    {"Torr1",
     makeTool<Pressures>,
     "1",
     Pressures::kTorrUnit,
     {0.0013157894736842105, 1, 1, 133.32236842105263, 0.13332236842105263, 133.32236842105263}},
    {"MillimetresOfMercuryProductFirst",
     makeTool<Pressures>,
     "1.1",
     Pressures::kMmHgUnit,
     {0.0014473684210526317, 1.1, 1.1, 146.65460526315792, 0.1466546052631579, 146.65460526315792}},
    {"Pascals101325",
     makeTool<Pressures>,
     "101325",
     Pressures::kPaUnit,
     {1, 760, 760, 101325, 101.325, 101325}},
    {"PascalsProductFirst",
     makeTool<Pressures>,
     "0.7",
     Pressures::kPaUnit,
     {6.90846286701209e-06, 0.005250431778929188, 0.005250431778929188, 0.7, 0.0007, 0.7}},
    {"PascalsQuotientAfterProduct",
     makeTool<Pressures>,
     "0.1",
     Pressures::kPaUnit,
     {9.86923266716013e-07, 0.0007500616827041698, 0.0007500616827041698, 0.1, 0.0001, 0.1}},
    {"Kilopascals101325",
     makeTool<Pressures>,
     "101.325",
     Pressures::kKPaUnit,
     {1, 760, 760, 101325, 101.325, 101325}},
    {"NewtonsPerSquareMetre7",
     makeTool<Pressures>,
     "7",
     Pressures::kNm2Unit,
     {6.90846286701209e-05, 0.052504317789291884, 0.052504317789291884, 7, 0.007, 7}},
};

class ConversionRow : public testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionRow, ComputesEveryResultExactly) {
    const ConversionCase& c = GetParam();
    ToolSession session(c.factory);
    session.type(session.firstField(), c.input);
    ASSERT_TRUE(session.click(c.button));

    // The results follow the input in exchange order, as the table's columns do.
    const std::span<const Binding> bindings = session.tool.bindings();
    ASSERT_GT(bindings.size(), c.results.size());
    for (std::size_t i = 0; i < c.results.size(); ++i) {
        SCOPED_TRACE("result " + std::to_string(i));
        EXPECT_EQ(session.value(bindings[i + 1].controlId), c.results[i]);
    }
    EXPECT_TRUE(session.host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Converters, ConversionRow, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ConversionCase>& info) { return info.param.name; });

// What the fields show after a click: results in "%.*g" 15 with three-digit
// exponents, and the temperature converter's unit names.
struct ShownCase {
    const char* name;
    ToolFactory factory;
    const char* input;
    int button;
    std::vector<std::pair<int, std::string>> texts;
};

void PrintTo(const ShownCase& c, std::ostream* os) {
    *os << c.name;
}

const ShownCase kShown[] = {
    {"CelsiusNames",
     makeTool<Degrees>,
     "100",
     Degrees::kCelsiusUnit,
     {{Degrees::kInput, "100"},
      {Degrees::kFirstResult, "212"},
      {Degrees::kFirstName, "Farengeit"},
      {Degrees::kSecondResult, "373.15"},
      {Degrees::kSecondName, "Kelvin"}}},
    {"FahrenheitNames",
     makeTool<Degrees>,
     "212",
     Degrees::kFahrenheitUnit,
     {{Degrees::kFirstResult, "100"},
      {Degrees::kFirstName, "Celcius"},
      {Degrees::kSecondResult, "373.15"},
      {Degrees::kSecondName, "Kelvin"}}},
    {"KelvinNamesAndRounding",
     makeTool<Degrees>,
     "0",
     Degrees::kKelvinUnit,
     {{Degrees::kFirstResult, "-273.15"},
      {Degrees::kFirstName, "Celcius"},
      {Degrees::kSecondResult, "-459.67"},
      {Degrees::kSecondName, "Farengeit"}}},
    {"MetreSmallResultsInExponentForm",
     makeTool<Length>,
     "1",
     Length::kMetersUnit,
     {{Length::kMiles, "0.00062111801242236"},
      {Length::kKilometers, "0.001"},
      {Length::kLightYears, "1.05708245243129e-016"}}},
    {"LightYearLargeResults",
     makeTool<Length>,
     "1",
     Length::kLightYearsUnit,
     {{Length::kMeters, "9.46e+015"},
      {Length::kCentimeters, "9.46e+017"},
      {Length::kInches, "3.72724e+017"},
      {Length::kKilometers, "9460000000000"}}},
    {"InputIsWrittenBackInItsOwnFormat",
     makeTool<Speed>,
     "  12.50abc",
     Speed::kMetersPerSecondUnit,
     {{Speed::kInput, "12.5"}, {Speed::kMetersPerSecond, "12.5"}}},
    {"PoundsToOunces",
     makeTool<Weight>,
     "1",
     Weight::kPoundsUnit,
     {{Weight::kGrams, "450"}, {Weight::kKilograms, "0.45"}, {Weight::kOunces, "15.75"}}},
};

class ShownResults : public testing::TestWithParam<ShownCase> {};

TEST_P(ShownResults, FieldsShowFormattedValues) {
    const ShownCase& c = GetParam();
    ToolSession session(c.factory);
    session.type(session.firstField(), c.input);
    ASSERT_TRUE(session.click(c.button));
    for (const auto& [id, text] : c.texts) {
        EXPECT_EQ(session.field(id), text) << "field " << id;
    }
}

INSTANTIATE_TEST_SUITE_P(Converters, ShownResults, testing::ValuesIn(kShown),
                         [](const testing::TestParamInfo<ShownCase>& info) { return info.param.name; });

}  // namespace
