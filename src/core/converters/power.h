// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>

#include "core/converters/unit_converter.h"

class Power : public UnitConverter<Power, 3> {
public:
    // The window's controls, in template order.
    enum Control : int {
        kInput = 1010,
        kHorsepowerUnit = 1022,
        kWattsUnit = 1023,
        kFootPoundsPerSecondUnit = 1024,
        kHorsepower = 1011,
        kWatts = 1012,
        kFootPoundsPerSecond = 1013,
        kClearData = 1001,
    };
    static const DialogTemplate kTemplate;

    Power();

    static std::span<const MessageEntry<Power>> messageMap();

private:
    double m_input = 0;
    double m_hp = 0;
    double m_W = 0;
    double m_ftlbs = 0;
};
