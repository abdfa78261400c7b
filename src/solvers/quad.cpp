#include "solvers/quad.h"

#include <array>
#include <cmath>

Quad::Quad() {
    bind(1010, m_a);
    bind(1011, m_b);
    bind(1012, m_c);
    bind(1017, m_root1);
    bind(1018, m_root2);
}

std::span<const MessageEntry<Quad>> Quad::messageMap() {
    static constexpr std::array<MessageEntry<Quad>, 2> kMap{{
        {1000, &Quad::OnFindRoots},
        {1001, &Quad::OnClearData},
    }};
    return kMap;
}

void Quad::OnFindRoots() {
    readAllFields();
    const double discriminant = m_b * m_b - (m_a * 4) * m_c;
    const double root = std::sqrt(discriminant);
    // The plus-sign solution always goes to the left field.
    m_root1 = (-m_b + root) / (m_a + m_a);
    m_root2 = (-m_b - root) / (m_a + m_a);
    writeAllFields();
}

void Quad::OnClearData() {
    readAllFields();
    m_a = m_b = m_c = m_root1 = m_root2 = 0;
    writeAllFields();
}
