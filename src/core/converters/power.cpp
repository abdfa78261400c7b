// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/converters/power.h"

#include <array>

namespace {

using enum Power::Control;
using K = ControlKind;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kNoId, K::GroupBox, "Input...", 7, 7, 157, 44, 0},
    {kInput, K::Edit, "", 14, 19, 142, 12, style::kInputField, "Input"},
    {kHorsepowerUnit, K::UnitButton, "Horsepowers", 14, 35, 52, 10, style::kButton, "Horsepowers"},
    {kWattsUnit, K::UnitButton, "Watts", 68, 35, 44, 10, style::kButton, "Watts"},
    {kFootPoundsPerSecondUnit, K::UnitButton, "ft*lb/s", 113, 35, 43, 10, style::kButton, "ft*lb/s"},
    {kNoId, K::GroupBox, "Results...", 7, 55, 157, 63, 0},
    {kNoId, K::Label, "Hp", 140, 70, 10, 8, 0},
    {kHorsepower, K::Edit, "", 14, 68, 123, 12, style::kOutputField, "Hp"},
    {kWatts, K::Edit, "", 14, 83, 123, 12, style::kOutputField, "Watts"},
    {kFootPoundsPerSecond, K::Edit, "", 14, 98, 123, 12, style::kOutputField, "ft*lb/s"},
    {kNoId, K::Label, "Watts", 140, 84, 20, 8, 0},
    {kNoId, K::Label, "ft*lb/s", 140, 99, 20, 8, 0},
    {kClearData, K::PushButton, "Clear Data", 7, 121, 157, 14, style::kDefaultButton, "Clear Data"},
});

using conversion::input;
using conversion::result;

constexpr auto x = input();
constexpr auto hp = result(0);

// 746 W (not 745.7) and 550 ft-lb/s to the horsepower.
// clang-format off
constexpr std::array<Power::Row, 3> kRows{{
    //                          hp           W             ftlbs
    {kHorsepowerUnit,          {x,           x * 746,      x * 550}},
    {kWattsUnit,               {x / 746,     x,            hp * 550}},
    {kFootPoundsPerSecondUnit, {x / 550,     hp * 746,     x}},
}};
// clang-format on
static_assert(conversion::wellFormed(kRows));

}  // namespace

const DialogTemplate Power::kTemplate{151, "Power Conversion", 171, 142, DialogStyle::Tool, kControls};

Power::Power() : UnitConverter(kRows, {&m_input, {&m_hp, &m_W, &m_ftlbs}, {}}, ClearList::Everything) {
    bind(kInput, m_input);
    bind(kHorsepower, m_hp);
    bind(kWatts, m_W);
    bind(kFootPoundsPerSecond, m_ftlbs);
}

std::span<const MessageEntry<Power>> Power::messageMap() {
    static constexpr std::array<MessageEntry<Power>, 2> kMap{{
        {kHorsepowerUnit, kFootPoundsPerSecondUnit, &Power::OnUnitButton},
        {kClearData, &Power::OnClearData},
    }};
    return kMap;
}
