// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/window/mirroring.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStyle>
#include <algorithm>

void keepFormulaLeftToRight(QWidget* widget) {
    const auto* button = qobject_cast<QAbstractButton*>(widget);
    auto* label = qobject_cast<QLabel*>(widget);
    const QString caption = button != nullptr ? button->text() : label != nullptr ? label->text() : QString();
    const bool rightToLeft = std::any_of(caption.begin(), caption.end(), [](QChar c) {
        return c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
    });
    if (caption.isEmpty() || rightToLeft) {
        return;
    }
    if (label != nullptr) {
        label->setAlignment(QStyle::visualAlignment(Qt::RightToLeft, label->alignment()) | Qt::AlignAbsolute);
    }
    widget->setLayoutDirection(Qt::LeftToRight);
}
