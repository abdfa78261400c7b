// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/solvers/the_combination.h"

#include <array>

#include "core/solvers/falling_product.h"

namespace {

using enum TheCombination::Control;
using K = ControlKind;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kNoId, K::GroupBox, "Enter Data From C(n, r):", 7, 7, 163, 30, cf::Flat},
    {kNoId, K::GroupBox, "Combination Result:", 7, 40, 163, 31, cf::Flat},
    {kN, K::Edit, "", 23, 19, 60, 12, style::kInputField, "n"},
    {kR, K::Edit, "", 103, 19, 60, 12, style::kInputField, "r"},
    {kNoId, K::Label, "n:", 13, 21, 8, 8, 0},
    {kNoId, K::Label, "r:", 95, 21, 8, 8, 0},
    {kResult, K::Edit, "", 13, 52, 150, 12, style::kOutputField, "Result"},
    {kCalculate, K::PushButton, "Calculate", 7, 75, 163, 14, style::kDefaultButton, "Calculate"},
    {kClear, K::PushButton, "Clear", 7, 92, 163, 14, style::kButton, "Clear"},
});

}  // namespace

const DialogTemplate TheCombination::kTemplate{175, "Combination", 177, 113, DialogStyle::Tool, kControls};

double Factorial(double x) {
    if (!(x > 1)) {
        return x;
    }
    // Counting down from x itself is the falling product with r = x: the
    // counter and the factor are the same number.
    return fallingProduct(x, x);
}

TheCombination::TheCombination() {
    bind(kN, m_n);
    bind(kR, m_r);
    bind(kResult, m_result);
}

std::span<const MessageEntry<TheCombination>> TheCombination::messageMap() {
    static constexpr std::array<MessageEntry<TheCombination>, 2> kMap{{
        {kCalculate, &TheCombination::OnCalculate},
        {kClear, &TheCombination::OnClearData},
    }};
    return kMap;
}

void TheCombination::OnCalculate() {
    readAllFields();
    const double f1 = Factorial(m_n);
    const double f2 = Factorial(m_n - m_r);
    const double f3 = Factorial(m_r);
    m_result = f1 / (f3 * f2);
    writeAllFields();
}

void TheCombination::OnClearData() {
    readAllFields();
    clearAllFields();
}
