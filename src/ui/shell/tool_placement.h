// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

class QWidget;
class ToolWindow;

// Every copy of a tool opens at the one spot the platform gives it, each
// hiding the one before. A copy that would open on another is stepped down
// and right by a caption bar's height, wrapping back inside the screen, until
// it stands clear. Copies of other tools keep the platform's spot. Called
// before the window is first shown.
void placeClearOfCopies(ToolWindow& window, QWidget& owner);
