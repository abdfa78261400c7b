// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>

#include "core/converters/unit_converter.h"

class Force : public UnitConverter<Force, 4> {
public:
    // The window's controls, in template order.
    enum Control : int {
        kInput = 1010,
        kNewtonsUnit = 1022,
        kDynesUnit = 1023,
        kPoundsUnit = 1024,
        kTonsUnit = 1025,
        kNewtons = 1011,
        kDynes = 1012,
        kPounds = 1013,
        kTons = 1014,
        kClearData = 1001,
    };
    static const DialogTemplate kTemplate;

    Force();

    static std::span<const MessageEntry<Force>> messageMap();

private:
    double m_input = 0;
    double m_N = 0;
    double m_dyn = 0;
    double m_lb = 0;
    double m_ton = 0;
};
