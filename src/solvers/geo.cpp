#include "solvers/geo.h"

#include <array>
#include <cmath>

Geo::Geo() {
    bind(1010, m_x1);
    bind(1011, m_y1);
    bind(1012, m_x2);
    bind(1013, m_y2);
    bind(1014, m_slope);
    bind(1017, m_intercept1);
    bind(1016, m_intercept2);
    bind(1018, m_distance);
    bind(1019, m_midX);
    bind(1020, m_midY);
}

std::span<const MessageEntry<Geo>> Geo::messageMap() {
    static constexpr std::array<MessageEntry<Geo>, 2> kMap{{
        {1000, &Geo::OnCalculate},
        {1001, &Geo::OnClearData},
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
    m_x1 = m_y1 = m_x2 = m_y2 = 0;
    m_slope = m_intercept1 = m_intercept2 = m_distance = m_midX = m_midY = 0;
    writeAllFields();
}
