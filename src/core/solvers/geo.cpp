#include "core/solvers/geo.h"

#include <array>
#include <cmath>

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

    // A NaN difference is not equal to 0 and falls through to the quotient.
    const double run = m_x1 - m_x2;
    if (run == 0) {
        m_slope = kUndefinedSlope;
    } else {
        const double rise = m_y1 - m_y2;
        // A horizontal line shows 0, never the '-0' that 0 / -3 would give.
        m_slope = rise == 0 ? 0.0 : rise / run;
    }

    // Each intercept is taken through its own point from the stored slope,
    // marker included; the two are not reconciled.
    m_intercept1 = m_y1 - (m_slope * m_x1);
    m_intercept2 = m_y2 - (m_x2 * m_slope);

    const double dx = m_x2 - m_x1;
    const double dy = m_y2 - m_y1;
    m_distance = std::sqrt(dx * dx + dy * dy);
    m_midX = (m_x2 + m_x1) * 0.5;
    m_midY = (m_y2 + m_y1) * 0.5;

    writeAllFields();
}

void Geo::OnClearData() {
    readAllFields();
    clearAllFields();
}
