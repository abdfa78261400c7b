// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/converters/degrees.h"
#include "core/converters/degrees_radians.h"
#include "core/converters/energy.h"
#include "core/converters/force.h"
#include "core/converters/length.h"
#include "core/converters/numbers.h"
#include "core/converters/power.h"
#include "core/converters/pressures.h"
#include "core/converters/speed.h"
#include "core/converters/time.h"
#include "core/converters/weight.h"
#include "support/fake_host.h"

namespace {

constexpr const char* kRefused = "Please enter a number.";

struct ConverterCase {
    const char* name;
    ToolFactory factory;
    const DialogTemplate* dialog;
    int clearId;
    bool clearKeepsInput;
    bool unitsTabStop;
    std::vector<int> exchangeOrder;
};

void PrintTo(const ConverterCase& c, std::ostream* os) {
    *os << c.name;
}

const ConverterCase kConverters[] = {
    {"Degrees",
     makeTool<Degrees>,
     &Degrees::kTemplate,
     Degrees::kClearData,
     false,
     true,
     {Degrees::kInput, Degrees::kFirstResult, Degrees::kSecondResult, Degrees::kFirstName,
      Degrees::kSecondName}},
    {"Length",
     makeTool<Length>,
     &Length::kTemplate,
     Length::kClearData,
     false,
     true,
     {Length::kInput, Length::kMeters, Length::kCentimeters, Length::kInches, Length::kFeet, Length::kMiles,
      Length::kKilometers, Length::kLightYears}},
    {"Speed",
     makeTool<Speed>,
     &Speed::kTemplate,
     Speed::kClearData,
     false,
     true,
     {Speed::kInput, Speed::kMetersPerSecond, Speed::kFeetPerSecond, Speed::kMilesPerHour,
      Speed::kKilometersPerHour}},
    {"Time",
     makeTool<Time>,
     &Time::kTemplate,
     Time::kClearData,
     false,
     true,
     {Time::kInput, Time::kSeconds, Time::kMinutes, Time::kHours, Time::kDays, Time::kMonths, Time::kYears}},
    {"Energy",
     makeTool<Energy>,
     &Energy::kTemplate,
     Energy::kClearData,
     false,
     true,
     {Energy::kInput, Energy::kJoules, Energy::kErgs, Energy::kCalories, Energy::kFootPounds,
      Energy::kKilowattHours}},
    {"Force",
     makeTool<Force>,
     &Force::kTemplate,
     Force::kClearData,
     false,
     true,
     {Force::kInput, Force::kNewtons, Force::kDynes, Force::kPounds, Force::kTons}},
    {"Power",
     makeTool<Power>,
     &Power::kTemplate,
     Power::kClearData,
     false,
     true,
     {Power::kInput, Power::kHorsepower, Power::kWatts, Power::kFootPoundsPerSecond}},
    {"Weight",
     makeTool<Weight>,
     &Weight::kTemplate,
     Weight::kClearData,
     true,
     false,
     {Weight::kInput, Weight::kGrams, Weight::kKilograms, Weight::kPounds, Weight::kOunces}},
    {"Pressures",
     makeTool<Pressures>,
     &Pressures::kTemplate,
     Pressures::kClearData,
     false,
     true,
     {Pressures::kInput, Pressures::kAtm, Pressures::kMmHg, Pressures::kTorr, Pressures::kPa, Pressures::kKPa,
      Pressures::kNm2}},
};

std::vector<int> unitButtons(const DialogTemplate& dialog) {
    std::vector<int> ids;
    for (const ControlTemplate& control : dialog.controls) {
        if (control.kind == ControlKind::UnitButton) {
            ids.push_back(control.id);
        }
    }
    return ids;
}

std::vector<int> boundIds(const Tool& tool) {
    std::vector<int> ids;
    for (const Binding& binding : tool.bindings()) {
        ids.push_back(binding.controlId);
    }
    return ids;
}

// The field texts after typing input into a fresh converter and clicking button.
std::vector<std::string> convertedFresh(const ConverterCase& c, const std::string& input, int button) {
    ToolSession fresh(c.factory);
    fresh.type(c.exchangeOrder.front(), input);
    fresh.click(button);
    return fresh.fields();
}

class Converter : public testing::TestWithParam<ConverterCase> {};

TEST_P(Converter, BindsItsFieldsInExchangeOrder) {
    const ConverterCase& c = GetParam();
    ToolSession session(c.factory);
    EXPECT_EQ(boundIds(session.tool), c.exchangeOrder);
}

TEST_P(Converter, OpensWithZerosAndEmptyNames) {
    const ConverterCase& c = GetParam();
    ToolSession session(c.factory);
    for (const Binding& binding : session.tool.bindings()) {
        const std::string expected = binding.kind() == FieldKind::Text ? "" : "0";
        EXPECT_EQ(session.field(binding.controlId), expected) << "field " << binding.controlId;
    }
    EXPECT_TRUE(session.host.messages.empty());
}

// Among the edits only the input is a tab stop; the unit buttons of a row are
// tab stops all or none.
TEST_P(Converter, UnitButtonsAndTabStops) {
    const ConverterCase& c = GetParam();
    ASSERT_GE(unitButtons(*c.dialog).size(), 3u);
    for (const ControlTemplate& item : c.dialog->controls) {
        if (item.kind == ControlKind::UnitButton) {
            EXPECT_EQ(static_cast<bool>(item.flags & cf::TabStop), c.unitsTabStop) << item.id;
        }
        if (item.kind == ControlKind::Edit) {
            EXPECT_EQ(static_cast<bool>(item.flags & cf::TabStop), item.id == c.exchangeOrder.front())
                << item.id;
        }
    }
}

TEST_P(Converter, ClearDataZeroesItsListAfterAConversion) {
    const ConverterCase& c = GetParam();
    ToolSession session(c.factory);
    session.type(session.firstField(), "5");
    session.click(unitButtons(*c.dialog).front());
    // A number typed after the conversion is what the read takes for the input.
    session.type(session.firstField(), "8");
    ASSERT_TRUE(session.click(c.clearId));

    EXPECT_EQ(session.field(session.firstField()), c.clearKeepsInput ? "8" : "0");
    EXPECT_EQ(session.value(session.firstField()), c.clearKeepsInput ? 8.0 : 0.0);
    for (const Binding& binding : session.tool.bindings()) {
        if (binding.controlId == session.firstField()) {
            continue;
        }
        const std::string expected = binding.kind() == FieldKind::Text ? "" : "0";
        EXPECT_EQ(session.field(binding.controlId), expected) << "field " << binding.controlId;
    }
    EXPECT_TRUE(session.host.messages.empty());
}

TEST_P(Converter, EveryUnitButtonOfTheRowConvertsItsOwnRow) {
    // A unit's own result field receives the input unchanged, so each button
    // must reach a different row.
    const ConverterCase& c = GetParam();
    std::vector<std::vector<std::string>> rows;
    for (const int id : unitButtons(*c.dialog)) {
        rows.push_back(convertedFresh(c, "7", id));
    }
    for (std::size_t a = 0; a < rows.size(); ++a) {
        for (std::size_t b = a + 1; b < rows.size(); ++b) {
            // Pressure's mm Hg and torr, and Pa and N/m^2, are one unit each.
            const bool sameUnit =
                c.dialog == &Pressures::kTemplate && ((a == 1 && b == 2) || (a == 3 && b == 5));
            if (sameUnit) {
                EXPECT_EQ(rows[a], rows[b]);
            } else {
                EXPECT_NE(rows[a], rows[b]) << "buttons " << a << " and " << b;
            }
        }
    }
}

TEST_P(Converter, WordInTheInputIsRefusedAndTheOldInputConverts) {
    const ConverterCase& c = GetParam();
    const std::vector<int> units = unitButtons(*c.dialog);
    ToolSession session(c.factory);
    session.type(session.firstField(), "3");
    session.click(units[0]);
    session.type(session.firstField(), "abc");
    ASSERT_TRUE(session.click(units[1]));

    EXPECT_EQ(session.host.messages, std::vector<std::string>{kRefused});
    EXPECT_EQ(session.host.focused, std::vector<int>{session.firstField()});
    EXPECT_EQ(session.host.selected, session.firstField());  // though its old text came back
    // The conversion still ran, on the input the field held before.
    EXPECT_EQ(session.fields(), convertedFresh(c, "3", units[1]));
}

TEST_P(Converter, WordInTheLastResultIsRefusedAndReplaced) {
    const ConverterCase& c = GetParam();
    const std::vector<int> units = unitButtons(*c.dialog);
    // The last double field: in the temperature converter the name fields follow.
    ToolSession session(c.factory);
    int last = 0;
    for (const Binding& binding : session.tool.bindings()) {
        if (binding.kind() == FieldKind::Double) {
            last = binding.controlId;
        }
    }
    session.type(session.firstField(), "2");
    session.click(units[0]);
    session.type(session.firstField(), "7");
    session.type(last, "word");
    ASSERT_TRUE(session.click(units[1]));

    EXPECT_EQ(session.host.messages, std::vector<std::string>{kRefused});
    EXPECT_EQ(session.host.focused, std::vector<int>{last});
    // The input before it was read, so the new number converts and the word is gone.
    EXPECT_EQ(session.fields(), convertedFresh(c, "7", units[1]));
}

TEST_P(Converter, ClearDataWithAWordInTheInput) {
    const ConverterCase& c = GetParam();
    ToolSession session(c.factory);
    session.type(session.firstField(), "5");
    session.click(unitButtons(*c.dialog).front());
    session.type(session.firstField(), "abc");
    ASSERT_TRUE(session.click(c.clearId));

    EXPECT_EQ(session.host.messages, std::vector<std::string>{kRefused});
    // The word gives way to the number the input held before, or to 0.
    EXPECT_EQ(session.field(session.firstField()), c.clearKeepsInput ? "5" : "0");
    for (std::size_t i = 1; i < c.exchangeOrder.size(); ++i) {
        const std::string& text = session.field(c.exchangeOrder[i]);
        EXPECT_TRUE(text == "0" || text.empty()) << "field " << c.exchangeOrder[i] << " shows " << text;
    }
}

TEST_P(Converter, ClickingTheSameButtonAgainConvertsTheNewInput) {
    const ConverterCase& c = GetParam();
    const int unit = unitButtons(*c.dialog).back();
    ToolSession session(c.factory);
    session.type(session.firstField(), "4");
    session.click(unit);
    const std::vector<std::string> fromFour = session.fields();

    // Typing converts nothing: the results still belong to 4.
    session.type(session.firstField(), "9");
    std::vector<std::string> typed = fromFour;
    typed[0] = "9";
    EXPECT_EQ(session.fields(), typed);

    session.click(unit);
    EXPECT_EQ(session.fields(), convertedFresh(c, "9", unit));
}

INSTANTIATE_TEST_SUITE_P(Pattern, Converter, testing::ValuesIn(kConverters),
                         [](const testing::TestParamInfo<ConverterCase>& info) { return info.param.name; });

TEST(Degrees, WordInANameFieldIsTakenAsText) {
    ToolSession session(makeTool<Degrees>);
    session.type(Degrees::kInput, "100");
    session.type(Degrees::kFirstName, "hot");
    session.click(Degrees::kCelsiusUnit);
    EXPECT_TRUE(session.host.messages.empty());
    EXPECT_EQ(session.field(Degrees::kFirstName), "Farengeit");
}

TEST(Degrees, WordInTheFirstResultStopsTheReadBeforeLaterFields) {
    // Exchange order input, first, second: with a word in the first result the second
    // keeps its earlier value, but the conversion overwrites both anyway.
    ToolSession session(makeTool<Degrees>);
    session.type(Degrees::kInput, "100");
    session.type(Degrees::kFirstResult, "x");
    session.type(Degrees::kSecondResult, "y");
    session.click(Degrees::kKelvinUnit);
    EXPECT_EQ(session.host.messages, std::vector<std::string>{kRefused});
    EXPECT_EQ(session.host.focused, std::vector<int>{Degrees::kFirstResult});
    EXPECT_EQ(session.value(Degrees::kFirstResult), 100 - 273.15);
    EXPECT_EQ(session.field(Degrees::kSecondResult), "-279.67");
}

TEST(Weight, ClearDataKeepsTheInputThatWasRead) {
    ToolSession session(makeTool<Weight>);
    session.type(Weight::kInput, "16");
    session.click(Weight::kOuncesUnit);
    session.type(Weight::kInput, " 2.50 kg");
    session.click(Weight::kClearData);
    EXPECT_EQ(session.value(Weight::kInput), 2.5);
    EXPECT_EQ(session.fields(), (std::vector<std::string>{"2.5", "0", "0", "0", "0"}));
}

struct BoundCase {
    const char* name;
    ToolFactory factory;
    std::vector<int> exchangeOrder;
    std::vector<FieldKind> kinds;
};

void PrintTo(const BoundCase& c, std::ostream* os) {
    *os << c.name;
}

const BoundCase kBound[] = {
    {"Degrees",
     makeTool<Degrees>,
     {Degrees::kInput, Degrees::kFirstResult, Degrees::kSecondResult, Degrees::kFirstName,
      Degrees::kSecondName},
     {FieldKind::Double, FieldKind::Double, FieldKind::Double, FieldKind::Text, FieldKind::Text}},
    {"DegreesRadians",
     makeTool<DegreesRadians>,
     {DegreesRadians::kDegrees, DegreesRadians::kRadians, DegreesRadians::kRevolutions},
     {FieldKind::Double, FieldKind::Double, FieldKind::Double}},
    {"Numbers", makeTool<Numbers>, {Numbers::kRoman, Numbers::kArabic}, {FieldKind::Text, FieldKind::Text}},
};

class FieldKinds : public testing::TestWithParam<BoundCase> {};

TEST_P(FieldKinds, MatchTheDialog) {
    const BoundCase& c = GetParam();
    ToolSession session(c.factory);
    EXPECT_EQ(boundIds(session.tool), c.exchangeOrder);
    std::vector<FieldKind> kinds;
    for (const Binding& binding : session.tool.bindings()) {
        kinds.push_back(binding.kind());
    }
    EXPECT_EQ(kinds, c.kinds);
}

INSTANTIATE_TEST_SUITE_P(Tools, FieldKinds, testing::ValuesIn(kBound),
                         [](const testing::TestParamInfo<BoundCase>& info) { return info.param.name; });

}  // namespace
