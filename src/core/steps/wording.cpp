// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/steps/wording.h"

namespace wording {

std::string of(const Wording* wording, std::string_view text) {
    return wording != nullptr ? (*wording)(text) : std::string(text);
}

std::string fill(const Wording* wording, std::string_view pattern,
                 std::initializer_list<std::string_view> args) {
    const std::string words = of(wording, pattern);
    std::string out;
    out.reserve(words.size() + 16 * args.size());
    auto next = args.begin();
    for (std::size_t pos = 0; pos < words.size(); ++pos) {
        if (next != args.end() && words.compare(pos, 2, "{}") == 0) {
            out += *next++;
            ++pos;
        } else {
            out += words[pos];
        }
    }
    return out;
}

}  // namespace wording
