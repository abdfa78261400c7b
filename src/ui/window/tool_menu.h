// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QPoint;
class QWidget;
class ToolWindow;

// The tool window's context menu, for its background (the fields have menus
// of their own), and from the keyboard Shift+F10 or the Menu key wherever
// the focus is not in a field: the window's actions, each with its key.
// Every window has Copy All Fields (Ctrl+Shift+C; Ctrl+C in a field still
// copies its selection), every result at once for a spreadsheet or a
// report, and Copy Field, one field's text, also of the fields that Tab
// passes by; what the window is given besides (Show Picture, Show Steps)
// joins them.
class ToolMenu : public QObject {
public:
    // fields: the window's edit fields, in template order.
    ToolMenu(ToolWindow* window, QList<QWidget*> fields);

    QMenu* popup(const QPoint& globalPos);

private:
    ToolWindow* window_;
    QList<QWidget*> fields_;
    QAction* opener_;  // the menu's keys, no entry of it
};
