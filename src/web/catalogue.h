// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <string>

// What the page builds its menus and windows from, as JSON.
namespace catalogue {

// Read at start, and so kept small: the menus in the command table's order,
// each tool's item, class and command, and the About box's template.
std::string menus();

// Read when a window of the tool opens: its template (controls in Tab order,
// in dialog units), the names the desktop and the command line give its
// controls, its grid, the keys that press its buttons, and whether it draws
// and records steps; "null" for a command that opens no tool.
std::string tool(int commandId);

}  // namespace catalogue
