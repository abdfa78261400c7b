// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <map>
#include <string>
#include <utility>

#include "core/steps/catalogue_wording.h"

// The catalogue of the page's language, handed over by the page word by word
// when it starts (the desktop's .ts files, read at build time); empty for
// English, where every text stands as written.
class PageCatalogue : public Catalogue {
public:
    void add(std::string context, std::string source, std::string translation);
    std::string lookup(const char* context, const char* text) const override;

    // Whether the language is written right to left: then every window is
    // mirrored, as on the desktop (TemplateMirror).
    bool rightToLeft() const { return rightToLeft_; }
    void setRightToLeft(bool rightToLeft) { rightToLeft_ = rightToLeft; }

private:
    bool rightToLeft_ = false;
    std::map<std::pair<std::string, std::string>, std::string, std::less<>> words_;
};

// The page's one catalogue.
PageCatalogue& pageLanguage();

// A word of the program in the page's language, as the desktop's translated()
// and translatedCaption() give it: the full wording, or the caption a control
// shows (its shortest length variant). Empty for none.
std::string pageWord(const char* context, const char* text);
std::string pageCaption(const char* context, const char* text);
// The full wording of a caption that is shown shortened, else empty.
std::string pageFullCaption(const char* context, const char* text);
