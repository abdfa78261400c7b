// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/solvers/uncert.h"

#include <array>

#include "core/steps/wording.h"

namespace {

using enum Uncert::Control;
using K = ControlKind;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kValue1, K::Edit, "", 13, 18, 85, 14, style::kInputField, "First value"},
    {kPercent1, K::Edit, "", 119, 18, 85, 14, style::kInputField, "Percent uncertainty of the first value"},
    {kValue2, K::Edit, "", 13, 35, 85, 14, style::kInputField, "Second value"},
    {kAbsUncertainty2, K::Edit, "", 119, 35, 85, 14, style::kInputField,
     "Absolute uncertainty of the second value"},
    {kResult, K::Edit, "", 13, 70, 184, 14, style::kOutputField, "Result"},
    {kCalcAbsUncertainty, K::PushButton, "Calculate Abs. Uncertainty", 223, 18, 107, 14, style::kButton,
     "Calculate Abs. Uncertainty"},
    {kCalcPercentUncertainty, K::PushButton, "Calculate % Abs. Uncertainty", 223, 35, 107, 14, style::kButton,
     "Calculate % Abs. Uncertainty"},
    {kClearData, K::PushButton, "Clear Data", 223, 70, 107, 14, style::kDefaultButton, "Clear Data"},
    {kNoId, K::Label, "+/-", 103, 21, 10, 8, 0},
    {kNoId, K::Label, "+/-", 103, 38, 10, 8, 0},
    {kNoId, K::Label, "%", 208, 22, 8, 8, 0},
    {kNoId, K::GroupBox, "Input Data...", 7, 7, 329, 49, 0},
    {kNoId, K::GroupBox, "Results...", 7, 57, 197, 36, 0},
});

}  // namespace

const DialogTemplate Uncert::kTemplate{
    132, "Absolute Uncertainty Calculator", 343, 100, DialogStyle::Tool, kControls};

Uncert::Uncert() {
    bind(kValue1, m_value1);
    bind(kPercent1, m_percent1);
    bind(kValue2, m_value2);
    bind(kAbsUncertainty2, m_absUncert2);
    bind(kResult, m_result);
}

std::span<const MessageEntry<Uncert>> Uncert::messageMap() {
    static constexpr std::array<MessageEntry<Uncert>, 3> kMap{{
        {kCalcAbsUncertainty, &Uncert::OnCalcAbsUncertainty},
        {kCalcPercentUncertainty, &Uncert::OnCalcPercentUncertainty},
        {kClearData, &Uncert::OnClearData},
    }};
    return kMap;
}

void Uncert::OnCalcAbsUncertainty() {
    readAllFields();
    step(N_("Absolute uncertainty = (percent ÷ 100) × value, with value %1 ± %2 %"),
         {StepArg::shown(m_value1), StepArg::shown(m_percent1)});
    const double share = m_percent1 / 100;
    m_result = share * m_value1;
    step(N_("(%1 ÷ 100) × %2 = %3 × %4 = %5"),
         {m_percent1, m_value1, share, m_value1, StepArg::shown(m_result)});
    writeAllFields();
}

void Uncert::OnCalcPercentUncertainty() {
    readAllFields();
    step(N_("Percent uncertainty = (absolute uncertainty ÷ value) × 100, with value %1 ± %2"),
         {StepArg::shown(m_value2), StepArg::shown(m_absUncert2)});
    const double share = m_absUncert2 / m_value2;
    m_result = share * 100;
    if (m_value2 == 0) {
        step(N_("The value is 0: a share of nothing; %1 ÷ 0 is %2, and so is the result"),
             {m_absUncert2, StepArg::shown(share)});
    }
    step(N_("(%1 ÷ %2) × 100 = %3 × 100 = %4 %"), {m_absUncert2, m_value2, share, StepArg::shown(m_result)});
    writeAllFields();
}

void Uncert::OnClearData() {
    // Deliberately no read: Clear is the default button, so Enter must empty
    // the window without a message even over text that is not a number.
    clearAllFields();
}
