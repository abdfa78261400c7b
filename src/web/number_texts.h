// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <string>
#include <string_view>

// The texts by which a build's numbers are held to another's, byte for byte:
// the page's WebAssembly and the desktop's program must agree on every one.
namespace number_texts {

// One double as a field, the advanced calculator, the worked steps and a
// picture write it, tab-separated.
std::string of(double value);

// A text as a double field reads it: the value's bits in hexadecimal, or
// "refused".
std::string read(std::string_view text);

}  // namespace number_texts
