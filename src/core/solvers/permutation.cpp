// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/solvers/permutation.h"

#include <array>

#include "core/solvers/falling_product.h"
#include "core/steps/wording.h"

namespace {

using enum Permutation::Control;
using K = ControlKind;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kNoId, K::GroupBox, "Enter Data From P(n, r):", 7, 7, 182, 30, cf::Flat},
    {kNoId, K::GroupBox, "Permutation Result:", 7, 40, 182, 31, cf::Flat},
    {kN, K::Edit, "", 22, 17, 70, 12, style::kInputField, "n"},
    {kR, K::Edit, "", 112, 17, 70, 12, style::kInputField, "r"},
    {kNoId, K::Label, "n:", 13, 19, 8, 8, 0},
    {kNoId, K::Label, "r:", 105, 19, 8, 8, 0},
    {kResult, K::Edit, "", 13, 52, 169, 12, style::kOutputField, "Result"},
    {kCalculate, K::PushButton, "Calculate", 7, 74, 182, 14, style::kDefaultButton, "Calculate"},
    {kClear, K::PushButton, "Clear", 7, 90, 182, 14, style::kButton, "Clear"},
});

}  // namespace

const DialogTemplate Permutation::kTemplate{176, "Permutation", 196, 111, DialogStyle::Tool, kControls};

Permutation::Permutation() {
    bind(kN, m_n);
    bind(kR, m_r);
    bind(kResult, m_result);
}

std::span<const MessageEntry<Permutation>> Permutation::messageMap() {
    static constexpr std::array<MessageEntry<Permutation>, 2> kMap{{
        {kCalculate, &Permutation::OnCalculate},
        {kClear, &Permutation::OnClearData},
    }};
    return kMap;
}

void Permutation::OnCalculate() {
    readAllFields();
    step(N_("P(n, r) = n × (n − 1) × …, one factor more for each pass while the count r is above 1; n = %1, "
            "r = "
            "%2"),
         {StepArg::shown(m_n), StepArg::shown(m_r)});
    FallingTrace trace;
    m_result = fallingProduct(m_n, m_r, recording() ? &trace : nullptr);
    if (StepRecorder* steps = recorder()) {
        if (trace.factors == 1 && !trace.settled) {
            steps->add(N_("r = %1 is not above 1: no factor after n, so P = n = %2"),
                       {m_r, StepArg::shown(m_result)});
        } else {
            recordFallingProduct(*steps, "P", trace, StepArg::shown(m_result));
        }
    }
    writeAllFields();
}

void Permutation::OnClearData() {
    readAllFields();
    clearAllFields();
}
