// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

class QMainWindow;

// F10 opens the window's menu bar at its first menu, as every desktop does.
void addMenuBarKey(QMainWindow* window);
