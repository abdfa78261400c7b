// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/converters/time.h"

#include <array>

namespace {

using enum Time::Control;
using K = ControlKind;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kNoId, K::GroupBox, "Input...", 7, 7, 263, 44, 0},
    {kInput, K::Edit, "", 14, 19, 250, 12, style::kInputField, "Input"},
    {kSecondsUnit, K::UnitButton, "Seconds", 14, 35, 44, 10, style::kButton, "Seconds"},
    {kMinutesUnit, K::UnitButton, "Minutes", 63, 35, 41, 10, style::kButton, "Minutes"},
    {kHoursUnit, K::UnitButton, "Hours", 109, 35, 35, 10, style::kButton, "Hours"},
    {kDaysUnit, K::UnitButton, "Days", 149, 35, 32, 10, style::kButton, "Days"},
    {kMonthsUnit, K::UnitButton, "Months", 186, 35, 39, 10, style::kButton, "Months"},
    {kYearsUnit, K::UnitButton, "Years", 230, 35, 34, 10, style::kButton, "Years"},
    {kNoId, K::GroupBox, "Results...", 7, 55, 263, 107, 0},
    {kNoId, K::Label, "Seconds", 235, 70, 29, 8, 0},
    {kSeconds, K::Edit, "", 13, 68, 212, 12, style::kOutputField, "Seconds"},
    {kMinutes, K::Edit, "", 13, 83, 212, 12, style::kOutputField, "Minutes"},
    {kHours, K::Edit, "", 13, 98, 212, 12, style::kOutputField, "Hours"},
    {kDays, K::Edit, "", 13, 113, 212, 12, style::kOutputField, "Days"},
    {kMonths, K::Edit, "", 13, 128, 212, 12, style::kOutputField, "Months"},
    {kYears, K::Edit, "", 13, 143, 212, 12, style::kOutputField, "Years"},
    {kNoId, K::Label, "Minutes", 235, 84, 26, 8, 0},
    {kNoId, K::Label, "Hours", 235, 99, 20, 8, 0},
    {kNoId, K::Label, "Days", 235, 114, 17, 8, 0},
    {kNoId, K::Label, "Months", 235, 129, 24, 8, 0},
    {kNoId, K::Label, "Years", 235, 144, 19, 8, 0},
    {kClearData, K::PushButton, "Clear Data", 7, 167, 263, 14, style::kDefaultButton, "Clear Data"},
});

using conversion::input;
using conversion::result;

constexpr auto x = input();
constexpr auto min = result(1);
constexpr auto h = result(2);
constexpr auto d = result(3);

// A month is 30.4375 days (365.25 / 12); the month and year rows use the
// products of those numbers as single constants.
// clang-format off
constexpr std::array<Time::Row, 6> kRows{{
    //              s                min            h              d               mo               yr
    {kSecondsUnit, {x,               x / 60,        min / 60,      h / 24,         d / 30.4375,     d / 365.25}},
    {kMinutesUnit, {x * 60,          x,             x / 60,        h / 24,         d / 30.4375,     d / 365.25}},
    {kHoursUnit,   {x * 3600,        x * 60,        x,             x / 24,         d / 30.4375,     d / 365.25}},
    {kDaysUnit,    {x * 86400,       x * 1440,      x * 24,        x,              x / 30.4375,     x / 365.25}},
    {kMonthsUnit,  {x * 2629800,     x * 43830,     x * 730.5,     x * 30.4375,    x,               x / 12}},
    {kYearsUnit,   {x * 31557600,    x * 525960,    x * 8766,      x * 365.25,     x * 12,          x}},
}};
// clang-format on
static_assert(conversion::wellFormed(kRows));

}  // namespace

const DialogTemplate Time::kTemplate{147, "Time Conversion", 277, 188, DialogStyle::Tool, kControls};

Time::Time()
    : UnitConverter(kRows, {&m_input, {&m_s, &m_min, &m_h, &m_d, &m_mo, &m_yr}, {}}, ClearList::Everything) {
    bind(kInput, m_input);
    bind(kSeconds, m_s);
    bind(kMinutes, m_min);
    bind(kHours, m_h);
    bind(kDays, m_d);
    bind(kMonths, m_mo);
    bind(kYears, m_yr);
}

std::span<const MessageEntry<Time>> Time::messageMap() {
    static constexpr std::array<MessageEntry<Time>, 2> kMap{{
        {kSecondsUnit, kYearsUnit, &Time::OnUnitButton},
        {kClearData, &Time::OnClearData},
    }};
    return kMap;
}
