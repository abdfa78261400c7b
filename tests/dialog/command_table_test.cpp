#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/app/command_table.h"
#include "core/app/template_registry.h"

namespace {

bool isButton(const ControlTemplate& control) {
    return control.kind == ControlKind::PushButton || control.kind == ControlKind::UnitButton;
}

class Command : public testing::TestWithParam<const ToolCommand*> {};

// The row pairs a template with a tool: every field the tool binds is an
// edit of that template and every edit is bound; every captioned button has
// a handler, and nothing but a button has one.
TEST_P(Command, ToolAndTemplateAgree) {
    const ToolCommand& command = *GetParam();
    const DialogTemplate& dialog = *command.dialogTemplate;
    const std::unique_ptr<Tool> tool = command.create();
    std::set<int> bound;
    for (const Binding& binding : tool->bindings()) {
        EXPECT_TRUE(bound.insert(binding.controlId).second) << "bound twice: " << binding.controlId;
    }
    std::set<int> edits;
    std::set<int> buttons;
    for (const ControlTemplate& control : dialog.controls) {
        SCOPED_TRACE(testing::Message() << "control " << control.id);
        if (control.kind == ControlKind::Edit) {
            edits.insert(control.id);
        }
        if (isButton(control)) {
            buttons.insert(control.id);
            if (control.caption[0] != '\0') {
                EXPECT_TRUE(tool->hasHandler(control.id));
            }
        }
    }
    EXPECT_EQ(bound, edits);
    // A handler for an id that names no button of the template is a slip too.
    for (int id = 0; id <= 0xFFFF; ++id) {
        if (tool->hasHandler(id)) {
            EXPECT_TRUE(buttons.contains(id)) << "handler for " << id << ", which is no button";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tools, Command, testing::ValuesIn([] {
                             std::vector<const ToolCommand*> all;
                             for (const ToolCommand& command : toolCommands()) {
                                 all.push_back(&command);
                             }
                             return all;
                         }()),
                         [](const auto& info) { return std::string(info.param->className); });

TEST(CommandTable, CommandsClassesAndTemplatesAreEachOnce) {
    std::set<int> ids;
    std::set<std::string> classes;
    std::set<const DialogTemplate*> templates;
    for (const ToolCommand& command : toolCommands()) {
        EXPECT_TRUE(ids.insert(command.commandId).second) << command.item;
        EXPECT_TRUE(classes.insert(command.className).second) << command.item;
        EXPECT_TRUE(templates.insert(command.dialogTemplate).second) << command.item;
        EXPECT_EQ(findToolCommand(command.commandId), &command);
    }
    EXPECT_EQ(ids.size(), 23u);
    EXPECT_EQ(findToolCommand(0), nullptr);
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
