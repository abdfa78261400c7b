#pragma once

#include <span>

#include "dialog/tool.h"

// Percent to absolute uncertainty (row 1) and absolute to percent (row 2), one shared result.
class Uncert : public DialogTool<Uncert> {
public:
    Uncert();

    static std::span<const MessageEntry<Uncert>> messageMap();

    void OnCalcAbsUncertainty();
    void OnCalcPercentUncertainty();
    void OnClearData();

    double m_value1 = 0;
    double m_percent1 = 0;
    double m_value2 = 0;
    double m_absUncert2 = 0;
    double m_result = 0;
};
