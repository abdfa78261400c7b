#include "solvers/uncert.h"

#include <array>

Uncert::Uncert() {
    bind(1010, m_value1);
    bind(1011, m_percent1);
    bind(1012, m_value2);
    bind(1013, m_absUncert2);
    bind(1014, m_result);
}

std::span<const MessageEntry<Uncert>> Uncert::messageMap() {
    static constexpr std::array<MessageEntry<Uncert>, 3> kMap{{
        {1000, &Uncert::OnCalcAbsUncertainty},
        {1001, &Uncert::OnCalcPercentUncertainty},
        {1002, &Uncert::OnClearData},
    }};
    return kMap;
}

void Uncert::OnCalcAbsUncertainty() {
    readAllFields();
    m_result = (m_percent1 / 100) * m_value1;
    writeAllFields();
}

void Uncert::OnCalcPercentUncertainty() {
    readAllFields();
    m_result = (m_absUncert2 / m_value2) * 100;
    writeAllFields();
}

void Uncert::OnClearData() {
    // Deliberately no read: Clear is the default button, so Enter must empty
    // the window without a message even over text that is not a number.
    m_value1 = m_percent1 = m_value2 = m_absUncert2 = m_result = 0;
    writeAllFields();
}
