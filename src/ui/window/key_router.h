// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QObject>

#include "ui/window/template_builder.h"

class HandlerRunner;
class QDialog;
class QKeyEvent;
class ResultAnnouncer;
class Tool;

// Where a key typed in a tool window goes. The tool has the first look at a
// typed key (a calculator's digits, Backspace, Enter), before any control:
// a read-only edit would otherwise swallow Backspace and Delete (QLineEdit
// takes them while read-only in Qt 6.4.2, Debian 12; no QTBUG found). Arrow
// keys on a unit button press its neighbour in the row, as in the desktop's
// radio groups. Enter follows the template, not Qt's habits: a focused button
// is pressed; otherwise the template's default button; where the template has
// none, the window confirms. Esc closes the window.
class KeyRouter : public QObject {
public:
    // Watches every control of the window.
    KeyRouter(QDialog* window, const BuiltControls& controls, Tool& tool, HandlerRunner& runner,
              ResultAnnouncer& announcer);

    // A key that no control took, come to the window itself; true when taken.
    bool windowKey(QKeyEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Gives the tool the first look at a typed key; true when it took it.
    // Keys typed into a field the user may edit stay the field's.
    bool offerKey(const QObject* target, QKeyEvent* event);
    // Arrow keys on a unit button press its neighbour in the row; true when taken.
    bool moveInUnitRow(QObject* watched, const QKeyEvent& event);

    QDialog* window_;
    const BuiltControls& controls_;
    Tool& tool_;
    HandlerRunner& runner_;
    ResultAnnouncer& announcer_;
};
