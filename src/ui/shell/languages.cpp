// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/shell/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
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

namespace {

// Whether the user's messages locale is C or POSIX: then the program speaks
// English, and LANGUAGE does not count, as gettext has it. Qt reads
// LANGUAGE whatever the locale (its uiLanguages() put "de" first for
// LANGUAGE=de LC_ALL=C in Qt 6.4.2, Debian 12; no QTBUG found).
bool messagesInC() {
    QByteArray locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qgetenv(variable);
        if (!locale.isEmpty()) {
            break;
        }
    }
    return locale.isEmpty() || locale == "C" || locale == "POSIX" || locale.startsWith("C.");
}

}  // namespace

void useLanguageFonts(const QString& language) {
    const QString han = language.startsWith(QLatin1String("ja"))   ? QStringLiteral("Noto Sans CJK JP")
                        : language.startsWith(QLatin1String("zh")) ? QStringLiteral("Noto Sans CJK SC")
                                                                   : QString();
    QFont font = QGuiApplication::font();
    font.setFamilies(han.isEmpty() ? QStringList{font.family()} : QStringList{font.family(), han});
    QGuiApplication::setFont(font);
}

QString installLanguage(QCoreApplication& app) {
    if (messagesInC()) {
        return {};
    }
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
    // Every window mirrors for a language written right to left (Qt would only
    // from its own catalogue of that language, which may be missing; Qt 6.4.2,
    // Debian 12, by design); after the catalogues, whose installing makes Qt
    // choose the direction again.
    if (QLocale(language).textDirection() == Qt::RightToLeft) {
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    }
    useLanguageFonts(language);
    return language;
}
