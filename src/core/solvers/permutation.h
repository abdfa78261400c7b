// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>

#include "core/tool/tool.h"

// P(n, r) as the falling product n * (n - 1) * ..., one factor for each pass
// of a counter from r down while it is above 1 (a fractional r counts up).
class Permutation : public DialogTool<Permutation> {
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

    Permutation();

    static std::span<const MessageEntry<Permutation>> messageMap();

    bool recordsSteps() const override { return true; }

private:
    void OnCalculate();
    void OnClearData();

    double m_n = 0;
    double m_r = 0;
    double m_result = 0;
};
