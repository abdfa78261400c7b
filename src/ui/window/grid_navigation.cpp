// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/window/grid_navigation.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include "core/templates/dialog_template.h"
#include "ui/widgets/translated.h"

namespace {

bool gridMoveOf(int key, GridMove& move) {
    switch (key) {
        case Qt::Key_Left:
            move = GridMove::Left;
            return true;
        case Qt::Key_Right:
            move = GridMove::Right;
            return true;
        case Qt::Key_Up:
            move = GridMove::Up;
            return true;
        case Qt::Key_Down:
            move = GridMove::Down;
            return true;
        default:
            return false;
    }
}

// A letter typed to name a button; Space and the rest keep their meaning.
bool letterOf(const QKeyEvent& event, char& letter) {
    const QString text = event.text();
    if (text.size() != 1 || text.at(0).unicode() >= 0x80 || !text.at(0).isLetter()) {
        return false;
    }
    letter = static_cast<char>(text.at(0).toLower().unicode());
    return true;
}

}  // namespace

void GridNavigation::attach(QWidget* window, const DialogTemplate& dialogTemplate, const char* context) {
    if (dialogTemplate.grid != nullptr) {
        new GridNavigation(window, *dialogTemplate.grid, context);
    }
}

GridNavigation::GridNavigation(QWidget* window, const ButtonGrid& grid, const char* context)
    : QObject(window), grid_(grid) {
    for (const GridButton& cell : grid.buttons()) {
        auto* button =
            window->findChild<QAbstractButton*>(QString::number(cell.id), Qt::FindDirectChildrenOnly);
        if (button == nullptr) {
            continue;
        }
        buttons_.insert(cell.id, button);
        ids_.insert(button, cell.id);
        if (const ButtonGrid::Description parts = grid.descriptionParts(cell.id); parts.pattern != nullptr) {
            button->setAccessibleDescription(QString::fromStdString(
                ButtonGrid::description(parts, translated(context, parts.pattern).toStdString())));
        }
        // Installed after the window's own filter, so it sees the keys first.
        button->installEventFilter(this);
    }
}

bool GridNavigation::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const int from = ids_.value(watched, kNoId);
    GridMove move{};
    char letter = 0;
    if (modifiers == Qt::NoModifier && gridMoveOf(key->key(), move)) {
        moveTo(grid_.neighbour(from, move));
        return true;
    }
    if ((modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier) && letterOf(*key, letter)) {
        moveTo(grid_.find(typed_.type(letter, TypeAhead::Clock::now())));
        return true;
    }
    return false;
}

void GridNavigation::moveTo(int id) {
    if (QAbstractButton* button = buttons_.value(id)) {
        // A move by the keyboard, as Tab's: the focus mark shows. Qt marks it
        // by itself for Tab and the arrow keys only, not for typed letters
        // (Qt 6.4.2, Debian 12; no QTBUG found).
        button->window()->setAttribute(Qt::WA_KeyboardFocusChange);
        button->setFocus(Qt::TabFocusReason);
    }
}
