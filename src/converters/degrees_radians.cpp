#include "converters/degrees_radians.h"

#include <array>

DegreesRadians::DegreesRadians() {
    bind(1010, m_degrees);
    bind(1011, m_radians);
    bind(1012, m_revolutions);
}

std::span<const MessageEntry<DegreesRadians>> DegreesRadians::messageMap() {
    static constexpr std::array<MessageEntry<DegreesRadians>, 2> kMap{{
        {1000, &DegreesRadians::OnConvert},
        {1001, &DegreesRadians::OnClearData},
    }};
    return kMap;
}

// Pi is 3.14 and a radian 0.159 revolutions here, so 360 degrees make 0.99852
// revolutions. Only a value above zero converts, and degrees win over radians.
void DegreesRadians::OnConvert() {
    readAllFields();
    if (m_degrees > 0) {
        m_radians = m_degrees * 3.14 / 180;
    } else if (m_radians > 0) {
        m_degrees = m_radians * 180 / 3.14;
    } else {
        writeAllFields();
        return;
    }
    m_revolutions = m_radians * 0.159;
    writeAllFields();
}

void DegreesRadians::OnClearData() {
    readAllFields();
    m_degrees = 0;
    m_radians = 0;
    m_revolutions = 0;
    writeAllFields();
}
