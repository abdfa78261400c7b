// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/text/pattern.h"

namespace pattern {

Place placeAt(std::string_view pattern, std::size_t pos, std::size_t count) {
    Place place;
    if (pattern[pos] != '%') {
        return place;
    }
    std::size_t number = 0;
    for (std::size_t at = pos + 1; at < pattern.size() && pattern[at] >= '0' && pattern[at] <= '9'; ++at) {
        number = number * 10 + static_cast<std::size_t>(pattern[at] - '0');
        if (number == 0 || number > count) {
            break;  // a leading zero, or past the values: no longer number names one
        }
        place = {at + 1 - pos, number - 1};
    }
    return place;
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
    return fill(pattern, values.size(),
                [&](std::string& out, std::size_t index, std::string_view) { out += values.begin()[index]; });
}

}  // namespace pattern
