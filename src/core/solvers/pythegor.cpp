// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/solvers/pythegor.h"

#include <array>
#include <cmath>

#include "core/steps/wording.h"

namespace {

// What the Message field says.
constexpr const char* kNoData = N_("No data entered.");
constexpr const char* kTriple = N_("Yes, Pythegorean Tripple!");
constexpr const char* kNoTriple = N_("No, Not a Tripple!");

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

std::span<const char* const> Pythegor::fieldWords() const {
    static constexpr const char* kWords[] = {kNoData, kTriple, kNoTriple};
    return kWords;
}

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
    step(N_("Hypotenuse c = √(a² + b²), with sides a = %1 and b = %2"),
         {StepArg::shown(m_side1), StepArg::shown(m_side2)});
    const double a2 = m_side1 * m_side1;
    const double b2 = m_side2 * m_side2;
    const double sum = a2 + b2;
    m_hypotenuse = std::sqrt(sum);
    step(N_("a² + b² = %1 × %2 + %3 × %4 = %5 + %6 = %7"), {m_side1, m_side1, m_side2, m_side2, a2, b2, sum});
    step(N_("c = √%1 = %2"), {sum, StepArg::shown(m_hypotenuse)});
    writeAllFields();
}

// The missing side √(c² − known²); a hypotenuse shorter than the side gives NaN.
double Pythegor::otherSide(double known, const Side& knownSide, const Side& missingSide) {
    const char* knownName = knownSide.symbol;
    const char* missingName = missingSide.symbol;
    step(N_("%1 %2 = %3 is above 0, so %4 %5 = √(c² − %6²), with c = %7"),
         {knownSide.name, knownName, StepArg::shown(known), missingSide.name, missingName, knownName,
          StepArg::shown(m_hypotenuse)});
    const double c2 = m_hypotenuse * m_hypotenuse;
    const double k2 = known * known;
    const double difference = c2 - k2;
    const double side = std::sqrt(difference);
    step(N_("c² − %1² = %2 × %3 − %4 × %5 = %6 − %7 = %8"),
         {knownName, m_hypotenuse, m_hypotenuse, known, known, c2, k2, difference});
    if (difference < 0) {
        step(N_("%1 is below 0: the side is longer than the hypotenuse, no right triangle has them; "
                "√%2 is no real number and the field shows %3"),
             {difference, difference, StepArg::shown(side)});
    } else {
        step(N_("%1 = √%2 = %3"), {missingName, difference, StepArg::shown(side)});
    }
    return side;
}

void Pythegor::OnFindSide() {
    readAllFields();
    // The first positive side is the known one; the other is overwritten
    // whatever it held. A hypotenuse shorter than the side gives NaN.
    if (m_side1 > 0) {
        m_side2 = otherSide(m_side1, {"Side 1", "a"}, {"Side 2", "b"});
    } else if (m_side2 > 0) {
        m_side1 = otherSide(m_side2, {"Side 2", "b"}, {"Side 1", "a"});
    } else {
        m_message = kNoData;
        step(N_("Neither side is above 0 (Side 1 = %1, Side 2 = %2): \"No data entered.\""),
             {StepArg::shown(m_side1), StepArg::shown(m_side2)});
    }
    writeAllFields();
}

void Pythegor::OnCheckTriple() {
    readAllFields();
    step(N_("A right triangle's sides if a² + b² = c² exactly: a = %1, b = %2, c = %3"),
         {StepArg::shown(m_side1), StepArg::shown(m_side2), StepArg::shown(m_hypotenuse)});
    const double a2 = m_side1 * m_side1;
    const double b2 = m_side2 * m_side2;
    const double sum = a2 + b2;
    const double c2 = m_hypotenuse * m_hypotenuse;
    // Exact equality on purpose: 1 and 1 with the shown 1.4142135623731 is no triple.
    const bool triple = sum == c2;
    m_message = triple ? kTriple : kNoTriple;
    step(N_("a² + b² = %1 × %2 + %3 × %4 = %5 + %6 = %7"), {m_side1, m_side1, m_side2, m_side2, a2, b2, sum});
    step(N_("c² = %1 × %2 = %3"), {m_hypotenuse, m_hypotenuse, c2});
    step(triple ? N_("%1 = %2: \"Yes, Pythegorean Tripple!\"") : N_("%1 ≠ %2: \"No, Not a Tripple!\""),
         {sum, c2});
    writeAllFields();
}

void Pythegor::OnClearData() {
    readAllFields();
    clearAllFields();
}
