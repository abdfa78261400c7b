// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>

#include "core/converters/unit_converter.h"

class Weight : public UnitConverter<Weight, 4> {
public:
    // The window's controls, in template order.
    enum Control : int {
        kInput = 1010,
        kGramsUnit = 1022,
        kKilogramsUnit = 1023,
        kPoundsUnit = 1024,
        kOuncesUnit = 1025,
        kGrams = 1011,
        kKilograms = 1012,
        kPounds = 1013,
        kOunces = 1014,
        kClearData = 1000,
    };
    static const DialogTemplate kTemplate;

    Weight();

    static std::span<const MessageEntry<Weight>> messageMap();

private:
    double m_input = 0;
    double m_g = 0;
    double m_kg = 0;
    double m_lb = 0;
    double m_oz = 0;
};
