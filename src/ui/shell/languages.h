// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QString>

class QCoreApplication;

// The program speaks the user's language, chosen as every desktop program
// chooses it: the first of QLocale::system().uiLanguages() (from LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG) that has a catalogue, English for C/POSIX
// and every language without one. Qt's own words (the file dialogs, the
// fields' context menus) follow from Qt's catalogue of the same language.
// Number texts, what fields accept, the settings and the command line never
// change with it. Returns the language chosen ("de"), empty for English.
QString installLanguage(QCoreApplication& app);

// Han characters are written in Chinese and in Japanese forms, and one font
// file holds both: the application font names, behind its own family, the
// fallback whose forms are the language's ("ja", "zh_CN"), where the system's
// choice would follow the locale's script alone. Other languages need none.
void useLanguageFonts(const QString& language);

// Where the program's catalogues are: installed beside the program's share
// folder, or in the build tree.
QString catalogueFolder();
