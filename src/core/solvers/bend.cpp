// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/solvers/bend.h"

#include <array>

#include "core/steps/wording.h"

namespace {

using enum Bend::Control;
using K = ControlKind;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kNoId, K::GroupBox, "Input data...", 7, 7, 129, 61, cf::Flat},
    {kNoId, K::GroupBox, "Results...", 144, 7, 167, 105, cf::Flat},
    {kRadius, K::Edit, "", 84, 19, 46, 12, style::kInputField, "Inside bend radius R"},
    {kNoId, K::Label, "Inside bend radius R:", 13, 21, 68, 8, 0},
    {kNoId, K::Label, "Material thickness T:", 13, 36, 66, 8, 0},
    {kNoId, K::Label, "Angle of the bend A:", 13, 51, 69, 8, 0},
    {kThickness, K::Edit, "", 84, 34, 46, 12, style::kInputField, "Material thickness T"},
    {kAngle, K::Edit, "", 84, 49, 46, 12, style::kInputField, "Angle of the bend A"},
    {kCalculate, K::PushButton, "Calculate Bend Allowance", 7, 72, 129, 22, style::kDefaultButton,
     "Calculate Bend Allowance"},
    {kClearData, K::PushButton, "Clear Data", 7, 98, 129, 14, style::kButton, "Clear Data"},
    {kNoId, K::Label, "Bend Allowance:", 150, 19, 54, 8, 0},
    {kNoId, K::Label, "Neutral Axis:", 150, 60, 40, 8, 0},
    {kNoId, K::Label, "For Right Angle Bend:", 150, 77, 70, 8, 0},
    {kNoId, K::Label, "Per Degree:", 150, 94, 39, 8, 0},
    {kNoId, K::Label, "Details of the calculations:", 149, 41, 156, 11, cf::Center},
    {kBendAllowance, K::Edit, "", 223, 17, 82, 12, style::kOutputField, "Bend Allowance"},
    {kNeutralAxis, K::Edit, "", 223, 58, 82, 12, style::kOutputField, "Neutral Axis"},
    {kRightAngleBend, K::Edit, "", 223, 75, 82, 12, style::kOutputField, "For Right Angle Bend"},
    {kPerDegree, K::Edit, "", 223, 92, 82, 12, style::kOutputField, "Per Degree"},
});

// The neutral axis lies a third of the thickness in from the inside radius.
constexpr double kNeutralAxisShare = 1.0 / 3.0;
// Pi / 2 rounded to four decimals; the results are meant to use exactly this.
constexpr double kRightAngle = 1.5708;

}  // namespace

const DialogTemplate Bend::kTemplate{157, "Bend Allowance", 318, 119, DialogStyle::Tool, kControls};

Bend::Bend() {
    bind(kRadius, m_radius);
    bind(kThickness, m_thickness);
    bind(kAngle, m_angle);
    bind(kBendAllowance, m_bendAllowance);
    bind(kNeutralAxis, m_neutralAxis);
    bind(kRightAngleBend, m_rightAngleBend);
    bind(kPerDegree, m_perDegree);
}

std::span<const MessageEntry<Bend>> Bend::messageMap() {
    static constexpr std::array<MessageEntry<Bend>, 2> kMap{{
        {kCalculate, &Bend::OnCalculate},
        {kClearData, &Bend::OnClearData},
    }};
    return kMap;
}

void Bend::OnCalculate() {
    readAllFields();
    step(N_("Radius R = %1, thickness T = %2, angle A = %3°; the neutral axis lies a third of T into the "
            "sheet"),
         {StepArg::shown(m_radius), StepArg::shown(m_thickness), StepArg::shown(m_angle)});
    const double share = m_thickness * kNeutralAxisShare;
    m_neutralAxis = share + m_radius;
    step(N_("Neutral axis = T × 1/3 + R = %1 × %2 + %3 = %4 + %5 = %6"),
         {m_thickness, kNeutralAxisShare, m_radius, share, m_radius, StepArg::shown(m_neutralAxis)});
    m_rightAngleBend = m_neutralAxis * kRightAngle;
    step(N_("For right angle bend = neutral axis × 1.5708 (π/2 to four places) = %1 × %2 = %3"),
         {m_neutralAxis, kRightAngle, StepArg::shown(m_rightAngleBend)});
    m_perDegree = m_rightAngleBend / 90;
    step(N_("Per degree = right angle bend ÷ 90 = %1 ÷ 90 = %2"),
         {m_rightAngleBend, StepArg::shown(m_perDegree)});
    m_bendAllowance = m_perDegree * m_angle;
    step(N_("Bend allowance = per degree × A = %1 × %2 = %3"),
         {m_perDegree, m_angle, StepArg::shown(m_bendAllowance)});
    writeAllFields();
}

void Bend::OnClearData() {
    readAllFields();
    clearAllFields();
}
