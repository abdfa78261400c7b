// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

class QDialog;

// Another client of the display may destroy a box's window (xdotool
// windowclose does). Qt only sees the window unmapped and keeps the widget
// "visible" for ever (Qt 6.4.2, Debian 12; no QTBUG found); a watched box is
// finished instead, as if closed, so that whatever waits for its answer goes
// on.
namespace foreign_close {

// Watches the box until it finishes or is destroyed.
void watch(QDialog* box);

}  // namespace foreign_close
