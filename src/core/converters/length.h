// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>

#include "core/converters/unit_converter.h"

class Length : public UnitConverter<Length, 7> {
public:
    // The window's controls, in template order.
    enum Control : int {
        kInput = 1010,
        kMetersUnit = 1022,
        kCentimetersUnit = 1023,
        kInchesUnit = 1024,
        kFeetUnit = 1025,
        kMilesUnit = 1026,
        kKilometersUnit = 1027,
        kLightYearsUnit = 1053,
        kMeters = 1011,
        kCentimeters = 1012,
        kInches = 1013,
        kFeet = 1014,
        kMiles = 1017,
        kKilometers = 1016,
        kLightYears = 1018,
        kClearData = 1001,
    };
    static const DialogTemplate kTemplate;

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
