// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/figures/solver_figures.h"
#include "core/templates/dialog_template.h"
#include "core/tool/tool.h"

// One menu command that opens a tool: which class, from which template.
struct ToolCommand {
    const char* popup;  // menu popup title, '&' marks the mnemonic
    const char* item;   // item text
    int commandId;
    const char* className;
    const DialogTemplate* dialogTemplate;
    std::unique_ptr<Tool> (*create)();
    // How the tool draws its answer as a picture; none for most tools.
    figure::Maker figure = nullptr;

    bool draws() const { return figure != nullptr; }
    // The tool's picture, computed from its fields' texts as they stand, its
    // words in the wording's language (as written without one); nothing for
    // a tool that draws none.
    std::optional<figure::Figure> picture(const FieldHost& fields, const Wording* wording = nullptr) const;
};

// Every tool command, in menu order within each popup. This table is the
// program's one list of tools: the menus and the list of templates come from it.
std::span<const ToolCommand> toolCommands();
const ToolCommand* findToolCommand(int commandId);
// The tool a user means by its menu item (any case, '&' and repeated blanks
// not counting) or its class name (any case); nullptr when none fits.
const ToolCommand* findToolNamed(std::string_view name);

// A menu popup and its commands, in table order.
struct MenuPopup {
    std::string_view title;
    std::vector<const ToolCommand*> commands;
};

// The popups in the order their titles first appear: a row joins its popup
// wherever it stands in the table, so no popup is ever made twice.
std::vector<MenuPopup> menuPopups(std::span<const ToolCommand> commands);
