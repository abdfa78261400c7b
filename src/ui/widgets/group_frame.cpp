// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/widgets/group_frame.h"

#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace {

void drawLines(QPainter& painter, const QRect& box, const QColor& color) {
    painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), color);
    painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), color);
    painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), color);
    painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), color);
}

}  // namespace

GroupFrame::GroupFrame(const QString& caption, bool flat, QWidget* parent) : QGroupBox(caption, parent) {
    setFlat(flat);
}

int GroupFrame::topLine() const {
    return title().isEmpty() ? 0 : captionHeight() / 2;
}

// The caption's line as drawn: a Chinese or Japanese fallback font makes it
// taller than the frame's own font says.
int GroupFrame::captionHeight() const {
    QTextLayout layout(title(), font());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return std::max(fontMetrics().height(), static_cast<int>(std::ceil(line.height())));
}

int GroupFrame::captionGap() const {
    return std::max(2, fontMetrics().averageCharWidth() / 2);
}

QRect GroupFrame::captionRect() const {
    if (title().isEmpty()) {
        return {};
    }
    const QFontMetrics metrics = fontMetrics();
    const int gap = captionGap();
    const int width = metrics.horizontalAdvance(title()) + 2 * gap;
    // Near the end a line of text starts from: the right in a mirrored window.
    const int x =
        isRightToLeft() ? rect().width() - metrics.averageCharWidth() - width : metrics.averageCharWidth();
    return {x, 0, width, captionHeight()};
}

void GroupFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The box stays behind every control whatever its place in the template,
    // yet it must keep its place among its siblings (the template order):
    // where a control stands, the box draws nothing. Qt paints siblings in
    // the order of the children list, which is also the order assistive
    // tools walk, so lower() would move the box for them too (Qt 6.4.2).
    QRegion visible(rect());
    for (const QObject* sibling : parentWidget()->children()) {
        const auto* control = qobject_cast<const QWidget*>(sibling);
        if (control != nullptr && control != this && !control->isWindow() && control->isVisible() &&
            qobject_cast<const GroupFrame*>(control) == nullptr) {
            visible -= QRegion(control->geometry().translated(-pos()));
        }
    }
    const QRect caption = captionRect();
    painter.setClipRegion(visible - QRegion(caption));

    const QPalette& pal = palette();
    const QRect frame = rect().adjusted(0, topLine(), 0, 0);
    if (isFlat()) {
        drawLines(painter, frame, pal.color(QPalette::Dark));
    } else {
        drawLines(painter, frame.adjusted(1, 1, 0, 0), pal.color(QPalette::Light));
        drawLines(painter, frame.adjusted(0, 0, -1, -1), pal.color(QPalette::Dark));
    }

    if (!caption.isEmpty()) {
        painter.setClipRegion(visible);
        const int gap = captionGap();
        style()->drawItemText(&painter, caption.adjusted(gap, 0, -gap, 0),
                              Qt::AlignAbsolute | Qt::AlignHCenter | Qt::AlignTop, pal, isEnabled(), title(),
                              QPalette::WindowText);
    }
}
