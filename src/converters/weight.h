#pragma once

#include <span>

#include "converters/unit_converter.h"

class Weight : public UnitConverter<Weight, 4> {
public:
    Weight();

    static std::span<const MessageEntry<Weight>> messageMap();

private:
    double m_input = 0;
    double m_g = 0;
    double m_kg = 0;
    double m_lb = 0;
    double m_oz = 0;
};
