// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/converters/force.h"

#include <array>

namespace {

using enum Force::Control;
using K = ControlKind;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kNoId, K::GroupBox, "Input...", 7, 7, 181, 44, 0},
    {kInput, K::Edit, "", 14, 19, 167, 12, style::kInputField, "Input"},
    {kNewtonsUnit, K::UnitButton, "Newtons", 14, 35, 37, 10, style::kButton, "Newtons"},
    {kDynesUnit, K::UnitButton, "Dynes", 56, 35, 37, 10, style::kButton, "Dynes"},
    {kPoundsUnit, K::UnitButton, "Pounds", 98, 35, 39, 10, style::kButton, "Pounds"},
    {kTonsUnit, K::UnitButton, "Tons", 142, 35, 39, 10, style::kButton, "Tons"},
    {kNoId, K::GroupBox, "Results...", 7, 55, 181, 77, 0},
    {kNoId, K::Label, "Newtons", 152, 70, 29, 8, 0},
    {kNewtons, K::Edit, "", 14, 68, 131, 12, style::kOutputField, "Newtons"},
    {kDynes, K::Edit, "", 14, 83, 131, 12, style::kOutputField, "Dynes"},
    {kPounds, K::Edit, "", 14, 98, 131, 12, style::kOutputField, "Pounds"},
    {kTons, K::Edit, "", 14, 113, 131, 12, style::kOutputField, "Tons"},
    {kNoId, K::Label, "Dynes", 152, 84, 21, 8, 0},
    {kNoId, K::Label, "Pounds", 152, 99, 25, 8, 0},
    {kNoId, K::Label, "Tons", 152, 114, 17, 8, 0},
    {kClearData, K::PushButton, "Clear Data", 7, 136, 181, 14, style::kDefaultButton, "Clear Data"},
});

using conversion::input;
using conversion::result;

constexpr auto x = input();
constexpr auto N = result(0);
constexpr auto lb = result(2);

// 0.225 lbf per newton; the tons row reaches newtons and dynes through pounds.
// clang-format off
constexpr std::array<Force::Row, 4> kRows{{
    //              N              dyn              lb             ton
    {kNewtonsUnit, {x,             x * 100000,      x * 0.225,     lb / 2000}},
    {kDynesUnit,   {x / 100000,    x,               N * 0.225,     lb / 2000}},
    {kPoundsUnit,  {x / 0.225,     N * 100000,      x,             x / 2000}},
    {kTonsUnit,    {lb / 0.225,    N * 100000,      x * 2000,      x}},
}};
// clang-format on
static_assert(conversion::wellFormed(kRows));

}  // namespace

const DialogTemplate Force::kTemplate{150, "Force Conversion", 195, 157, DialogStyle::Tool, kControls};

Force::Force() : UnitConverter(kRows, {&m_input, {&m_N, &m_dyn, &m_lb, &m_ton}, {}}, ClearList::Everything) {
    bind(kInput, m_input);
    bind(kNewtons, m_N);
    bind(kDynes, m_dyn);
    bind(kPounds, m_lb);
    bind(kTons, m_ton);
}

std::span<const MessageEntry<Force>> Force::messageMap() {
    static constexpr std::array<MessageEntry<Force>, 2> kMap{{
        {kNewtonsUnit, kTonsUnit, &Force::OnUnitButton},
        {kClearData, &Force::OnClearData},
    }};
    return kMap;
}
