// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>
#include <string>
#include <string_view>

// What a press has changed, in the words a screen reader is told after it:
// the word its key is heard as ("times"), then each field whose text changed,
// by its name and new text ("Meters 0.6096", or its name and the word for
// blank), then what is said after them ("Steps updated"), joined by ", ".
// The desktop and the web edition both say it so.
namespace result_words {

struct Field {
    std::string_view name;
    std::string_view before;
    std::string_view after;
    bool spoken;     // false: a running log (the calculator's history), read on demand
    bool readThere;  // the field the press gives back focused and selected: the reader reads it there
};

// whole: every spoken field is said, the unchanged too (a reference sheet, read
// whole as an entry). blank: the word for an empty text, in the user's
// language. Empty when there is nothing to say.
std::string changes(std::span<const Field> fields, bool whole, std::string_view word,
                    std::string_view postscript, std::string_view blank);

}  // namespace result_words
