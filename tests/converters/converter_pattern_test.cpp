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
    std::vector<int> exchangeOrder;
};

void PrintTo(const ConverterCase& c, std::ostream* os) {
    *os << c.name;
}

const ConverterCase kConverters[] = {
    {"Degrees", makeTool<Degrees>, &Degrees::kTemplate, 1000, false, {1010, 1011, 1012, 1013, 1014}},
    {"Length",
     makeTool<Length>,
     &Length::kTemplate,
     1001,
     false,
     {1010, 1011, 1012, 1013, 1014, 1017, 1016, 1018}},
    {"Speed", makeTool<Speed>, &Speed::kTemplate, 1001, false, {1010, 1011, 1012, 1013, 1014}},
    {"Time", makeTool<Time>, &Time::kTemplate, 1001, false, {1010, 1011, 1012, 1013, 1014, 1017, 1016}},
    {"Energy", makeTool<Energy>, &Energy::kTemplate, 1001, false, {1010, 1011, 1012, 1013, 1014, 1017}},
    {"Force", makeTool<Force>, &Force::kTemplate, 1001, false, {1010, 1011, 1012, 1013, 1014}},
    {"Power", makeTool<Power>, &Power::kTemplate, 1001, false, {1010, 1011, 1012, 1013}},
    {"Weight", makeTool<Weight>, &Weight::kTemplate, 1000, true, {1010, 1011, 1012, 1013, 1014}},
    {"Pressures",
     makeTool<Pressures>,
     &Pressures::kTemplate,
     1000,
     false,
     {1010, 1011, 1012, 1013, 1014, 1017, 1016}},
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
    fresh.type(1010, input);
    fresh.click(button);
    std::vector<std::string> texts;
    for (const int id : c.exchangeOrder) {
        texts.push_back(fresh.field(id));
    }
    return texts;
}

