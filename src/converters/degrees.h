#pragma once

#include <span>
#include <string>

#include "converters/unit_converter.h"

// Temperature: the two other units of the clicked one, with their names in
// the text fields beside them.
class Degrees : public UnitConverter<Degrees, 2, 2> {
public:
    Degrees();

    static std::span<const MessageEntry<Degrees>> messageMap();

private:
    double m_input = 0;
    double m_first = 0;
    double m_second = 0;
    std::string m_firstUnit;
    std::string m_secondUnit;
};
