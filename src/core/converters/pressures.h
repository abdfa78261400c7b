// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>

#include "core/converters/unit_converter.h"

class Pressures : public UnitConverter<Pressures, 6> {
public:
    // The window's controls, in template order.
    enum Control : int {
        kInput = 1010,
        kAtmUnit = 1022,
        kMmHgUnit = 1023,
        kTorrUnit = 1024,
        kPaUnit = 1025,
        kKPaUnit = 1026,
        kNm2Unit = 1027,
        kAtm = 1011,
        kMmHg = 1012,
        kTorr = 1013,
        kPa = 1014,
        kKPa = 1017,
        kNm2 = 1016,
        kClearData = 1000,
    };
    static const DialogTemplate kTemplate;

    Pressures();

    static std::span<const MessageEntry<Pressures>> messageMap();

private:
    double m_input = 0;
    double m_atm = 0;
    double m_mmHg = 0;
    double m_torr = 0;
    double m_Pa = 0;
    double m_kPa = 0;
    double m_Nm2 = 0;
};
