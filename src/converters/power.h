#pragma once

#include <span>

#include "converters/unit_converter.h"

class Power : public UnitConverter<Power, 3> {
public:
    Power();

    static std::span<const MessageEntry<Power>> messageMap();

private:
    double m_input = 0;
    double m_hp = 0;
    double m_W = 0;
    double m_ftlbs = 0;
};
