// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/solvers/quad.h"

#include <array>
#include <cmath>

#include "core/steps/wording.h"

namespace {

using enum Quad::Control;
using K = ControlKind;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kNoId, K::GroupBox, "Enter the coefficients from your equation...", 7, 7, 159, 40, 0},
    {kA, K::Edit, "", 13, 22, 22, 12, style::kInputField, "Coefficient a"},
    {kB, K::Edit, "", 59, 22, 22, 12, style::kInputField, "Coefficient b"},
    {kC, K::Edit, "", 102, 22, 22, 12, style::kInputField, "Coefficient c"},
    {kNoId, K::Label, "X \u00B2", 38, 24, 10, 8, 0},
    {kNoId, K::Label, "X", 84, 24, 8, 8, 0},
    {kNoId, K::GroupBox, "Results...", 7, 51, 159, 37, 0},
    {kNoId, K::Label, "X =", 14, 67, 12, 8, 0},
    {kRoot1, K::Edit, "", 28, 66, 40, 12, style::kOutputField, "First x-value"},
    {kNoId, K::Label, "and     X =", 74, 67, 34, 8, 0},
    {kRoot2, K::Edit, "", 110, 66, 40, 12, style::kOutputField, "Second x-value"},
    {kFindRoots, K::PushButton, "Find  x-value(s)", 175, 10, 53, 37, style::kDefaultButton,
     "Find  x-value(s)"},
    {kClearData, K::PushButton, "Clear Data", 175, 64, 53, 14, style::kButton, "Clear Data"},
    {kNoId, K::Label, "= 0", 136, 24, 11, 8, 0},
});

}  // namespace

const DialogTemplate Quad::kTemplate{143, "Quadratic Formula", 235, 95, DialogStyle::Tool, kControls};

Quad::Quad() {
    bind(kA, m_a);
    bind(kB, m_b);
    bind(kC, m_c);
    bind(kRoot1, m_root1);
    bind(kRoot2, m_root2);
}

std::span<const MessageEntry<Quad>> Quad::messageMap() {
    static constexpr std::array<MessageEntry<Quad>, 2> kMap{{
        {kFindRoots, &Quad::OnFindRoots},
        {kClearData, &Quad::OnClearData},
    }};
    return kMap;
}

void Quad::OnFindRoots() {
    readAllFields();
    step(N_("a x² + b x + c = 0 with a = %1, b = %2, c = %3: x = (−b ± √(b² − 4ac)) ÷ 2a"),
         {StepArg::shown(m_a), StepArg::shown(m_b), StepArg::shown(m_c)});
    const double b2 = m_b * m_b;
    const double a4c = (m_a * 4) * m_c;
    const double discriminant = b2 - a4c;
    step(N_("b² − 4ac = %1² − %2 × 4 × %3 = %4 − %5 = %6"), {m_b, m_a, m_c, b2, a4c, discriminant});
    const double root = std::sqrt(discriminant);
    const double twoA = m_a + m_a;
    // The plus-sign solution always goes to the left field.
    m_root1 = (-m_b + root) / twoA;
    m_root2 = (-m_b - root) / twoA;
    if (discriminant < 0) {
        step(N_("%1 is below 0: no real x solves it; √%2 is no number, and neither are x₁ and x₂, shown as "
                "%3"),
             {discriminant, discriminant, StepArg::shown(m_root1)});
    } else {
        step(N_("√%1 = %2"), {discriminant, root});
        step(N_("2a = %1 + %2 = %3"), {m_a, m_a, twoA});
        if (twoA == 0) {
            step(N_("2a is 0: a = 0 makes it no quadratic, and x₁, x₂ divide by zero"));
        }
        step(N_("x₁ = (−b + √(b² − 4ac)) ÷ 2a = (%1 + %2) ÷ %3 = %4"),
             {-m_b, root, twoA, StepArg::shown(m_root1)});
        step(N_("x₂ = (−b − √(b² − 4ac)) ÷ 2a = (%1 − %2) ÷ %3 = %4"),
             {-m_b, root, twoA, StepArg::shown(m_root2)});
    }
    writeAllFields();
}

void Quad::OnClearData() {
    readAllFields();
    clearAllFields();
}
