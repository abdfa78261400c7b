#pragma once

#include <span>

#include "converters/unit_converter.h"

class Energy : public UnitConverter<Energy, 5> {
public:
    Energy();

    static std::span<const MessageEntry<Energy>> messageMap();

private:
    double m_input = 0;
    double m_J = 0;
    double m_erg = 0;
    double m_cal = 0;
    double m_ftlb = 0;
    double m_kWh = 0;
};
