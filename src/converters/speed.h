#pragma once

#include <span>

#include "converters/unit_converter.h"

class Speed : public UnitConverter<Speed, 4> {
public:
    Speed();

    static std::span<const MessageEntry<Speed>> messageMap();

private:
    double m_input = 0;
    double m_ms = 0;
    double m_fts = 0;
    double m_mih = 0;
    double m_kmh = 0;
};
