// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/solvers/pythegor.h"

#include <array>
#include <cmath>

namespace {

using enum Pythegor::Control;
using K = ControlKind;

// No default button: Enter confirms the window.
constexpr auto kControls = std::to_array<ControlTemplate>({
    {kSide1, K::Edit, "", 63, 18, 80, 13, style::kInputField, "Side 1"},
    {kSide2, K::Edit, "", 63, 33, 80, 13, style::kInputField, "Side 2"},
    {kHypotenuse, K::Edit, "", 63, 49, 80, 13, style::kInputField, "Hypothenuse"},
    {kNoId, K::Label, "Side 1:", 13, 21, 23, 8, 0},
    {kNoId, K::Label, "Side 2:", 13, 37, 23, 8, 0},
    {kNoId, K::Label, "Hypothenuse:", 13, 52, 45, 8, 0},
    {kFindHypotenuse, K::PushButton, "Find Hypothenuse", 162, 18, 120, 13, style::kButton,
     "Find Hypothenuse"},
    {kFindSide, K::PushButton, "Find Side", 162, 33, 120, 13, style::kButton, "Find Side"},
    {kCheckTriple, K::PushButton, "Check If Pythegorean Tripple", 162, 49, 120, 13, style::kButton,
     "Check If Pythegorean Tripple"},
    {kMessage, K::Edit, "", 7, 72, 136, 13, style::kOutputField, "Message"},
    {kNoId, K::GroupBox, "Enter known values...", 7, 7, 142, 61, 0},
    {kNoId, K::GroupBox, "Options...", 154, 7, 135, 60, 0},
    {kClearData, K::PushButton, "Clear Data", 162, 72, 120, 13, style::kButton, "Clear Data"},
});

}  // namespace

const DialogTemplate Pythegor::kTemplate{142, "Pythegorean Theorem", 296, 92, DialogStyle::Tool, kControls};

Pythegor::Pythegor() {
    bind(kSide1, m_side1);
    bind(kSide2, m_side2);
    bind(kHypotenuse, m_hypotenuse);
    bind(kMessage, m_message);
}

std::span<const MessageEntry<Pythegor>> Pythegor::messageMap() {
    static constexpr std::array<MessageEntry<Pythegor>, 4> kMap{{
        {kFindHypotenuse, &Pythegor::OnFindHypotenuse},
        {kFindSide, &Pythegor::OnFindSide},
        {kCheckTriple, &Pythegor::OnCheckTriple},
        {kClearData, &Pythegor::OnClearData},
    }};
    return kMap;
}

void Pythegor::OnFindHypotenuse() {
    readAllFields();
    m_hypotenuse = std::sqrt(m_side1 * m_side1 + m_side2 * m_side2);
    writeAllFields();
}

void Pythegor::OnFindSide() {
    readAllFields();
    // The first positive side is the known one; the other is overwritten
    // whatever it held. A hypotenuse shorter than the side gives NaN.
    if (m_side1 > 0) {
        m_side2 = std::sqrt(m_hypotenuse * m_hypotenuse - m_side1 * m_side1);
    } else if (m_side2 > 0) {
        m_side1 = std::sqrt(m_hypotenuse * m_hypotenuse - m_side2 * m_side2);
    } else {
        m_message = "No data entered.";
    }
    writeAllFields();
}

void Pythegor::OnCheckTriple() {
    readAllFields();
    // Exact equality on purpose: 1 and 1 with the shown 1.4142135623731 is no triple.
    const bool triple = m_side1 * m_side1 + m_side2 * m_side2 == m_hypotenuse * m_hypotenuse;
    m_message = triple ? "Yes, Pythegorean Tripple!" : "No, Not a Tripple!";
    writeAllFields();
}

void Pythegor::OnClearData() {
    readAllFields();
    clearAllFields();
}
