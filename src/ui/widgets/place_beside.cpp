// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/widgets/place_beside.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

void placeBeside(QWidget* window, const QWidget* owner) {
    const QRect tool = owner->frameGeometry();
    const QSize size = window->frameGeometry().size().expandedTo(window->size());
    QPoint at(tool.right() + 8, tool.top());
    if (const QScreen* screen = owner->screen()) {
        const QRect room = screen->availableGeometry();
        if (at.x() + size.width() > room.right()) {
            at = tool.left() - 8 - size.width() >= room.left()
                     ? QPoint(tool.left() - 8 - size.width(), tool.top())
                     : QPoint(tool.left(), tool.bottom() + 8);
        }
        at.setX(std::max(room.left(), std::min(at.x(), room.right() - size.width())));
        at.setY(std::max(room.top(), std::min(at.y(), room.bottom() - size.height())));
    }
    window->move(at);
}
