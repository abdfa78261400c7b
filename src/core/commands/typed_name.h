// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <string>
#include <string_view>

// Names as a user types them on a command line: a menu item, a button's
// caption, a field's name.
namespace typed_name {

// The text without its mnemonic marks ('&').
std::string withoutMnemonic(std::string_view text);

// The text as it reads: no '&', blanks collapsed, none at either end
// ("Quadratic  Formula" reads "Quadratic Formula").
std::string tidy(std::string_view text);

// ASCII letters in lower case, and nothing else changed.
std::string lower(std::string_view text);

// What names are matched by: tidy(), in any case.
std::string key(std::string_view text);

}  // namespace typed_name
