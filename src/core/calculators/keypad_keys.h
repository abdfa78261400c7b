// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <array>

#include "core/tool/tool.h"

// The display and the keypad read as numbers do, left to right: a mirrored
// window moves them as one block and keeps their order.
namespace keypad_style {
inline constexpr unsigned kDisplayStyle =
    cf::TabStop | cf::ReadOnly | cf::RightAlign | cf::AutoHScroll | cf::KeepOrder;
inline constexpr unsigned kKey = style::kButton | cf::KeepOrder;
inline constexpr unsigned kKeypadFrame = cf::Flat | cf::KeepOrder;
inline constexpr unsigned kDefaultKey = style::kDefaultButton | cf::KeepOrder;
}  // namespace keypad_style

// The keys that both calculators take, each pressing the button that shows
// it: the digits, the point, the four operators and '=', Backspace for
// "Back" and Delete for "Clear". Calc names its buttons as both calculators do.
template <class Calc>
constexpr std::array<KeyBinding, 18> keypadKeys() {
    constexpr auto c = ToolKey::Character;
    return {{
        {c, '1', Calc::kDigit1},
        {c, '2', Calc::kDigit2},
        {c, '3', Calc::kDigit3},
        {c, '4', Calc::kDigit4},
        {c, '5', Calc::kDigit5},
        {c, '6', Calc::kDigit6},
        {c, '7', Calc::kDigit7},
        {c, '8', Calc::kDigit8},
        {c, '9', Calc::kDigit9},
        {c, '0', Calc::kDigit0},
        {c, '.', Calc::kPoint},
        {c, '+', Calc::kPlus},
        {c, '-', Calc::kMinus},
        {c, '*', Calc::kTimes},
        {c, '/', Calc::kDividedBy},
        {c, '=', Calc::kEquals},
        {ToolKey::Backspace, 0, Calc::kBack},
        {ToolKey::Delete, 0, Calc::kClear},
    }};
}
