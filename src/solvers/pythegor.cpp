#include "solvers/pythegor.h"

#include <array>
#include <cmath>

Pythegor::Pythegor() {
    bind(1010, m_side1);
    bind(1011, m_side2);
    bind(1012, m_hypotenuse);
    bind(1013, m_message);
}

std::span<const MessageEntry<Pythegor>> Pythegor::messageMap() {
    static constexpr std::array<MessageEntry<Pythegor>, 4> kMap{{
        {1000, &Pythegor::OnFindHypotenuse},
        {1001, &Pythegor::OnFindSide},
        {1002, &Pythegor::OnCheckTriple},
        {1003, &Pythegor::OnClearData},
    }};
    return kMap;
}

void Pythegor::OnFindHypotenuse() {
    readAllFields();
    m_hypotenuse = std::sqrt(m_side1 * m_side1 + m_side2 * m_side2);
    writeAllFields();
}

void Pythegor::OnFindSide() {
    readAllFields();
    // The first positive side is the known one; the other is overwritten
    // whatever it held. A hypotenuse shorter than the side gives NaN.
    if (m_side1 > 0) {
        m_side2 = std::sqrt(m_hypotenuse * m_hypotenuse - m_side1 * m_side1);
    } else if (m_side2 > 0) {
        m_side1 = std::sqrt(m_hypotenuse * m_hypotenuse - m_side2 * m_side2);
    } else {
        m_message = "No data entered.";
    }
    writeAllFields();
}

void Pythegor::OnCheckTriple() {
    readAllFields();
    // Exact equality on purpose: 1 and 1 with the shown 1.4142135623731 is no triple.
    const bool triple = m_side1 * m_side1 + m_side2 * m_side2 == m_hypotenuse * m_hypotenuse;
    m_message = triple ? "Yes, Pythegorean Tripple!" : "No, Not a Tripple!";
    writeAllFields();
}

void Pythegor::OnClearData() {
    readAllFields();
    m_side1 = m_side2 = m_hypotenuse = 0;
    m_message.clear();
    writeAllFields();
}
