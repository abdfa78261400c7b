// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/converters/speed.h"

#include <array>

namespace {

using enum Speed::Control;
using K = ControlKind;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kNoId, K::GroupBox, "Input...", 7, 7, 181, 44, 0},
    {kInput, K::Edit, "", 14, 19, 167, 12, style::kInputField, "Input"},
    {kMetersPerSecondUnit, K::UnitButton, "m/s", 14, 35, 37, 10, style::kButton, "m/s"},
    {kFeetPerSecondUnit, K::UnitButton, "ft/s", 56, 35, 37, 10, style::kButton, "ft/s"},
    {kMilesPerHourUnit, K::UnitButton, "mi/h", 98, 35, 39, 10, style::kButton, "mi/h"},
    {kKilometersPerHourUnit, K::UnitButton, "km/h", 142, 35, 39, 10, style::kButton, "km/h"},
    {kNoId, K::GroupBox, "Results...", 7, 55, 181, 77, 0},
    {kNoId, K::Label, "m/s", 152, 70, 13, 8, 0},
    {kMetersPerSecond, K::Edit, "", 14, 68, 131, 12, style::kOutputField, "m/s"},
    {kFeetPerSecond, K::Edit, "", 14, 83, 131, 12, style::kOutputField, "ft/s"},
    {kMilesPerHour, K::Edit, "", 14, 98, 131, 12, style::kOutputField, "mi/h"},
    {kKilometersPerHour, K::Edit, "", 14, 113, 131, 12, style::kOutputField, "km/h"},
    {kNoId, K::Label, "ft/s", 152, 84, 12, 8, 0},
    {kNoId, K::Label, "mi/h", 152, 99, 15, 8, 0},
    {kNoId, K::Label, "km/h", 152, 114, 18, 8, 0},
    {kClearData, K::PushButton, "Clear Data", 7, 136, 181, 14, style::kDefaultButton, "Clear Data"},
});

using conversion::input;
using conversion::result;

constexpr auto x = input();
constexpr auto ms = result(0);

// 0.278 m/s per km/h is the converter's own factor, not 1/3.6.
// clang-format off
constexpr std::array<Speed::Row, 4> kRows{{
    //                        m/s          ft/s          mi/h          km/h
    {kMetersPerSecondUnit,   {x,           x * 3.28,     x * 2.24,     x / 0.278}},
    {kFeetPerSecondUnit,     {x / 3.28,    x,            ms * 2.24,    ms / 0.278}},
    {kMilesPerHourUnit,      {x / 2.24,    ms * 3.28,    x,            x / 0.621}},
    {kKilometersPerHourUnit, {x * 0.278,   ms * 3.28,    x * 0.621,    x}},
}};
// clang-format on
static_assert(conversion::wellFormed(kRows));

}  // namespace

const DialogTemplate Speed::kTemplate{148, "Speed Conversion", 195, 157, DialogStyle::Tool, kControls};

Speed::Speed()
    : UnitConverter(kRows, {&m_input, {&m_ms, &m_fts, &m_mih, &m_kmh}, {}}, ClearList::Everything) {
    bind(kInput, m_input);
    bind(kMetersPerSecond, m_ms);
    bind(kFeetPerSecond, m_fts);
    bind(kMilesPerHour, m_mih);
    bind(kKilometersPerHour, m_kmh);
}

std::span<const MessageEntry<Speed>> Speed::messageMap() {
    static constexpr std::array<MessageEntry<Speed>, 2> kMap{{
        {kMetersPerSecondUnit, kKilometersPerHourUnit, &Speed::OnUnitButton},
        {kClearData, &Speed::OnClearData},
    }};
    return kMap;
}
