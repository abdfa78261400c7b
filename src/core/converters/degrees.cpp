// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/converters/degrees.h"

#include <array>

namespace {

using enum Degrees::Control;
using K = ControlKind;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kInput, K::Edit, "", 14, 20, 117, 12, style::kInputField, "Input"},
    {kNoId, K::GroupBox, "Input your degrees...", 7, 7, 130, 34, 0},
    {kNoId, K::GroupBox, "Choose input type...", 143, 7, 138, 34, 0},
    {kClearData, K::PushButton, "Clear Data", 7, 98, 274, 14, style::kDefaultButton, "Clear Data"},
    {kCelsiusUnit, K::UnitButton, "Celcius", 147, 22, 39, 10, style::kButton, "Celcius"},
    {kFahrenheitUnit, K::UnitButton, "Farengheit", 189, 22, 49, 10, style::kButton, "Farengheit"},
    {kKelvinUnit, K::UnitButton, "Kelvin", 241, 22, 35, 10, style::kButton, "Kelvin"},
    {kNoId, K::GroupBox, "Results...", 7, 44, 274, 49, 0},
    {kFirstResult, K::Edit, "", 14, 57, 182, 12, style::kOutputField, "First result"},
    {kSecondResult, K::Edit, "", 14, 73, 182, 12, style::kOutputField, "Second result"},
    {kFirstName, K::Edit, "", 201, 57, 75, 12, style::kOutputField, "Unit of the first result"},
    {kSecondName, K::Edit, "", 201, 73, 75, 12, style::kOutputField, "Unit of the second result"},
});

using conversion::input;
using conversion::result;

constexpr auto x = input();
constexpr auto c = result(0);  // the Celsius value written first, reused for the second result

// 5/9 is its nearest double written out, and the Kelvin row multiplies by 1.8
// where the Celsius row divides by 5: the three rows round differently.
// clang-format off
constexpr std::array<Degrees::Row, 3> kRows{{
    //                 first                            second              first unit   second unit
    {kCelsiusUnit,    {x * 9 / 5 + 32,                   x + 273.15},        {"Farengeit", "Kelvin"}},
    {kFahrenheitUnit, {(x - 32) * 0.5555555555555556,    c + 273.15},        {"Celcius", "Kelvin"}},
    {kKelvinUnit,     {x - 273.15,                       c * 1.8 + 32},      {"Celcius", "Farengeit"}},
}};
// clang-format on
static_assert(conversion::wellFormed(kRows));

}  // namespace

const DialogTemplate Degrees::kTemplate{141, "Temperature Converter", 288, 119, DialogStyle::Tool, kControls};

Degrees::Degrees()
    : UnitConverter(kRows, {&m_input, {&m_first, &m_second}, {&m_firstUnit, &m_secondUnit}},
                    ClearList::Everything) {
    bind(kInput, m_input);
    bind(kFirstResult, m_first);
    bind(kSecondResult, m_second);
    bind(kFirstName, m_firstUnit);
    bind(kSecondName, m_secondUnit);
}

std::span<const MessageEntry<Degrees>> Degrees::messageMap() {
    static constexpr std::array<MessageEntry<Degrees>, 2> kMap{{
        {kCelsiusUnit, kKelvinUnit, &Degrees::OnUnitButton},
        {kClearData, &Degrees::OnClearData},
    }};
    return kMap;
}