std::vector<std::string> shown(ToolSession& session, const std::vector<int>& ids) {
    std::vector<std::string> texts;
    for (const int id : ids) {
        texts.push_back(session.field(id));
    }
    return texts;
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

TEST_P(Converter, EveryUnitButtonAndClearDataHasAHandler) {
    const ConverterCase& c = GetParam();
    ToolSession session(c.factory);
    const std::vector<int> units = unitButtons(*c.dialog);
    ASSERT_GE(units.size(), 3u);
    for (const int id : units) {
        EXPECT_TRUE(session.tool.hasHandler(id)) << "unit button " << id;
    }
    EXPECT_TRUE(session.tool.hasHandler(c.clearId));
    for (const int id : c.exchangeOrder) {
        EXPECT_FALSE(session.tool.hasHandler(id)) << "typing into field " << id << " must convert nothing";
    }
}

TEST_P(Converter, ClearDataZeroesItsListAfterAConversion) {
    const ConverterCase& c = GetParam();
    ToolSession session(c.factory);
    session.type(1010, "5");
    session.click(unitButtons(*c.dialog).front());
    // A number typed after the conversion is what the read takes for the input.
    session.type(1010, "8");
    ASSERT_TRUE(session.click(c.clearId));

    EXPECT_EQ(session.field(1010), c.clearKeepsInput ? "8" : "0");
    EXPECT_EQ(session.value(1010), c.clearKeepsInput ? 8.0 : 0.0);
    for (const Binding& binding : session.tool.bindings()) {
        if (binding.controlId == 1010) {
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
    session.type(1010, "3");
    session.click(units[0]);
    session.type(1010, "abc");
    ASSERT_TRUE(session.click(units[1]));

    EXPECT_EQ(session.host.messages, std::vector<std::string>{kRefused});
    EXPECT_EQ(session.host.focused, std::vector<int>{1010});
    // The conversion still ran, on the input the field held before.
    EXPECT_EQ(shown(session, c.exchangeOrder), convertedFresh(c, "3", units[1]));
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
    session.type(1010, "2");
    session.click(units[0]);
    session.type(1010, "7");
    session.type(last, "word");
    ASSERT_TRUE(session.click(units[1]));

    EXPECT_EQ(session.host.messages, std::vector<std::string>{kRefused});
    EXPECT_EQ(session.host.focused, std::vector<int>{last});
    // The input before it was read, so the new number converts and the word is gone.
    EXPECT_EQ(shown(session, c.exchangeOrder), convertedFresh(c, "7", units[1]));
}

TEST_P(Converter, ClearDataWithAWordInTheInput) {
    const ConverterCase& c = GetParam();
    ToolSession session(c.factory);
    session.type(1010, "5");
    session.click(unitButtons(*c.dialog).front());
    session.type(1010, "abc");
    ASSERT_TRUE(session.click(c.clearId));

    EXPECT_EQ(session.host.messages, std::vector<std::string>{kRefused});
    // The word gives way to the number the input held before, or to 0.
    EXPECT_EQ(session.field(1010), c.clearKeepsInput ? "5" : "0");
    for (std::size_t i = 1; i < c.exchangeOrder.size(); ++i) {
        const std::string& text = session.field(c.exchangeOrder[i]);
        EXPECT_TRUE(text == "0" || text.empty()) << "field " << c.exchangeOrder[i] << " shows " << text;
    }
}

TEST_P(Converter, ClickingTheSameButtonAgainConvertsTheNewInput) {
    const ConverterCase& c = GetParam();
    const int unit = unitButtons(*c.dialog).back();
    ToolSession session(c.factory);
    session.type(1010, "4");
    session.click(unit);
    const std::vector<std::string> fromFour = shown(session, c.exchangeOrder);

    // Typing converts nothing: the results still belong to 4.
    session.type(1010, "9");
    std::vector<std::string> typed = fromFour;
    typed[0] = "9";
    EXPECT_EQ(shown(session, c.exchangeOrder), typed);

    session.click(unit);
    EXPECT_EQ(shown(session, c.exchangeOrder), convertedFresh(c, "9", unit));
}

INSTANTIATE_TEST_SUITE_P(Pattern, Converter, testing::ValuesIn(kConverters),
                         [](const testing::TestParamInfo<ConverterCase>& info) { return info.param.name; });

TEST(Degrees, WordInANameFieldIsTakenAsText) {
    ToolSession session(makeTool<Degrees>);
    session.type(1010, "100");
    session.type(1013, "hot");
    session.click(1022);
    EXPECT_TRUE(session.host.messages.empty());
    EXPECT_EQ(session.field(1013), "Farengeit");
}

TEST(Degrees, WordInTheFirstResultStopsTheReadBeforeLaterFields) {
    // Exchange order 1010, 1011, 1012: with a word in 1011 the second result
    // keeps its earlier value, but the conversion overwrites both anyway.
    ToolSession session(makeTool<Degrees>);
    session.type(1010, "100");
    session.type(1011, "x");
    session.type(1012, "y");
    session.click(1024);
    EXPECT_EQ(session.host.messages, std::vector<std::string>{kRefused});
    EXPECT_EQ(session.host.focused, std::vector<int>{1011});
    EXPECT_EQ(session.value(1011), 100 - 273.15);
    EXPECT_EQ(session.field(1012), "-279.67");
}

TEST(Weight, ClearDataKeepsTheInputThatWasRead) {
    ToolSession session(makeTool<Weight>);
    session.type(1010, "16");
    session.click(1025);
    session.type(1010, " 2.50 kg");
    session.click(1000);
    EXPECT_EQ(session.field(1010), "2.5");
    EXPECT_EQ(session.value(1010), 2.5);
    for (const int id : {1011, 1012, 1013, 1014}) {
        EXPECT_EQ(session.field(id), "0") << "field " << id;
    }
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
     {1010, 1011, 1012, 1013, 1014},
     {FieldKind::Double, FieldKind::Double, FieldKind::Double, FieldKind::Text, FieldKind::Text}},
    {"DegreesRadians",
     makeTool<DegreesRadians>,
     {1010, 1011, 1012},
     {FieldKind::Double, FieldKind::Double, FieldKind::Double}},
    {"Numbers", makeTool<Numbers>, {1010, 1011}, {FieldKind::Text, FieldKind::Text}},
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
