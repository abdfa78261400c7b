#include <memory>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "support/fake_host.h"

#include "core/calculators/my_calculator.h"
#include "core/calculators/simple_calc.h"

namespace {

const ControlTemplate* control(const DialogTemplate& dialog, int id) {
    for (const ControlTemplate& c : dialog.controls) {
        if (c.id == id) {
            return &c;
        }
    }
    return nullptr;
}

struct Face {
    const char* name;
    const DialogTemplate* dialog;
    std::unique_ptr<Tool> (*make)();
    std::size_t controls;
    std::size_t buttonsWithHandlers;  // the rest of the buttons are blank and inert
};

std::ostream& operator<<(std::ostream& out, const Face& f) {
    return out << f.name;
}

const Face kFaces[] = {
    {"Advanced", &MyCalculator::kTemplate, &makeTool<MyCalculator>, 62, 47},
    {"Basic", &SimpleCalc::kTemplate, &makeTool<SimpleCalc>, 21, 19},
};

class CalculatorFace : public testing::TestWithParam<Face> {};

TEST_P(CalculatorFace, HasEveryControlOnceAndInOrder) {
    const DialogTemplate& dialog = *GetParam().dialog;
    EXPECT_EQ(dialog.controls.size(), GetParam().controls);
    std::set<int> ids;
    for (const ControlTemplate& c : dialog.controls) {
        if (c.id != kNoId) {
            EXPECT_TRUE(ids.insert(c.id).second) << "duplicate " << c.id;
        }
        EXPECT_LE(c.x + c.w, dialog.width) << c.id;
        EXPECT_LE(c.y + c.h, dialog.height) << c.id;
    }
    // The display comes first, the default "=" button last.
    EXPECT_EQ(dialog.controls.front().id, 1010);
    EXPECT_EQ(dialog.controls.back().id, 1030);
}

TEST_P(CalculatorFace, EveryHandlerHasAButtonAndEveryFieldAnEdit) {
    const DialogTemplate& dialog = *GetParam().dialog;
    const std::unique_ptr<Tool> tool = GetParam().make();
    std::size_t handled = 0;
    for (const ControlTemplate& c : dialog.controls) {
        if (c.kind == ControlKind::PushButton) {
            EXPECT_NE(c.flags & cf::Flat, 0u) << c.id;
            handled += tool->hasHandler(c.id) ? 1 : 0;
            // Only the blank buttons are inert.
            EXPECT_EQ(tool->hasHandler(c.id), std::string(c.caption) != "") << c.id;
        }
        if (c.kind == ControlKind::GroupBox) {
            EXPECT_NE(c.flags & cf::Flat, 0u);
        }
    }
    EXPECT_EQ(handled, GetParam().buttonsWithHandlers);
    for (const Binding& binding : tool->bindings()) {
        const ControlTemplate* edit = control(dialog, binding.controlId);
        ASSERT_NE(edit, nullptr) << binding.controlId;
        EXPECT_EQ(edit->kind, ControlKind::Edit) << binding.controlId;
    }
}

TEST_P(CalculatorFace, DisplayIsReadOnlyAndEqualsIsTheOnlyDefault) {
    const DialogTemplate& dialog = *GetParam().dialog;
    const ControlTemplate* display = control(dialog, 1010);
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->flags & (cf::ReadOnly | cf::RightAlign | cf::AutoHScroll | cf::NoBorder),
              cf::ReadOnly | cf::RightAlign | cf::AutoHScroll);
    for (const ControlTemplate& c : dialog.controls) {
        EXPECT_EQ((c.flags & cf::Default) != 0, c.id == 1030) << c.id;
    }
    EXPECT_STREQ(dialog.caption, "Calculator");
}

INSTANTIATE_TEST_SUITE_P(Templates, CalculatorFace, testing::ValuesIn(kFaces),
                         [](const auto& info) { return std::string(info.param.name); });

// Every key that works is a Tab stop; the history and the six blank keys are not.
TEST(AdvancedCalculatorFace, HistoryAndBlankKeysAreSkippedByTab) {
    MyCalculator calculator;
    for (const ControlTemplate& c : MyCalculator::kTemplate.controls) {
        const bool blank = c.kind == ControlKind::PushButton && !calculator.hasHandler(c.id);
        const bool skipped = blank || c.id == MyCalculator::kHistory || c.id == kNoId;
        EXPECT_EQ((c.flags & cf::TabStop) == 0, skipped) << c.id;
    }
}

TEST(AdvancedCalculatorFace, MemoriesAreEditableWithoutBorderAndHistoryIsReadOnly) {
    for (const int id : {1013, 1014, 1015}) {
        const ControlTemplate* memory = control(MyCalculator::kTemplate, id);
        ASSERT_NE(memory, nullptr);
        EXPECT_EQ(memory->flags & (cf::ReadOnly | cf::NoBorder), cf::NoBorder) << id;
    }
    const ControlTemplate* history = control(MyCalculator::kTemplate, 1052);
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->flags & (cf::ReadOnly | cf::MultiLine | cf::HScrollBar | cf::NoBorder),
              cf::ReadOnly | cf::MultiLine | cf::HScrollBar);
}

}  // namespace
