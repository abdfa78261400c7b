// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/shell/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QString catalogueFolder() {
    const QDir bin(QCoreApplication::applicationDirPath());
    for (const char* relative : {"../share/brimlet/translations", "translations", "../translations"}) {
        const QString folder = bin.filePath(QString::fromLatin1(relative));
        if (QDir(folder).exists()) {
            return QDir::cleanPath(folder);
        }
    }
    return {};
}

QString installLanguage(QCoreApplication& app) {
    auto* own = new QTranslator(&app);
    // QTranslator walks the user's languages in order ("de-AT", "de", ...).
    if (!own->load(QLocale::system(), QStringLiteral("brimlet"), QStringLiteral("_"), catalogueFolder())) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);
    const QString language = own->language().section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0);
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qt_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    return language;
}
