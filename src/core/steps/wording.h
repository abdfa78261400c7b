// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text that the windows show in the user's language: a worked step's
// pattern, a picture's words. The catalogues' word list is read from these
// marks in the sources; the core itself, and so the command line, uses the
// text as it stands.
constexpr const char* N_(const char* text) {
    return text;
}

// The words of the steps and the pictures in the user's language. A window
// passes one that looks each text up in its catalogues; without one (the
// command line, the SVG files it writes) every text stands as written.
class Wording {
public:
    virtual ~Wording() = default;
    // text as the user reads it: a marked pattern or word, a field's name.
    virtual std::string operator()(std::string_view text) const = 0;
};

namespace wording {

// text in the user's language, or as written without a wording.
std::string of(const Wording* wording, std::string_view text);

// pattern in the user's language, its "%1", "%2", ... filled with args
// (pattern::fill).
std::string fill(const Wording* wording, std::string_view pattern,
                 std::initializer_list<std::string_view> args);

}  // namespace wording
