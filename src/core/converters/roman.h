// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <optional>
#include <string>
#include <string_view>

class StepRecorder;

// Roman numerals of 1 to 3999 in their standard subtractive form.
namespace roman {

inline constexpr int kSmallest = 1;
inline constexpr int kLargest = 3999;

// The numeral of n ('MCMXCIV' for 1994); empty when n is outside 1..3999.
// With steps, each letter group is a worked step as it is taken.
std::string write(int n, StepRecorder* steps = nullptr);

// The value of a standard numeral of 1..3999. Surrounding white space is
// ignored and lower case is taken as upper case; anything else that is not
// exactly write(n) for some n ('IIII', 'IC', 'MMMM', '') gives nothing.
std::optional<int> read(std::string_view text, StepRecorder* steps = nullptr);

}  // namespace roman
