// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

class QWidget;

// Moves a new window beside the one it belongs to, where it does not hide
// it: to its right, else to its left, else below it, inside the screen.
void placeBeside(QWidget* window, const QWidget* owner);
