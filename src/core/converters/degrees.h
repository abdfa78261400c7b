// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>
#include <string>

#include "core/converters/unit_converter.h"

// Temperature: the two other units of the clicked one, with their names in
// the text fields beside them.
class Degrees : public UnitConverter<Degrees, 2, 2> {
public:
    // The window's controls, in template order.
    enum Control : int {
        kInput = 1010,
        kClearData = 1000,
        kCelsiusUnit = 1022,
        kFahrenheitUnit = 1023,
        kKelvinUnit = 1024,
        kFirstResult = 1011,
        kSecondResult = 1012,
        kFirstName = 1013,
        kSecondName = 1014,
    };
    static const DialogTemplate kTemplate;

    Degrees();

    static std::span<const MessageEntry<Degrees>> messageMap();

private:
    double m_input = 0;
    double m_first = 0;
    double m_second = 0;
    std::string m_firstUnit;
    std::string m_secondUnit;
};
