// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/commands/command_table.h"
#include "core/commands/template_registry.h"

namespace {

TEST(CommandTable, CommandsClassesAndTemplatesAreEachOnce) {
    std::set<int> ids;
    std::set<std::string> classes;
    std::set<const DialogTemplate*> templates;
    for (const ToolCommand& command : toolCommands()) {
        EXPECT_TRUE(ids.insert(command.commandId).second) << command.item;
        EXPECT_TRUE(classes.insert(command.className).second) << command.item;
        EXPECT_TRUE(templates.insert(command.dialogTemplate).second) << command.item;
        EXPECT_EQ(findToolCommand(command.commandId), &command);
        // By its item however typed, or by its class in any case.
        EXPECT_EQ(findToolNamed(" " + std::string(command.item) + "  "), &command);
        EXPECT_EQ(findToolNamed(command.className), &command);
    }
    EXPECT_EQ(findToolCommand(0), nullptr);
    EXPECT_EQ(findToolNamed("quadratic formula"), findToolNamed("QUADRATIC  FORMULA"));
    EXPECT_EQ(findToolNamed("mycalculator"), findToolNamed("Advanced Calculator"));
    EXPECT_EQ(findToolNamed(" mycalculator"), nullptr);  // a class name is matched as written
    EXPECT_EQ(findToolNamed(""), nullptr);
}

// The tools' templates, the About box and the template no command opens.
TEST(CommandTable, TemplateListComesFromTheCommands) {
    std::set<int> expected{100, 144};
    for (const ToolCommand& command : toolCommands()) {
        expected.insert(command.dialogTemplate->id);
        EXPECT_EQ(findTemplate(command.dialogTemplate->id), command.dialogTemplate);
    }
    std::set<int> listed;
    for (const DialogTemplate* dialogTemplate : allTemplates()) {
        EXPECT_TRUE(listed.insert(dialogTemplate->id).second) << dialogTemplate->id;
    }
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(findTemplate(999), nullptr);
}

std::vector<std::string> titles(const std::vector<MenuPopup>& popups) {
    std::vector<std::string> result;
    for (const MenuPopup& popup : popups) {
        result.emplace_back(popup.title);
    }
    return result;
}

TEST(MenuPopups, FollowTheTable) {
    const std::vector<MenuPopup> popups = menuPopups(toolCommands());
    EXPECT_EQ(titles(popups), (std::vector<std::string>{"&Mathematics", "&Physics", "C&hemistry",
                                                        "&Astronomy", "Calc&ulators", "&Conversions"}));
    std::size_t items = 0;
    for (const MenuPopup& popup : popups) {
        items += popup.commands.size();
    }
    EXPECT_EQ(items, toolCommands().size());
}

// A row away from the others of its popup still joins that popup, in row order.
TEST(MenuPopups, GroupRowsWhereverTheyStand) {
    const ToolCommand rows[] = {
        {"&Physics", "A", 1, "A", nullptr, nullptr},
        {"&Mathematics", "B", 2, "B", nullptr, nullptr},
        {"&Physics", "C", 3, "C", nullptr, nullptr},
    };
    const std::vector<MenuPopup> popups = menuPopups(rows);
    ASSERT_EQ(titles(popups), (std::vector<std::string>{"&Physics", "&Mathematics"}));
    EXPECT_EQ(popups[0].commands, (std::vector<const ToolCommand*>{&rows[0], &rows[2]}));
    EXPECT_EQ(popups[1].commands, (std::vector<const ToolCommand*>{&rows[1]}));
}

}  // namespace
