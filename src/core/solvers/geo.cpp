// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/solvers/geo.h"

#include <array>
#include <cmath>

#include "core/steps/wording.h"

namespace {

using enum Geo::Control;
using K = ControlKind;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kNoId, K::GroupBox, "Input Data...", 7, 7, 156, 57, 0},
    {kNoId, K::GroupBox, "Results...", 171, 7, 162, 108, 0},
    {kNoId, K::Label, "Point 1:", 13, 24, 25, 8, 0},
    {kNoId, K::Label, "Point 2:", 13, 42, 25, 8, 0},
    {kNoId, K::Label, "X", 44, 24, 8, 8, 0},
    {kNoId, K::Label, "X", 44, 42, 8, 8, 0},
    {kNoId, K::Label, "Y", 108, 24, 8, 8, 0},
    {kNoId, K::Label, "Y", 108, 42, 8, 8, 0},
    {kX1, K::Edit, "", 52, 22, 40, 12, style::kInputField, "Point 1 X"},
    {kY1, K::Edit, "", 116, 22, 40, 12, style::kInputField, "Point 1 Y"},
    {kX2, K::Edit, "", 52, 40, 40, 12, style::kInputField, "Point 2 X"},
    {kY2, K::Edit, "", 116, 40, 40, 12, style::kInputField, "Point 2 Y"},
    {kNoId, K::Label, "Slope:", 177, 24, 21, 8, 0},
    {kSlope, K::Edit, "", 227, 23, 97, 12, style::kOutputField, "Slope"},
    {kNoId, K::Label, "Y-intercepts:", 177, 46, 40, 8, 0},
    {kIntercept1, K::Edit, "", 227, 45, 40, 12, style::kOutputField, "Y-intercept through point 1"},
    {kIntercept2, K::Edit, "", 284, 45, 40, 12, style::kOutputField, "Y-intercept through point 2"},
    {kNoId, K::Label, "Distance:", 177, 71, 31, 8, 0},
    {kDistance, K::Edit, "", 227, 70, 97, 12, style::kOutputField, "Distance"},
    {kNoId, K::Label, "Midpoint:      X", 177, 95, 46, 8, 0},
    {kMidX, K::Edit, "", 227, 93, 40, 12, style::kOutputField, "Midpoint X"},
    {kMidY, K::Edit, "", 284, 93, 40, 12, style::kOutputField, "Midpoint Y"},
    {kNoId, K::Label, "Y", 276, 95, 8, 8, 0},
    {kCalculate, K::PushButton, "Calculate", 61, 70, 102, 14, style::kDefaultButton, "Calculate"},
    {kClearData, K::PushButton, "Clear Data", 7, 70, 50, 14, style::kButton, "Clear Data"},
    {kNoId, K::Label, "NOTE: If Slope = -9999999999 then it's Undefined.", 7, 107, 162, 8, 0},
});

}  // namespace

const DialogTemplate Geo::kTemplate{137, "Geometry Line Functions", 340, 124, DialogStyle::Tool, kControls};

Geo::Geo() {
    bind(kX1, m_x1);
    bind(kY1, m_y1);
    bind(kX2, m_x2);
    bind(kY2, m_y2);
    bind(kSlope, m_slope);
    bind(kIntercept1, m_intercept1);
    bind(kIntercept2, m_intercept2);
    bind(kDistance, m_distance);
    bind(kMidX, m_midX);
    bind(kMidY, m_midY);
}

std::span<const MessageEntry<Geo>> Geo::messageMap() {
    static constexpr std::array<MessageEntry<Geo>, 2> kMap{{
        {kCalculate, &Geo::OnCalculate},
        {kClearData, &Geo::OnClearData},
    }};
    return kMap;
}

void Geo::OnCalculate() {
    readAllFields();
    step(N_("The line through (x₁, y₁) = (%1, %2) and (x₂, y₂) = (%3, %4)"),
         {StepArg::shown(m_x1), StepArg::shown(m_y1), StepArg::shown(m_x2), StepArg::shown(m_y2)});

    // A NaN difference is not equal to 0 and falls through to the quotient.
    const double run = m_x1 - m_x2;
    step(N_("Run x₁ − x₂ = %1 − %2 = %3"), {m_x1, m_x2, run});
    if (run == 0) {
        m_slope = kUndefinedSlope;
        step(N_("The run is 0: the line is vertical and has no slope; the program stores %1 in its place"),
             {StepArg::shown(m_slope)});
    } else {
        const double rise = m_y1 - m_y2;
        step(N_("Rise y₁ − y₂ = %1 − %2 = %3"), {m_y1, m_y2, rise});
        // A horizontal line shows 0, never the '-0' that 0 / -3 would give.
        m_slope = rise == 0 ? 0.0 : rise / run;
        if (rise == 0) {
            step(N_("The rise is 0: the line is horizontal, slope m = 0"));
        } else {
            step(N_("Slope m = rise ÷ run = %1 ÷ %2 = %3"), {rise, run, StepArg::shown(m_slope)});
        }
    }

    // Each intercept is taken through its own point from the stored slope,
    // marker included; the two are not reconciled.
    const double rise1 = m_slope * m_x1;
    m_intercept1 = m_y1 - rise1;
    const double rise2 = m_x2 * m_slope;
    m_intercept2 = m_y2 - rise2;
    step(N_("Y-intercept through point 1: y₁ − m × x₁ = %1 − %2 × %3 = %4 − %5 = %6"),
         {m_y1, m_slope, m_x1, m_y1, rise1, StepArg::shown(m_intercept1)});
    step(N_("Y-intercept through point 2: y₂ − x₂ × m = %1 − %2 × %3 = %4 − %5 = %6"),
         {m_y2, m_x2, m_slope, m_y2, rise2, StepArg::shown(m_intercept2)});
    if (run == 0) {
        step(N_("Both use the stored %1 as if it were a slope: a vertical line has no y-intercept but on the "
                "y-axis"),
             {kUndefinedSlope});
    }

    const double dx = m_x2 - m_x1;
    const double dy = m_y2 - m_y1;
    const double dx2 = dx * dx;
    const double dy2 = dy * dy;
    const double sum = dx2 + dy2;
    m_distance = std::sqrt(sum);
    step(N_("Δx = x₂ − x₁ = %1 − %2 = %3"), {m_x2, m_x1, dx});
    step(N_("Δy = y₂ − y₁ = %1 − %2 = %3"), {m_y2, m_y1, dy});
    step(N_("Distance = √(Δx² + Δy²) = √(%1 × %2 + %3 × %4) = √(%5 + %6) = √%7 = %8"),
         {dx, dx, dy, dy, dx2, dy2, sum, StepArg::shown(m_distance)});
    const double sumX = m_x2 + m_x1;
    const double sumY = m_y2 + m_y1;
    m_midX = sumX * 0.5;
    m_midY = sumY * 0.5;
    step(N_("Midpoint X = (x₂ + x₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4"),
         {m_x2, m_x1, sumX, StepArg::shown(m_midX)});
    step(N_("Midpoint Y = (y₂ + y₁) × 0.5 = (%1 + %2) × 0.5 = %3 × 0.5 = %4"),
         {m_y2, m_y1, sumY, StepArg::shown(m_midY)});

    writeAllFields();
}

void Geo::OnClearData() {
    readAllFields();
    clearAllFields();
}
