#pragma once

#include <span>

#include "converters/unit_converter.h"

class Length : public UnitConverter<Length, 7> {
public:
    Length();

    static std::span<const MessageEntry<Length>> messageMap();

private:
    double m_input = 0;
    double m_m = 0;
    double m_cm = 0;
    double m_in = 0;
    double m_ft = 0;
    double m_mi = 0;
    double m_km = 0;
    double m_ly = 0;
};
