// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/widgets/translated.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// What separates the length variants of one translation.
constexpr QChar kVariantSeparator(0x9c);

QStringList variants(const char* context, const char* text) {
    if (text == nullptr) {
        return {QString()};
    }
    if (context == nullptr) {
        return {QString::fromUtf8(text)};
    }
    return QCoreApplication::translate(context, text).split(kVariantSeparator);
}

}  // namespace

QString translated(const char* context, const char* text) {
    return variants(context, text).constFirst();
}

TranslatedCaption translatedCaption(const char* context, const char* text) {
    const QStringList all = variants(context, text);
    return {all.constLast(), all.size() > 1 ? all.constFirst() : QString()};
}
