// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/solvers/the_combination.h"

#include <array>

#include "core/solvers/falling_product.h"
#include "core/steps/wording.h"

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

double Factorial(double x, FallingTrace* trace) {
    if (!(x > 1)) {
        return x;
    }
    // Counting down from x itself is the falling product with r = x: the
    // counter and the factor are the same number.
    return fallingProduct(x, x, trace);
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
    step(N_("C(n, r) = n! ÷ (r! × (n − r)!), with n = %1 and r = %2"),
         {StepArg::shown(m_n), StepArg::shown(m_r)});
    step(
        N_("Here x! = x × (x − 1) × … down to the first factor not above 1, and x itself when x is not above "
           "1"));
    const double f1 = factorialStep("n!", m_n);
    const double rest = m_n - m_r;
    step(N_("n − r = %1 − %2 = %3"), {m_n, m_r, rest});
    const double f2 = factorialStep("(n − r)!", rest);
    const double f3 = factorialStep("r!", m_r);
    const double divisor = f3 * f2;
    m_result = f1 / divisor;
    step(N_("C = n! ÷ (r! × (n − r)!) = %1 ÷ (%2 × %3) = %4 ÷ %5 = %6"),
         {f1, f3, f2, f1, divisor, StepArg::shown(m_result)});
    if (divisor == 0) {
        step(N_("r! × (n − r)! is 0 (a factor of 0 or below gives itself here): the division by zero gives "
                "%1"),
             {StepArg::shown(m_result)});
    }
    writeAllFields();
}

double TheCombination::factorialStep(const char* label, double x) {
    FallingTrace trace;
    const double value = Factorial(x, recording() ? &trace : nullptr);
    if (StepRecorder* steps = recorder()) {
        if (trace.factors == 0) {
            steps->add(N_("%1 = %2, since %3 is not above 1"), {label, value, x});
        } else {
            recordFallingProduct(*steps, label, trace, value);
        }
    }
    return value;
}

void TheCombination::OnClearData() {
    readAllFields();
    clearAllFields();
}
