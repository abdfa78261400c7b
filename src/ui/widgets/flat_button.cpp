// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/widgets/flat_button.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

FlatButton::FlatButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void FlatButton::setTemplateDefault(bool isDefault) {
    templateDefault_ = isDefault;
    update();
}

void FlatButton::setInert() {
    inert_ = true;
    setFocusPolicy(Qt::NoFocus);
}

void FlatButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A painter takes the application's direction, not the button's (Qt
    // 6.4.2, Debian 12; no QTBUG found): a caption kept left to right in a
    // mirrored window needs it said.
    painter.setLayoutDirection(layoutDirection());
    const QPalette& pal = palette();
    const bool sunken = isDown() || isChecked();
    QRect area = rect();

    painter.fillRect(area, sunken ? pal.color(QPalette::Midlight).darker(108) : pal.color(QPalette::Button));
    painter.setPen(pal.color(QPalette::WindowText));
    if (templateDefault_) {
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        area.adjust(1, 1, -1, -1);
    }
    painter.setPen(sunken ? pal.color(QPalette::WindowText) : pal.color(QPalette::Dark));
    painter.drawRect(area.adjusted(0, 0, -1, -1));

    QRect textArea = area.adjusted(1, 1, -1, -1);
    if (sunken) {
        textArea.translate(1, 1);
    }
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    style()->drawItemText(&painter, textArea, flags, pal, isEnabled(), text(), QPalette::ButtonText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = area.adjusted(2, 2, -2, -2);
        focus.backgroundColor = pal.color(QPalette::Button);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void FlatButton::nextCheckState() {
    if (!isChecked()) {
        QPushButton::nextCheckState();
    }
}
