// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/shell/tool_placement.h"

#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <cstdlib>

#include "ui/window/tool_window.h"

void placeClearOfCopies(ToolWindow& window, QWidget& owner) {
    QList<const ToolWindow*> copies;
    for (const ToolWindow* other : owner.findChildren<ToolWindow*>(Qt::FindDirectChildrenOnly)) {
        if (other != &window && other->isVisible() &&
            other->dialogTemplate().id == window.dialogTemplate().id) {
            copies << other;
        }
    }
    if (copies.isEmpty()) {
        return;
    }
    // The spot is asked of the platform window as showing it would ask:
    // whether a position means the frame or the inside depends on what the
    // platform knows of the frame by then, so the native window is made
    // first (Qt 6.4.2's xcb platform; no QTBUG found).
    window.winId();
    window.adjustPosition(&owner);

    const ToolWindow& shown = *copies.constFirst();
    const QPoint inset = shown.geometry().topLeft() - shown.frameGeometry().topLeft();
    const QSize frame = shown.frameGeometry().size();
    // A frame deeper at the top than at the sides tells the caption bar's
    // height; without one, the style's caption bar stands in. A step less
    // than a line of text would leave the copy's caption hidden.
    const int caption = inset.y() > inset.x()
                            ? inset.y()
                            : window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    const int step = std::max(caption, window.fontMetrics().height());
    const QRect screen = owner.screen()->availableGeometry();
    const auto covered = [&copies, step](QPoint spot) {
        return std::any_of(copies.cbegin(), copies.cend(), [spot, step](const ToolWindow* copy) {
            const QPoint apart = copy->geometry().topLeft() - spot;
            return std::abs(apart.x()) < step / 2 && std::abs(apart.y()) < step / 2;
        });
    };
    const QPoint opening = window.geometry().topLeft();
    QPoint spot = opening;
    for (qsizetype tries = 0; tries < copies.size() && covered(spot); ++tries) {
        spot += QPoint(step, step);
        if (spot.x() - inset.x() + frame.width() > screen.right() + 1) {
            spot.setX(screen.left() + inset.x());
        }
        if (spot.y() - inset.y() + frame.height() > screen.bottom() + 1) {
            spot.setY(screen.top() + inset.y());
        }
    }
    window.move(window.pos() + (spot - opening));
}
