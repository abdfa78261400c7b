// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>

#include "core/solvers/falling_product.h"
#include "core/tool/tool.h"

// x * (x - 1) * ... down to and including the first factor not above 1;
// x itself when x is not above 1 (so 0 for 0, -3 for -3, NaN for NaN).
// Ends at once for every x: from 2^53 up, where the plain loop would never
// end, the product is +infinity.
// With a trace, its factors are noted (none when x is not above 1).
double Factorial(double x, FallingTrace* trace = nullptr);

// C(n, r) from three factorials, with no guard against zero divisors.
class TheCombination : public DialogTool<TheCombination> {
public:
    // The window's controls, in template order.
    enum Control : int {
        kN = 1010,
        kR = 1011,
        kResult = 1012,
        kCalculate = 1000,
        kClear = 1001,
    };
    static const DialogTemplate kTemplate;

    TheCombination();

    static std::span<const MessageEntry<TheCombination>> messageMap();

    bool recordsSteps() const override { return true; }

private:
    // Factorial(x) as a worked step named label.
    double factorialStep(const char* label, double x);
    void OnCalculate();
    void OnClearData();

    double m_n = 0;
    double m_r = 0;
    double m_result = 0;
};
