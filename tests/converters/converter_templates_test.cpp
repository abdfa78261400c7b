#include <algorithm>
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

struct WindowCase {
    const char* name;
    ToolFactory factory;
    const DialogTemplate* dialog;
    int defaultButton;
    int firstTabStop;  // where the focus lands when the window opens
};

void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << c.name;
}

const WindowCase kWindows[] = {
    {"Pressures", makeTool<Pressures>, &Pressures::kTemplate, 1000, 1010},
    {"Degrees", makeTool<Degrees>, &Degrees::kTemplate, 1000, 1010},
    {"DegreesRadians", makeTool<DegreesRadians>, &DegreesRadians::kTemplate, 1000, 1010},
    {"Length", makeTool<Length>, &Length::kTemplate, 1001, 1010},
    {"Time", makeTool<Time>, &Time::kTemplate, 1001, 1010},
    {"Speed", makeTool<Speed>, &Speed::kTemplate, 1001, 1010},
    {"Force", makeTool<Force>, &Force::kTemplate, 1001, 1010},
    {"Power", makeTool<Power>, &Power::kTemplate, 1001, 1010},
    {"Energy", makeTool<Energy>, &Energy::kTemplate, 1001, 1010},
    {"Numbers", makeTool<Numbers>, &Numbers::kTemplate, 1001, 1010},
    {"Weight", makeTool<Weight>, &Weight::kTemplate, 1000, 1010},
};

const ControlTemplate* control(const DialogTemplate& dialog, int id) {
    for (const ControlTemplate& c : dialog.controls) {
        if (c.id == id) {
            return &c;
        }
    }
    return nullptr;
}

bool isButton(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::UnitButton;
}

class Window : public testing::TestWithParam<WindowCase> {};

TEST_P(Window, EveryBoundFieldIsAnEditOfTheTemplate) {
    const WindowCase& c = GetParam();
    ToolSession session(c.factory);
    for (const Binding& binding : session.tool.bindings()) {
        const ControlTemplate* edit = control(*c.dialog, binding.controlId);
        ASSERT_NE(edit, nullptr) << "field " << binding.controlId;
        EXPECT_EQ(edit->kind, ControlKind::Edit) << "field " << binding.controlId;
        EXPECT_TRUE(edit->flags & cf::AutoHScroll) << "field " << binding.controlId;
        EXPECT_FALSE(edit->flags & cf::ReadOnly) << "result fields stay editable";
    }
}

TEST_P(Window, EveryButtonHasAHandlerAndNothingElseHas) {
    const WindowCase& c = GetParam();
    ToolSession session(c.factory);
    for (const ControlTemplate& item : c.dialog->controls) {
        if (item.id == kNoId) {
            continue;
        }
        EXPECT_EQ(session.tool.hasHandler(item.id), isButton(item.kind)) << "control " << item.id;
    }
}

TEST_P(Window, HasOneDefaultButtonAndEveryButtonIsFlat) {
    const WindowCase& c = GetParam();
    std::vector<int> defaults;
    for (const ControlTemplate& item : c.dialog->controls) {
        if (item.flags & cf::Default) {
            defaults.push_back(item.id);
        }
        if (isButton(item.kind)) {
            EXPECT_TRUE(item.flags & cf::Flat) << "button " << item.id;
        }
    }
    EXPECT_EQ(defaults, std::vector<int>{c.defaultButton});
}

TEST_P(Window, IdsAreUniqueAndControlsLieInsideTheDialog) {
    const WindowCase& c = GetParam();
    std::vector<int> ids;
    for (const ControlTemplate& item : c.dialog->controls) {
        if (item.id != kNoId) {
            ids.push_back(item.id);
        }
        EXPECT_GE(item.x, 0) << item.caption;
        EXPECT_GE(item.y, 0) << item.caption;
        EXPECT_LE(item.x + item.w, c.dialog->width) << item.id << ' ' << item.caption;
        EXPECT_LE(item.y + item.h, c.dialog->height) << item.id << ' ' << item.caption;
    }
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
}

TEST_P(Window, FirstTabStopIsTheInput) {
    const WindowCase& c = GetParam();
    const auto first = std::find_if(c.dialog->controls.begin(), c.dialog->controls.end(),
                                    [](const ControlTemplate& item) { return item.flags & cf::TabStop; });
    ASSERT_NE(first, c.dialog->controls.end());
    EXPECT_EQ(first->id, c.firstTabStop);
}

INSTANTIATE_TEST_SUITE_P(Converters, Window, testing::ValuesIn(kWindows),
                         [](const testing::TestParamInfo<WindowCase>& info) { return info.param.name; });

// In the nine unit converters only the input field has a tab stop among the
// edits, and the unit buttons are numbered from 1022 in row order.
struct PatternCase {
    const char* name;
    const DialogTemplate* dialog;
    std::vector<int> unitButtons;
    bool unitsTabStop;
};

void PrintTo(const PatternCase& c, std::ostream* os) {
    *os << c.name;
}

const PatternCase kPatterns[] = {
    {"Pressures", &Pressures::kTemplate, {1022, 1023, 1024, 1025, 1026, 1027}, true},
    {"Degrees", &Degrees::kTemplate, {1022, 1023, 1024}, true},
    {"Length", &Length::kTemplate, {1022, 1023, 1024, 1025, 1026, 1027, 1053}, true},
    {"Time", &Time::kTemplate, {1022, 1023, 1024, 1025, 1026, 1027}, true},
    {"Speed", &Speed::kTemplate, {1022, 1023, 1024, 1025}, true},
    {"Force", &Force::kTemplate, {1022, 1023, 1024, 1025}, true},
    {"Power", &Power::kTemplate, {1022, 1023, 1024}, true},
    {"Energy", &Energy::kTemplate, {1022, 1023, 1024, 1025, 1026}, true},
    {"Weight", &Weight::kTemplate, {1022, 1023, 1024, 1025}, false},
};

class PatternWindow : public testing::TestWithParam<PatternCase> {};

TEST_P(PatternWindow, UnitButtonsAndTabStops) {
    const PatternCase& c = GetParam();
    std::vector<int> units;
    for (const ControlTemplate& item : c.dialog->controls) {
        if (item.kind == ControlKind::UnitButton) {
            units.push_back(item.id);
            EXPECT_EQ(static_cast<bool>(item.flags & cf::TabStop), c.unitsTabStop) << item.id;
        }
        if (item.kind == ControlKind::Edit) {
            EXPECT_EQ(static_cast<bool>(item.flags & cf::TabStop), item.id == 1010) << item.id;
        }
    }
    EXPECT_EQ(units, c.unitButtons);
}

INSTANTIATE_TEST_SUITE_P(Converters, PatternWindow, testing::ValuesIn(kPatterns),
                         [](const testing::TestParamInfo<PatternCase>& info) { return info.param.name; });

}  // namespace
