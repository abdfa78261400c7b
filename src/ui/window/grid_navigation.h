// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QHash>
#include <QObject>

#include "core/templates/button_grid.h"

class QAbstractButton;
class QWidget;
struct DialogTemplate;

// The keyboard on a template's button grid (the periodic table): the arrow
// keys move as the table is drawn, typing a symbol or the start of a name
// moves to that button, and each button tells a screen reader what it stands
// for. The grid's shape comes from the template, never from where the
// buttons happen to be drawn.
class GridNavigation : public QObject {
public:
    // Takes the keys of the grid's buttons in `window`, a dialog built from
    // `dialogTemplate`; does nothing for a template without a grid.
    static void attach(QWidget* window, const DialogTemplate& dialogTemplate, const char* context);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GridNavigation(QWidget* window, const ButtonGrid& grid, const char* context);
    void moveTo(int id);

    const ButtonGrid& grid_;
    QHash<int, QAbstractButton*> buttons_;
    QHash<const QObject*, int> ids_;
    TypeAhead typed_;
};
