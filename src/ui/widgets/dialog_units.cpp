// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/widgets/dialog_units.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <algorithm>

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = (letters / 26 + 1) / 2;
    baseY_ = metrics.height();
    // A fallback that draws the language's own script (Chinese, Japanese) has
    // a taller line: a row is as tall as the tallest line its caption may need,
    // as the desktop's dialog units follow a Chinese or Japanese dialog font.
    for (const QString& family : font.families().mid(1)) {
        QFont fallback = font;
        fallback.setFamilies({family});
        baseY_ = std::max(baseY_, QFontMetrics(fallback).height());
    }
}

QFont DialogUnits::dialogFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    // The units come from Liberation Sans; characters it lacks are drawn by
    // the application font's own fallbacks (the language's Han forms).
    font.setFamilies(QStringList{font.family()} + QGuiApplication::font().families().mid(1));
    font.setPointSize(8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont DialogUnits::textFont() {
    QFont font = dialogFont();
    font.setPointSizeF(7.5);
    return font;
}
