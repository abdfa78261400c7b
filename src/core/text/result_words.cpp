// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/text/result_words.h"

namespace result_words {

std::string changes(std::span<const Field> fields, bool whole, std::string_view word,
                    std::string_view postscript, std::string_view blank) {
    std::string spoken;
    const auto add = [&spoken](std::string_view part) {
        if (!spoken.empty()) {
            spoken += ", ";
        }
        spoken += part;
    };
    if (!word.empty()) {
        add(word);
    }
    for (const Field& field : fields) {
        if ((field.before == field.after && !whole) || !field.spoken || field.readThere) {
            continue;
        }
        add(std::string(field.name) + ' ' + std::string(field.after.empty() ? blank : field.after));
    }
    if (!postscript.empty()) {
        add(postscript);
    }
    return spoken;
}

}  // namespace result_words
