#include "solvers/permutation.h"

#include <array>

#include "solvers/falling_product.h"

Permutation::Permutation() {
    bind(1010, m_n);
    bind(1011, m_r);
    bind(1012, m_result);
}

std::span<const MessageEntry<Permutation>> Permutation::messageMap() {
    static constexpr std::array<MessageEntry<Permutation>, 2> kMap{{
        {1000, &Permutation::OnCalculate},
        {1001, &Permutation::OnClearData},
    }};
    return kMap;
}

void Permutation::OnCalculate() {
    readAllFields();
    m_result = fallingProduct(m_n, m_r);
    writeAllFields();
}

void Permutation::OnClearData() {
    readAllFields();
    m_n = m_r = m_result = 0;
    writeAllFields();
}
