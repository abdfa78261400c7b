// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/steps/wording.h"

#include "core/text/pattern.h"

namespace wording {

std::string of(const Wording* wording, std::string_view text) {
    return wording != nullptr ? (*wording)(text) : std::string(text);
}

std::string fill(const Wording* wording, std::string_view pattern,
                 std::initializer_list<std::string_view> args) {
    return pattern::fill(of(wording, pattern), args);
}

}  // namespace wording
