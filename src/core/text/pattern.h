// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// Patterns whose values are named by their place, as Qt's QString::arg()
// names them: "%1" is the first value, "%2" the second. A translation puts
// them in the order its language wants ("%2 ÷ %1"), names one twice or
// leaves one out, and each value goes in as it is: a "%1" inside a value is
// not read again.
//
// A "%" followed by digits takes the longest number that names one of the
// count values (Qt's rule): with twelve values "%12" is the twelfth, with
// three it is the first followed by a "2". Any other "%" is the pattern's own
// text: "%" before a non-digit ("5 %"), "%0", a leading zero ("%01"), and a
// number beyond the values ("%4" of three).
namespace pattern {

// Where a value's name starts at pos: its length (0 when none does) and
// which value it names, counted from 0.
struct Place {
    std::size_t length = 0;
    std::size_t index = 0;
};
Place placeAt(std::string_view pattern, std::size_t pos, std::size_t count);

// pattern with each name of one of its count values replaced: append(out,
// index, after) appends the value to out, the text filled in so far, where
// after is the pattern's rest, so a value may look at what stands around it.
template <class Append>
std::string fill(std::string_view pattern, std::size_t count, Append&& append) {
    std::string out;
    out.reserve(pattern.size() + 16 * count);
    for (std::size_t pos = 0; pos < pattern.size();) {
        // The pattern's own text up to the next '%', at once.
        std::size_t mark = pos;
        while (mark < pattern.size() && pattern[mark] != '%') {
            ++mark;
        }
        out.append(pattern.substr(pos, mark - pos));
        if (mark == pattern.size()) {
            break;
        }
        const Place place = placeAt(pattern, mark, count);
        if (place.length == 0) {
            out += '%';
            pos = mark + 1;
            continue;
        }
        pos = mark + place.length;
        append(out, place.index, pattern.substr(pos));
    }
    return out;
}

// pattern with "%1", "%2", ... replaced by values as they stand.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace pattern
