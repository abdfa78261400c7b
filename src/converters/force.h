#pragma once

#include <span>

#include "converters/unit_converter.h"

class Force : public UnitConverter<Force, 4> {
public:
    Force();

    static std::span<const MessageEntry<Force>> messageMap();

private:
    double m_input = 0;
    double m_N = 0;
    double m_dyn = 0;
    double m_lb = 0;
    double m_ton = 0;
};
