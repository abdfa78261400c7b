// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/command_line/control_names.h"

#include <ostream>

#include "core/command_line/json_writer.h"
#include "core/command_line/tool_arguments.h"
#include "core/commands/command_table.h"
#include "core/commands/typed_name.h"
#include "core/text/utf8.h"
#include "core/tool/tool.h"

namespace tool_runner {

namespace {

bool isField(const ControlTemplate& row) {
    return row.kind == ControlKind::Edit && row.id != kNoId;
}

bool isButton(const ControlTemplate& row) {
    return (row.kind == ControlKind::PushButton || row.kind == ControlKind::UnitButton) && row.id != kNoId;
}

const char* kindName(const ControlTemplate& row) {
    return row.kind == ControlKind::Edit         ? "field"
           : row.kind == ControlKind::UnitButton ? "unit button"
                                                 : "button";
}

// A field by its accessible name, a button by its caption without '&'.
std::string nameOf(const ControlTemplate& row) {
    if (isField(row)) {
        return row.name != nullptr ? row.name : "";
    }
    return typed_name::withoutMnemonic(row.caption);
}

std::string listOf(const std::vector<NamedControl>& controls) {
    std::string list;
    for (const NamedControl& control : controls) {
        list += (list.empty() ? "" : ", ") +
                (control.name.empty() ? "#" + std::to_string(control.row->id) : control.name);
    }
    return list;
}

}  // namespace

ControlNames::ControlNames(const ToolCommand& command) : command_(command) {
    for (const ControlTemplate& row : command.dialogTemplate->controls) {
        if (isField(row)) {
            fields_.push_back({&row, nameOf(row), typed_name::key(nameOf(row))});
        } else if (isButton(row)) {
            buttons_.push_back({&row, nameOf(row), typed_name::key(nameOf(row))});
        }
    }
}

bool ControlNames::drawsPicture() const {
    return command_.draws();
}

bool ControlNames::recordsSteps() const {
    return command_.create()->recordsSteps();
}

const ControlTemplate* ControlNames::defaultButton() const {
    for (const NamedControl& button : buttons_) {
        if ((button.row->flags & cf::Default) != 0) {
            return button.row;
        }
    }
    return nullptr;
}

void ControlNames::list(std::ostream& out, bool json) const {
    std::vector<std::string> names;
    std::vector<json_writer::Control> controls;
    names.reserve(command_.dialogTemplate->controls.size());
    for (const ControlTemplate& row : command_.dialogTemplate->controls) {
        if (isField(row) || isButton(row)) {
            names.push_back(nameOf(row));
            controls.push_back({row.id, names.back(), kindName(row)});
        }
    }
    if (json) {
        json_writer::writeControls(out, command_.className, controls);
        return;
    }
    for (const json_writer::Control& control : controls) {
        out << control.name << '\t' << control.id << '\t' << control.kind << '\n';
    }
}

// The control a user means by name (or by "#" and its id), or why there is none.
const NamedControl& ControlNames::find(const std::vector<NamedControl>& controls, std::string_view name,
                                       const char* what) const {
    std::vector<const NamedControl*> found;
    if (name.starts_with('#')) {
        for (const NamedControl& control : controls) {
            if (std::to_string(control.row->id) == name.substr(1)) {
                found.push_back(&control);
            }
        }
    } else {
        const std::string wanted = typed_name::key(name);
        for (const NamedControl& control : controls) {
            if (!wanted.empty() && control.key == wanted) {
                found.push_back(&control);
            }
        }
    }
    if (found.size() == 1) {
        return *found.front();
    }
    if (found.empty()) {
        throw Refused{std::string(command_.className) + " has no " + what + " '" + utf8::escaped(name) +
                      "'; its " + what + "s are: " + listOf(controls)};
    }
    std::string ids;
    for (const NamedControl* control : found) {
        ids += (ids.empty() ? "#" : " and #") + std::to_string(control->row->id);
    }
    throw Refused{"'" + utf8::escaped(name) + "' fits more than one " + what + " of " + command_.className +
                  ": " + ids};
}

}  // namespace tool_runner
