// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>

#include "core/tool/tool.h"

// Percent to absolute uncertainty (row 1) and absolute to percent (row 2), one shared result.
class Uncert : public DialogTool<Uncert> {
public:
    // The window's controls, in template order.
    enum Control : int {
        kValue1 = 1010,
        kPercent1 = 1011,
        kValue2 = 1012,
        kAbsUncertainty2 = 1013,
        kResult = 1014,
        kCalcAbsUncertainty = 1000,
        kCalcPercentUncertainty = 1001,
        kClearData = 1002,
    };
    static const DialogTemplate kTemplate;

    Uncert();

    static std::span<const MessageEntry<Uncert>> messageMap();

    bool recordsSteps() const override { return true; }

private:
    void OnCalcAbsUncertainty();
    void OnCalcPercentUncertainty();
    void OnClearData();

    double m_value1 = 0;
    double m_percent1 = 0;
    double m_value2 = 0;
    double m_absUncert2 = 0;
    double m_result = 0;
};
