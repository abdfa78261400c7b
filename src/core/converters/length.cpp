// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/converters/length.h"

#include <array>

namespace {

using enum Length::Control;
using K = ControlKind;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kInput, K::Edit, "", 14, 19, 182, 12, style::kInputField, "Input"},
    {kNoId, K::GroupBox, "Enter known value and select its units...", 7, 7, 195, 48, 0},
    {kMetersUnit, K::UnitButton, "m", 14, 39, 21, 10, style::kButton, "m"},
    {kCentimetersUnit, K::UnitButton, "cm", 37, 39, 21, 10, style::kButton, "cm"},
    {kInchesUnit, K::UnitButton, "in", 61, 39, 21, 10, style::kButton, "in"},
    {kFeetUnit, K::UnitButton, "ft", 85, 39, 21, 10, style::kButton, "ft"},
    {kMilesUnit, K::UnitButton, "mi", 109, 39, 21, 10, style::kButton, "mi"},
    {kKilometersUnit, K::UnitButton, "km", 133, 39, 21, 10, style::kButton, "km"},
    {kLightYearsUnit, K::UnitButton, "Light-year", 157, 39, 38, 10, style::kButton, "Light-year"},
    {kNoId, K::Label, "Meters", 159, 74, 22, 8, 0},
    {kNoId, K::Label, "Centimeters", 159, 90, 38, 8, 0},
    {kNoId, K::Label, "Inches", 159, 106, 22, 8, 0},
    {kNoId, K::Label, "Feet", 159, 122, 15, 8, 0},
    {kNoId, K::Label, "Miles", 159, 137, 17, 8, 0},
    {kNoId, K::Label, "Kilometers", 159, 153, 33, 8, 0},
    {kNoId, K::Label, "Light-years", 159, 169, 35, 12, 0},
    {kMeters, K::Edit, "", 14, 72, 141, 12, style::kOutputField, "Meters"},
    {kCentimeters, K::Edit, "", 14, 88, 141, 12, style::kOutputField, "Centimeters"},
    {kInches, K::Edit, "", 14, 104, 141, 12, style::kOutputField, "Inches"},
    {kFeet, K::Edit, "", 14, 120, 141, 12, style::kOutputField, "Feet"},
    {kMiles, K::Edit, "", 14, 136, 141, 12, style::kOutputField, "Miles"},
    {kKilometers, K::Edit, "", 14, 152, 141, 12, style::kOutputField, "Kilometers"},
    {kLightYears, K::Edit, "", 14, 168, 141, 12, style::kOutputField, "Light-years"},
    {kNoId, K::GroupBox, "Results...", 7, 57, 195, 129, 0},
    {kClearData, K::PushButton, "Clear Data", 7, 192, 195, 14, style::kDefaultButton, "Clear Data"},
});

using conversion::input;
using conversion::result;

constexpr auto x = input();
constexpr auto m = result(0);
constexpr auto in = result(2);
constexpr auto ft = result(3);
constexpr auto mi = result(4);

// The rounded factors (39.4 in/m, 3.28 ft/m, 1610 m/mi, 1.61 km/mi) are the
// converter's own; the rows are therefore not exact inverses of each other.
// clang-format off
constexpr std::array<Length::Row, 7> kRows{{
    //                  m             cm            in          ft          mi            km           ly
    {kMetersUnit,      {x,            x * 100,      x * 39.4,   x * 3.28,   x / 1610,     x / 1000,    x / 9.46e15}},
    {kCentimetersUnit, {x / 100,      x,            x * 0.394,  x * 0.0328, x / 161000,   x / 100000,  x / 9.46e17}},
    {kInchesUnit,      {x / 39.4,     x * 2.54,     x,          x / 12,     ft / 5280,    m / 1000,    m / 9.46e15}},
    {kFeetUnit,        {x / 3.28,     x / 0.0328,   x * 12,     x,          x / 5280,     mi * 1.61,   m / 9.46e15}},
    {kMilesUnit,       {x * 1610,     x * 161000,   ft * 12,    x * 5280,   x,            x * 1.61,    m / 9.46e15}},
    {kKilometersUnit,  {x * 1000,     x * 100000,   x * 39400,  x * 3280,   x / 1.61,     x,           x / 9.46e12}},
    {kLightYearsUnit,  {x * 9.46e15,  m * 100,      m * 39.4,   in / 12,    ft / 5280,    m / 1000,    x}},
}};
// clang-format on
static_assert(conversion::wellFormed(kRows));

}  // namespace

const DialogTemplate Length::kTemplate{146, "Length Units Converter", 209, 213, DialogStyle::Tool, kControls};

Length::Length()
    : UnitConverter(kRows, {&m_input, {&m_m, &m_cm, &m_in, &m_ft, &m_mi, &m_km, &m_ly}, {}},
                    ClearList::Everything) {
    bind(kInput, m_input);
    bind(kMeters, m_m);
    bind(kCentimeters, m_cm);
    bind(kInches, m_in);
    bind(kFeet, m_ft);
    bind(kMiles, m_mi);
    bind(kKilometers, m_km);
    bind(kLightYears, m_ly);
}

std::span<const MessageEntry<Length>> Length::messageMap() {
    static constexpr std::array<MessageEntry<Length>, 3> kMap{{
        {kMetersUnit, kKilometersUnit, &Length::OnUnitButton},
        {kLightYearsUnit, &Length::OnUnitButton},
        {kClearData, &Length::OnClearData},
    }};
    return kMap;
}
