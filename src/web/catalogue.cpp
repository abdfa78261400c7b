// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "web/catalogue.h"

#include "core/command_line/control_names.h"
#include "core/command_line/json_writer.h"
#include "core/commands/command_table.h"
#include "core/commands/typed_name.h"
#include "core/resources/templates.h"
#include "core/resources/version.h"
#include "core/templates/button_grid.h"
#include "core/templates/template_mirror.h"
#include "web/page_language.h"

namespace catalogue {

namespace {

using json_writer::quoted;

const char* kindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit:
            return "edit";
        case ControlKind::PushButton:
            return "button";
        case ControlKind::UnitButton:
            return "unit";
        case ControlKind::GroupBox:
            return "group";
        case ControlKind::Label:
            return "label";
        case ControlKind::Icon:
            return "icon";
    }
    return "label";
}

// The name a user gives a control, in the page's language: the command
// line's for its fields and buttons, where it has one.
std::string nameOf(const ControlTemplate& control, const tool_runner::ControlNames* names,
                   const char* context) {
    if (names != nullptr && control.id != kNoId) {
        for (const tool_runner::NamedControl& field : names->fields()) {
            if (field.row == &control) {
                return pageWord(context, field.name.c_str());
            }
        }
    }
    if (control.kind == ControlKind::PushButton || control.kind == ControlKind::UnitButton) {
        return typed_name::withoutMnemonic(pageCaption(context, control.caption));
    }
    return pageWord(context, control.name);
}

// context: where the catalogues have the window's words (the tool's class name).
std::string controlJson(const ControlTemplate& control, const DialogTemplate& dialog, const Tool* tool,
                        const tool_runner::ControlNames* names, const char* context) {
    const int x = pageLanguage().rightToLeft() ? TemplateMirror(dialog).x(control) : control.x;
    std::string description = pageWord(context, control.description);
    if (dialog.grid != nullptr && control.id != kNoId && description.empty()) {
        if (const ButtonGrid::Description parts = dialog.grid->descriptionParts(control.id);
            parts.pattern != nullptr) {
            description = ButtonGrid::description(parts, pageWord(context, parts.pattern));
        }
    }
    std::string keys;
    if (tool != nullptr && control.id != kNoId) {
        for (const std::string& key : tool->keyNames(control.id)) {
            keys += (keys.empty() ? "" : ",") + quoted(pageWord("ToolWindow", key.c_str()));
        }
    }
    return "{\"id\":" + std::to_string(control.id) + ",\"kind\":\"" + kindName(control.kind) +
           "\",\"caption\":" + quoted(pageCaption(context, control.caption)) +
           ",\"full\":" + quoted(pageFullCaption(context, control.caption)) + ",\"x\":" + std::to_string(x) +
           ",\"y\":" + std::to_string(control.y) + ",\"w\":" + std::to_string(control.w) +
           ",\"h\":" + std::to_string(control.h) + ",\"flags\":" + std::to_string(control.flags) +
           ",\"name\":" + quoted(nameOf(control, names, context)) +
           ",\"description\":" + quoted(description) + ",\"keys\":[" + keys + "]" +
           ",\"handled\":" + (tool != nullptr && tool->hasHandler(control.id) ? "true" : "false") + "}";
}

std::string gridJson(const ButtonGrid* grid) {
    std::string cells;
    if (grid != nullptr) {
        for (const GridButton& button : grid->buttons()) {
            cells += (cells.empty() ? "[" : ",[") + std::to_string(button.id) + "," +
                     std::to_string(button.row) + "," + std::to_string(button.column) + "]";
        }
    }
    return "[" + cells + "]";
}

std::string templateJson(const DialogTemplate& dialog, const Tool* tool,
                         const tool_runner::ControlNames* names, const char* context) {
    std::string controls;
    for (const ControlTemplate& control : dialog.controls) {
        controls += (controls.empty() ? "" : ",") + controlJson(control, dialog, tool, names, context);
    }
    return "{\"id\":" + std::to_string(dialog.id) +
           ",\"caption\":" + quoted(pageWord(context, dialog.caption)) +
           ",\"name\":" + quoted(pageWord(context, dialog.name != nullptr ? dialog.name : dialog.caption)) +
           ",\"width\":" + std::to_string(dialog.width) + ",\"height\":" + std::to_string(dialog.height) +
           ",\"sheet\":" + (dialog.sheet ? "true" : "false") + ",\"grid\":" + gridJson(dialog.grid) +
           ",\"controls\":[" + controls + "]}";
}

std::string itemJson(const ToolCommand& command) {
    return "{\"command\":" + std::to_string(command.commandId) +
           ",\"item\":" + quoted(pageWord("CMainFrame", command.item)) +
           ",\"className\":" + quoted(command.className) + "}";
}

}  // namespace

std::string menus() {
    std::string menus;
    for (const MenuPopup& popup : menuPopups(toolCommands())) {
        std::string items;
        for (const ToolCommand* command : popup.commands) {
            items += (items.empty() ? "" : ",") + itemJson(*command);
        }
        menus += (menus.empty() ? "" : ",") + std::string("{\"title\":") +
                 quoted(pageWord("CMainFrame", std::string(popup.title).c_str())) + ",\"tools\":[" + items +
                 "]}";
    }
    return "{\"product\":" + quoted(kProductName) + ",\"version\":" + quoted(kVersion) + ",\"menus\":[" +
           menus + "],\"about\":" + templateJson(kTemplate100, nullptr, nullptr, "CAboutDlg") + "}";
}

std::string tool(int commandId) {
    const ToolCommand* command = findToolCommand(commandId);
    if (command == nullptr) {
        return "null";
    }
    const std::unique_ptr<Tool> tool = command->create();
    const tool_runner::ControlNames names(*command);
    return "{\"command\":" + std::to_string(command->commandId) +
           ",\"className\":" + quoted(command->className) +
           ",\"draws\":" + (command->draws() ? "true" : "false") +
           ",\"steps\":" + (tool->recordsSteps() ? "true" : "false") +
           ",\"template\":" + templateJson(*command->dialogTemplate, tool.get(), &names, command->className) +
           "}";
}

}  // namespace catalogue
