// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/converters/weight.h"

#include <array>

namespace {

using enum Weight::Control;
using K = ControlKind;

// The weight converter alone draws its group boxes flat and leaves its unit
// buttons out of the Tab order.
constexpr auto kControls = std::to_array<ControlTemplate>({
    {kNoId, K::GroupBox, "Input data and select units:", 7, 7, 173, 31, cf::Flat},
    {kInput, K::Edit, "", 13, 19, 85, 12, style::kInputField, "Input"},
    {kGramsUnit, K::UnitButton, "g", 104, 20, 16, 10, cf::Flat, "g"},
    {kKilogramsUnit, K::UnitButton, "kg", 122, 20, 16, 10, cf::Flat, "kg"},
    {kPoundsUnit, K::UnitButton, "lbs", 140, 20, 16, 10, cf::Flat, "lbs"},
    {kOuncesUnit, K::UnitButton, "Oz", 158, 20, 16, 10, cf::Flat, "Oz"},
    {kNoId, K::GroupBox, "Output:", 7, 41, 173, 78, cf::Flat},
    {kGrams, K::Edit, "", 13, 53, 85, 12, style::kOutputField, "Grams"},
    {kKilograms, K::Edit, "", 13, 68, 85, 12, style::kOutputField, "Kilograms"},
    {kPounds, K::Edit, "", 13, 84, 85, 12, style::kOutputField, "Pounds"},
    {kOunces, K::Edit, "", 13, 100, 85, 12, style::kOutputField, "Ounces"},
    {kNoId, K::Label, "Grams", 104, 55, 21, 8, 0},
    {kNoId, K::Label, "Kilograms", 104, 70, 31, 8, 0},
    {kNoId, K::Label, "Pounds", 104, 86, 25, 8, 0},
    {kNoId, K::Label, "Ounces", 104, 102, 26, 8, 0},
    {kClearData, K::PushButton, "Clear Data", 7, 122, 173, 14, style::kDefaultButton, "Clear Data"},
});

using conversion::input;
using conversion::result;

constexpr auto x = input();
constexpr auto g = result(0);
constexpr auto kg = result(1);

// 2.21 lb/kg one way and 0.45 kg/lb the other; ounces reach pounds as
// x * 2.21 / 35, not x / 16.
// clang-format off
constexpr std::array<Weight::Row, 4> kRows{{
    //                g              kg             lb               oz
    {kGramsUnit,     {x,             x / 1000,      kg * 2.21,       x * 0.035}},
    {kKilogramsUnit, {x * 1000,      x,             x * 2.21,        g * 0.035}},
    {kPoundsUnit,    {kg * 1000,     x * 0.45,      x,               g * 0.035}},
    {kOuncesUnit,    {x * 28.35,     g / 1000,      x * 2.21 / 35,   x}},
}};
// clang-format on
static_assert(conversion::wellFormed(kRows));

}  // namespace

const DialogTemplate Weight::kTemplate{178, "Weight Converter", 187, 143, DialogStyle::Tool, kControls};

// Unlike the other converters, Clear Data keeps the input.
Weight::Weight() : UnitConverter(kRows, {&m_input, {&m_g, &m_kg, &m_lb, &m_oz}, {}}, ClearList::ResultsOnly) {
    bind(kInput, m_input);
    bind(kGrams, m_g);
    bind(kKilograms, m_kg);
    bind(kPounds, m_lb);
    bind(kOunces, m_oz);
}

std::span<const MessageEntry<Weight>> Weight::messageMap() {
    static constexpr std::array<MessageEntry<Weight>, 2> kMap{{
        {kGramsUnit, kOuncesUnit, &Weight::OnUnitButton},
        {kClearData, &Weight::OnClearData},
    }};
    return kMap;
}
