// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/converters/energy.h"

#include <array>

namespace {

using enum Energy::Control;
using K = ControlKind;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kNoId, K::GroupBox, "Input...", 7, 7, 201, 44, 0},
    {kInput, K::Edit, "", 14, 19, 186, 12, style::kInputField, "Input"},
    {kJoulesUnit, K::UnitButton, "Joules", 14, 35, 36, 10, style::kButton, "Joules"},
    {kErgsUnit, K::UnitButton, "Ergs", 51, 35, 30, 10, style::kButton, "Ergs"},
    {kCaloriesUnit, K::UnitButton, "Calories", 82, 35, 41, 10, style::kButton, "Calories"},
    {kFootPoundsUnit, K::UnitButton, "Ft * Lb", 124, 35, 37, 10, style::kButton, "Ft * Lb"},
    {kKilowattHoursUnit, K::UnitButton, "kW * h", 162, 35, 38, 10, style::kButton, "kW * h"},
    {kNoId, K::GroupBox, "Results...", 7, 55, 201, 92, 0},
    {kNoId, K::Label, "Joules", 179, 70, 21, 8, 0},
    {kJoules, K::Edit, "", 13, 68, 161, 12, style::kOutputField, "Joules"},
    {kErgs, K::Edit, "", 13, 83, 161, 12, style::kOutputField, "Ergs"},
    {kCalories, K::Edit, "", 13, 98, 161, 12, style::kOutputField, "Calories"},
    {kFootPounds, K::Edit, "", 13, 113, 161, 12, style::kOutputField, "Ft*Lb"},
    {kKilowattHours, K::Edit, "", 13, 128, 161, 12, style::kOutputField, "kW*h"},
    {kNoId, K::Label, "Ergs", 179, 84, 15, 8, 0},
    {kNoId, K::Label, "Calories", 179, 99, 26, 8, 0},
    {kNoId, K::Label, "Ft*Lb", 179, 114, 18, 8, 0},
    {kNoId, K::Label, "kW*h", 179, 129, 19, 8, 0},
    {kClearData, K::PushButton, "Clear Data", 7, 152, 202, 14, style::kDefaultButton, "Clear Data"},
});

using conversion::input;
using conversion::result;

constexpr auto x = input();
constexpr auto J = result(0);

// Every row goes through joules, with 0.239 cal/J and 0.738 ft-lb/J.
// clang-format off
constexpr std::array<Energy::Row, 5> kRows{{
    //                    J                  erg               cal           ftlb          kWh
    {kJoulesUnit,        {x,                 x * 10000000,     x * 0.239,    x * 0.738,    x / 3600000}},
    {kErgsUnit,          {x / 10000000,      x,                J * 0.239,    J * 0.738,    J / 3600000}},
    {kCaloriesUnit,      {x / 0.239,         J * 10000000,     x,            J * 0.738,    J / 3600000}},
    {kFootPoundsUnit,    {x / 0.738,         J * 10000000,     J * 0.239,    x,            J / 3600000}},
    {kKilowattHoursUnit, {x * 3600000,       J * 10000000,     J * 0.239,    J * 0.738,    x}},
}};
// clang-format on
static_assert(conversion::wellFormed(kRows));

}  // namespace

const DialogTemplate Energy::kTemplate{152, "Energy Conversion", 215, 170, DialogStyle::Tool, kControls};

Energy::Energy()
    : UnitConverter(kRows, {&m_input, {&m_J, &m_erg, &m_cal, &m_ftlb, &m_kWh}, {}}, ClearList::Everything) {
    bind(kInput, m_input);
    bind(kJoules, m_J);
    bind(kErgs, m_erg);
    bind(kCalories, m_cal);
    bind(kFootPounds, m_ftlb);
    bind(kKilowattHours, m_kWh);
}

std::span<const MessageEntry<Energy>> Energy::messageMap() {
    static constexpr std::array<MessageEntry<Energy>, 2> kMap{{
        {kJoulesUnit, kKilowattHoursUnit, &Energy::OnUnitButton},
        {kClearData, &Energy::OnClearData},
    }};
    return kMap;
}
