// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "core/templates/dialog_template.h"

struct ToolCommand;

namespace tool_runner {

// A control as a user names it: the field's accessible name, the button's caption.
struct NamedControl {
    const ControlTemplate* row;
    std::string name;
    std::string key;  // the name without '&', extra blanks and case, as steps are matched
};

// A tool's fields and buttons by the names a user gives them, read from its
// template alone: what the steps of a command line are resolved against
// before any tool runs. A lookup throws Refused for a name that fits no
// control, or more than one.
class ControlNames {
public:
    explicit ControlNames(const ToolCommand& command);

    // By name, or by "#" and the control's id.
    int fieldId(std::string_view name) const { return find(fields_, name, "field").row->id; }
    int buttonId(std::string_view name) const { return find(buttons_, name, "button").row->id; }
    // Whether the tool draws its answer as a picture (--svg).
    bool drawsPicture() const;
    // Whether the tool's presses record worked steps (--steps).
    bool recordsSteps() const;

    const ToolCommand& command() const { return command_; }
    // In template order.
    const std::vector<NamedControl>& fields() const { return fields_; }
    // The button Enter presses, or nullptr where Enter confirms the window.
    const ControlTemplate* defaultButton() const;

    // The fields and buttons: name, id and kind, as lines or one JSON object.
    void list(std::ostream& out, bool json) const;

private:
    const NamedControl& find(const std::vector<NamedControl>& controls, std::string_view name,
                             const char* what) const;

    const ToolCommand& command_;
    std::vector<NamedControl> fields_;
    std::vector<NamedControl> buttons_;
};

}  // namespace tool_runner
