// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/calculators/my_calculator.h"
#include "core/commands/template_registry.h"
#include "core/converters/degrees.h"
#include "core/converters/length.h"
#include "core/reference/periodic.h"
#include "core/reference/periodic_grid.h"

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

// Two "Look up" buttons, three "Sto": the description tells them apart.
TEST(AccessibleNames, ButtonsSharingACaptionHaveDistinctDescriptions) {
    for (const DialogTemplate* dialogTemplate : allTemplates()) {
        std::set<std::pair<std::string, std::string>> seen;  // caption and description
        for (const ControlTemplate& control : dialogTemplate->controls) {
            if (control.kind == ControlKind::PushButton && control.caption[0] != '\0') {
                EXPECT_TRUE(
                    seen.emplace(control.caption, control.description ? control.description : "").second)
                    << "template " << dialogTemplate->id << ": " << control.caption;
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
    const DialogTemplate* dialogTemplate;
    int controlId;
    const char* name;
};

// The button in a cell of the periodic table: element buttons have no names in code.
int cellId(int row, int column) {
    for (const periodic::Cell& cell : periodic::kGrid) {
        if (cell.row == row && cell.column == column) {
            return cell.id;
        }
    }
    return kNoId;
}

class NameOf : public testing::TestWithParam<Expected> {};

TEST_P(NameOf, Control) {
    const Expected& row = GetParam();
    for (const ControlTemplate& control : row.dialogTemplate->controls) {
        if (control.id == row.controlId) {
            EXPECT_EQ(nameOf(control), row.name);
            return;
        }
    }
    FAIL() << "no control " << row.controlId;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NameOf,
    testing::Values(Expected{&Length::kTemplate, Length::kMeters, "Meters"},  // label to the right
                    Expected{&Length::kTemplate, Length::kLightYears, "Light-years"},
                    Expected{&Length::kTemplate, Length::kInput, "Input"},  // first tab stop, no label
                    Expected{&Periodic::kTemplate, Periodic::kSymbolField, "Symbol"},  // label to the left
                    Expected{&MyCalculator::kTemplate, MyCalculator::kDisplay, "Display"},
                    Expected{&MyCalculator::kTemplate, MyCalculator::kHistory, "History"},
                    Expected{&MyCalculator::kTemplate, MyCalculator::kMemory1, "Memory 1"},
                    Expected{&MyCalculator::kTemplate, MyCalculator::kUnusedKey1, "Unused key"},  // blank key
                    Expected{&Periodic::kTemplate, cellId(7, 13), "Nh"},  // an element speaks its symbol
                    Expected{&Degrees::kTemplate, Degrees::kCelsiusUnit,
                             "Celcius"}));  // a button speaks its caption

}  // namespace
