// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <string>

// Everything the page builds its windows from, as one JSON object, read once
// at start: the menus in the command table's order, and for each tool its
// template (controls in Tab order, in dialog units), the names the desktop
// and the command line give its controls, its grid, the keys that press its
// buttons, and whether it draws and records steps; and the About box.
namespace catalogue {

std::string json();

}  // namespace catalogue
