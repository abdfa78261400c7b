// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>

#include "core/converters/unit_converter.h"

class Time : public UnitConverter<Time, 6> {
public:
    // The window's controls, in template order.
    enum Control : int {
        kInput = 1010,
        kSecondsUnit = 1022,
        kMinutesUnit = 1023,
        kHoursUnit = 1024,
        kDaysUnit = 1025,
        kMonthsUnit = 1026,
        kYearsUnit = 1027,
        kSeconds = 1011,
        kMinutes = 1012,
        kHours = 1013,
        kDays = 1014,
        kMonths = 1017,
        kYears = 1016,
        kClearData = 1001,
    };
    static const DialogTemplate kTemplate;

    Time();

    static std::span<const MessageEntry<Time>> messageMap();

private:
    double m_input = 0;
    double m_s = 0;
    double m_min = 0;
    double m_h = 0;
    double m_d = 0;
    double m_mo = 0;
    double m_yr = 0;
};
