#include "solvers/the_combination.h"

#include <array>

#include "solvers/falling_product.h"

double Factorial(double x) {
    if (!(x > 1)) {
        return x;
    }
    // Counting down from x itself is the falling product with r = x: the
    // counter and the factor are the same number.
    return fallingProduct(x, x);
}

TheCombination::TheCombination() {
    bind(1010, m_n);
    bind(1011, m_r);
    bind(1012, m_result);
}

std::span<const MessageEntry<TheCombination>> TheCombination::messageMap() {
    static constexpr std::array<MessageEntry<TheCombination>, 2> kMap{{
        {1000, &TheCombination::OnCalculate},
        {1001, &TheCombination::OnClearData},
    }};
    return kMap;
}

void TheCombination::OnCalculate() {
    readAllFields();
    const double f1 = Factorial(m_n);
    const double f2 = Factorial(m_n - m_r);
    const double f3 = Factorial(m_r);
    m_result = f1 / (f3 * f2);
    writeAllFields();
}

void TheCombination::OnClearData() {
    readAllFields();
    m_n = m_r = m_result = 0;
    writeAllFields();
}
