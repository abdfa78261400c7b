// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/window/tool_wording.h"

#include <QCoreApplication>
#include <QString>

#include "ui/widgets/translated.h"

namespace {

// The places a pattern takes its values, in order: "{}" and "{t}".
std::string placesOf(std::string_view pattern) {
    std::string places;
    for (std::size_t pos = pattern.find('{'); pos != std::string_view::npos;
         pos = pattern.find('{', pos + 1)) {
        if (pattern.substr(pos, 2) == "{}") {
            places += 'v';
        } else if (pattern.substr(pos, 3) == "{t}") {
            places += 't';
        }
    }
    return places;
}

}  // namespace

std::string ToolWording::operator()(std::string_view text) const {
    const std::string source(text);
    std::string words = QCoreApplication::translate("Wording", source.c_str()).toStdString();
    if (words == source && context_ != nullptr) {
        words = translated(context_, source.c_str()).toStdString();
    }
    // A translation that takes its values otherwise than the English would
    // put them in the wrong places: the English stands instead.
    return placesOf(words) == placesOf(source) ? words : source;
}
