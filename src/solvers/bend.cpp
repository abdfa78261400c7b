#include "solvers/bend.h"

#include <array>

namespace {

// The neutral axis lies a third of the thickness in from the inside radius.
constexpr double kNeutralAxisShare = 1.0 / 3.0;
// Pi / 2 rounded to four decimals; the results are meant to use exactly this.
constexpr double kRightAngle = 1.5708;

}  // namespace

Bend::Bend() {
    bind(1010, m_radius);
    bind(1011, m_thickness);
    bind(1012, m_angle);
    bind(1019, m_bendAllowance);
    bind(1020, m_neutralAxis);
    bind(1021, m_rightAngleBend);
    bind(1022, m_perDegree);
}

std::span<const MessageEntry<Bend>> Bend::messageMap() {
    static constexpr std::array<MessageEntry<Bend>, 2> kMap{{
        {1000, &Bend::OnCalculate},
        {1001, &Bend::OnClearData},
    }};
    return kMap;
}

void Bend::OnCalculate() {
    readAllFields();
    m_neutralAxis = m_thickness * kNeutralAxisShare + m_radius;
    m_rightAngleBend = m_neutralAxis * kRightAngle;
    m_perDegree = m_rightAngleBend / 90;
    m_bendAllowance = m_perDegree * m_angle;
    writeAllFields();
}

void Bend::OnClearData() {
    readAllFields();
    m_radius = m_thickness = m_angle = 0;
    m_bendAllowance = m_neutralAxis = m_rightAngleBend = m_perDegree = 0;
    writeAllFields();
}
