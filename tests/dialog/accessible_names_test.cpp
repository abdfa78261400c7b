#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/app/template_registry.h"

namespace {

bool speaks(const ControlTemplate& control) {
    return control.kind == ControlKind::Edit || control.kind == ControlKind::PushButton ||
           control.kind == ControlKind::UnitButton;
}

std::string nameOf(const ControlTemplate& control) {
    return control.name != nullptr ? control.name : "";
}

TEST(AccessibleNames, NoControlOfAnyTemplateIsLeftUnnamed) {
    int named = 0;
    for (const DialogTemplate* dialogTemplate : allTemplates()) {
        for (const ControlTemplate& control : dialogTemplate->controls) {
            if (!speaks(control)) {
                continue;
            }
            SCOPED_TRACE(testing::Message()
                         << "template " << dialogTemplate->id << ", control " << control.id);
            EXPECT_FALSE(nameOf(control).empty());
            ++named;
        }
    }
    EXPECT_GT(named, 400);
}

// Group boxes, labels and the icon speak their own captions.
TEST(AccessibleNames, DecorationHasNoNameOfItsOwn) {
    for (const DialogTemplate* dialogTemplate : allTemplates()) {
        for (const ControlTemplate& control : dialogTemplate->controls) {
            if (!speaks(control)) {
                SCOPED_TRACE(testing::Message()
                             << "template " << dialogTemplate->id << ": " << control.caption);
                EXPECT_EQ(control.name, nullptr);
            }
        }
    }
}

// Only a blank key says something else than it shows.
TEST(AccessibleNames, ButtonsSpeakTheirCaptions) {
    for (const DialogTemplate* dialogTemplate : allTemplates()) {
        for (const ControlTemplate& control : dialogTemplate->controls) {
            if (control.kind == ControlKind::PushButton || control.kind == ControlKind::UnitButton) {
                SCOPED_TRACE(testing::Message()
                             << "template " << dialogTemplate->id << ", control " << control.id);
                if (control.caption[0] != '\0') {
                    EXPECT_EQ(nameOf(control), control.caption);
                }
            }
        }
    }
}

TEST(AccessibleNames, EditFieldsOfOneWindowHaveDistinctNames) {
    for (const DialogTemplate* dialogTemplate : allTemplates()) {
        std::multiset<std::string> names;
        for (const ControlTemplate& control : dialogTemplate->controls) {
            if (control.kind == ControlKind::Edit) {
                names.insert(nameOf(control));
            }
        }
        for (const std::string& name : names) {
            SCOPED_TRACE(testing::Message() << "template " << dialogTemplate->id << ": " << name);
            // Only the generic "Result" of a single-result window may not repeat either.
            EXPECT_EQ(names.count(name), 1u);
        }
    }
}

struct Expected {
    int templateId;
    int controlId;
    const char* name;
};

class NameOf : public testing::TestWithParam<Expected> {};

TEST_P(NameOf, Control) {
    const Expected& row = GetParam();
    const DialogTemplate* dialogTemplate = findTemplate(row.templateId);
    ASSERT_NE(dialogTemplate, nullptr);
    for (const ControlTemplate& control : dialogTemplate->controls) {
        if (control.id == row.controlId) {
            EXPECT_EQ(nameOf(control), row.name);
            return;
        }
    }
    FAIL() << "no control " << row.controlId;
}

INSTANTIATE_TEST_SUITE_P(Cases, NameOf,
                         testing::Values(Expected{146, 1011, "Meters"},       // label to the right
                                         Expected{146, 1018, "Light-years"},  //
                                         Expected{146, 1010, "Input"},        // first tab stop, no label
                                         Expected{177, 1010, "Symbol"},    // label to the left, colon dropped
                                         Expected{172, 1010, "Display"},   //
                                         Expected{172, 1052, "History"},   //
                                         Expected{172, 1013, "Memory 1"},  //
                                         Expected{172, 1051, "Unused key"},  // blank calculator key
                                         Expected{177, 1062, "Empty element, group 13"},
                                         Expected{141, 1022, "Celcius"}));  // a button speaks its caption

}  // namespace
