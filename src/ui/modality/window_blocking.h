// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

class QDialog;
class QWidget;

// Modal boxes as the desktop the tools were drawn for has them: a box blocks
// the window that raised it and the windows that own that one (a tool's box
// blocks the tool and the main window), never the other tool windows. Qt's
// own modality cannot say this: an application-modal box blocks every window,
// and a window-modal one every window that shares an owner with its parent,
// which is every tool window (Qt 6.4.2, Debian 12, as documented; no QTBUG).
//
// No box runs an event loop of its own: the program's one loop runs on while
// boxes are open, so any number can be open at once and each is answered on
// its own.
namespace modal {

// Shows the dialog and returns at once. While it is open, the owner's window
// and the windows above it take no input; they are free again the moment the
// dialog finishes (answered, or closed in any way) or is destroyed, whoever
// destroys it, the program or another client of the display. A finished
// dialog is released (deleteLater): read its answer in a slot of its
// finished() signal.
void open(QDialog* dialog, QWidget* owner);

// True while a box blocks the window of this widget.
bool isBlocked(const QWidget* widget);

}  // namespace modal
