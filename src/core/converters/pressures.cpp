// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/converters/pressures.h"

#include <array>

namespace {

using enum Pressures::Control;
using K = ControlKind;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kNoId, K::GroupBox, "Input Data...", 7, 7, 320, 34, 0},
    {kNoId, K::GroupBox, "Results...", 7, 43, 215, 112, 0},
    {kInput, K::Edit, "", 13, 21, 92, 12, style::kInputField, "Input"},
    {kAtmUnit, K::UnitButton, "Atm", 112, 22, 28, 10, style::kButton, "Atm"},
    {kMmHgUnit, K::UnitButton, "mm Hg", 143, 22, 38, 10, style::kButton, "mm Hg"},
    {kTorrUnit, K::UnitButton, "Torr", 184, 22, 29, 10, style::kButton, "Torr"},
    {kPaUnit, K::UnitButton, "Pa", 216, 22, 25, 10, style::kButton, "Pa"},
    {kKPaUnit, K::UnitButton, "KPa", 244, 22, 29, 10, style::kButton, "KPa"},
    {kNm2Unit, K::UnitButton, "N/(m sq.)", 276, 22, 45, 10, style::kButton, "N/(m sq.)"},
    {kAtm, K::Edit, "", 13, 56, 92, 12, style::kOutputField, "Atmospheres (Atm)"},
    {kMmHg, K::Edit, "", 13, 72, 92, 12, style::kOutputField, "Millimiters of Mercury (mm Hg)"},
    {kTorr, K::Edit, "", 13, 88, 92, 12, style::kOutputField, "Torr"},
    {kPa, K::Edit, "", 13, 104, 92, 12, style::kOutputField, "Pascals (Pa)"},
    {kKPa, K::Edit, "", 13, 120, 92, 12, style::kOutputField, "Kilopascals (KPa)"},
    {kNm2, K::Edit, "", 13, 136, 92, 12, style::kOutputField, "Newtons/Meter squared (N/m sq.)"},
    {kNoId, K::Label, "Atmospheres (Atm)", 108, 58, 112, 8, 0},
    {kNoId, K::Label, "Millimiters of Mercury (mm Hg)", 108, 74, 112, 8, 0},
    {kNoId, K::Label, "Torr", 108, 90, 112, 8, 0},
    {kNoId, K::Label, "Pascals (Pa)", 108, 106, 112, 8, 0},
    {kNoId, K::Label, "Kilopascals (KPa)", 108, 122, 112, 8, 0},
    {kNoId, K::Label, "Newtons/Meter squared (N/m sq.)", 108, 138, 112, 8, 0},
    // The only converter whose Clear Data the Tab key does not reach.
    {kClearData, K::PushButton, "Clear Data", 277, 134, 50, 14, style::kDefaultButton, "Clear Data"},
});

using conversion::input;
using conversion::result;

constexpr auto x = input();
constexpr auto mmHg = result(1);
constexpr auto Pa = result(3);

// mm Hg and torr are one unit here, as are Pa and N/m^2. Quotients come after
// the product: x * 760 / 101325 is (x * 760) / 101325.
// clang-format off
constexpr std::array<Pressures::Row, 6> kRows{{
    //           atm           mmHg                torr         Pa                 kPa                 Nm2
    {kAtmUnit,  {x,            x * 760,            x * 760,     x * 101325,        x * 101.325,       x * 101325}},
    {kMmHgUnit, {x / 760,      x,                  x,           x * 101325 / 760,  x * 101.325 / 760,  Pa}},
    {kTorrUnit, {x / 760,      x,                  x,           x * 101325 / 760,  x * 101.325 / 760,  Pa}},
    {kPaUnit,   {x / 101325,   x * 760 / 101325,   mmHg,        x,                 x / 1000,           x}},
    {kKPaUnit,  {x / 101.325,  x * 760 / 101.325,  mmHg,        x * 1000,          x,                  Pa}},
    {kNm2Unit,  {x / 101325,   x * 760 / 101325,   mmHg,        x,                 x / 1000,           x}},
}};
// clang-format on
static_assert(conversion::wellFormed(kRows));

}  // namespace

const DialogTemplate Pressures::kTemplate{136, "Pressure Units Converter", 334,
                                          162, DialogStyle::Tool,          kControls};

Pressures::Pressures()
    : UnitConverter(kRows, {&m_input, {&m_atm, &m_mmHg, &m_torr, &m_Pa, &m_kPa, &m_Nm2}, {}},
                    ClearList::Everything) {
    bind(kInput, m_input);
    bind(kAtm, m_atm);
    bind(kMmHg, m_mmHg);
    bind(kTorr, m_torr);
    bind(kPa, m_Pa);
    bind(kKPa, m_kPa);
    bind(kNm2, m_Nm2);
}

std::span<const MessageEntry<Pressures>> Pressures::messageMap() {
    static constexpr std::array<MessageEntry<Pressures>, 2> kMap{{
        {kAtmUnit, kNm2Unit, &Pressures::OnUnitButton},
        {kClearData, &Pressures::OnClearData},
    }};
    return kMap;
}
