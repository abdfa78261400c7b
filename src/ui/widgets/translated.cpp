// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/widgets/translated.h"

#include <QCoreApplication>

namespace {

class InstalledCatalogues : public Catalogue {
public:
    std::string lookup(const char* context, const char* text) const override {
        return QCoreApplication::translate(context, text).toStdString();
    }
};

}  // namespace

const Catalogue& installedCatalogues() {
    static const InstalledCatalogues installed;
    return installed;
}

QString translated(const char* context, const char* text) {
    if (text == nullptr) {
        return {};
    }
    if (context == nullptr) {
        return QString::fromUtf8(text);
    }
    return QString::fromStdString(length_variants::full(installedCatalogues().lookup(context, text)));
}

TranslatedCaption translatedCaption(const char* context, const char* text) {
    if (text == nullptr || context == nullptr) {
        return {translated(context, text), QString()};
    }
    const std::string all = installedCatalogues().lookup(context, text);
    return {QString::fromStdString(length_variants::shortest(all)),
            length_variants::shortened(all) ? QString::fromStdString(length_variants::full(all)) : QString()};
}
