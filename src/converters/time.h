#pragma once

#include <span>

#include "converters/unit_converter.h"

class Time : public UnitConverter<Time, 6> {
public:
    Time();

    static std::span<const MessageEntry<Time>> messageMap();

private:
    double m_input = 0;
    double m_s = 0;
    double m_min = 0;
    double m_h = 0;
    double m_d = 0;
    double m_mo = 0;
    double m_yr = 0;
};
