// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>

#include "core/converters/unit_converter.h"

class Energy : public UnitConverter<Energy, 5> {
public:
    // The window's controls, in template order.
    enum Control : int {
        kInput = 1010,
        kJoulesUnit = 1022,
        kErgsUnit = 1023,
        kCaloriesUnit = 1024,
        kFootPoundsUnit = 1025,
        kKilowattHoursUnit = 1026,
        kJoules = 1011,
        kErgs = 1012,
        kCalories = 1013,
        kFootPounds = 1014,
        kKilowattHours = 1017,
        kClearData = 1001,
    };
    static const DialogTemplate kTemplate;

    Energy();

    static std::span<const MessageEntry<Energy>> messageMap();

private:
    double m_input = 0;
    double m_J = 0;
    double m_erg = 0;
    double m_cal = 0;
    double m_ftlb = 0;
    double m_kWh = 0;
};
