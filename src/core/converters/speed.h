// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>

#include "core/converters/unit_converter.h"

class Speed : public UnitConverter<Speed, 4> {
public:
    // The window's controls, in template order.
    enum Control : int {
        kInput = 1010,
        kMetersPerSecondUnit = 1022,
        kFeetPerSecondUnit = 1023,
        kMilesPerHourUnit = 1024,
        kKilometersPerHourUnit = 1025,
        kMetersPerSecond = 1011,
        kFeetPerSecond = 1012,
        kMilesPerHour = 1013,
        kKilometersPerHour = 1014,
        kClearData = 1001,
    };
    static const DialogTemplate kTemplate;

    Speed();

    static std::span<const MessageEntry<Speed>> messageMap();

private:
    double m_input = 0;
    double m_ms = 0;
    double m_fts = 0;
    double m_mih = 0;
    double m_kmh = 0;
};
