#pragma once

#include <span>

#include "converters/unit_converter.h"

class Pressures : public UnitConverter<Pressures, 6> {
public:
    Pressures();

    static std::span<const MessageEntry<Pressures>> messageMap();

private:
    double m_input = 0;
    double m_atm = 0;
    double m_mmHg = 0;
    double m_torr = 0;
    double m_Pa = 0;
    double m_kPa = 0;
    double m_Nm2 = 0;
};
