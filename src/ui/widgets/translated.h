// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QString>

#include "core/steps/catalogue_wording.h"

// A word of the program in the user's language. A tool's words (its
// template's captions, names and descriptions, its messages) are looked up in
// the context of the tool's class name, the menus' in the main frame's; the
// English text is the key and stays when no catalogue has it. Empty for none.
// Where a catalogue gives length variants, this is the first: the full wording.
QString translated(const char* context, const char* text);

// A control's caption in the user's language. Where the full wording does not
// fit the control, the catalogue gives length variants (Qt Linguist's, full
// wording first): the control shows the last, and the full wording becomes
// its tooltip and accessible description; otherwise `full` is empty.
struct TranslatedCaption {
    QString shown;
    QString full;
};
TranslatedCaption translatedCaption(const char* context, const char* text);

// The catalogues installed in the application, as the core asks them.
const Catalogue& installedCatalogues();
