// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>

#include "core/tool/tool.h"

// Sheet-metal bend allowance with the intermediate neutral-axis figures.
class Bend : public DialogTool<Bend> {
public:
    // The window's controls, in template order.
    enum Control : int {
        kRadius = 1010,
        kThickness = 1011,
        kAngle = 1012,
        kCalculate = 1000,
        kClearData = 1001,
        kBendAllowance = 1019,
        kNeutralAxis = 1020,
        kRightAngleBend = 1021,
        kPerDegree = 1022,
    };
    static const DialogTemplate kTemplate;

    Bend();

    static std::span<const MessageEntry<Bend>> messageMap();

    bool recordsSteps() const override { return true; }

private:
    void OnCalculate();
    void OnClearData();

    double m_radius = 0;
    double m_thickness = 0;
    double m_angle = 0;
    double m_bendAllowance = 0;
    double m_neutralAxis = 0;
    double m_rightAngleBend = 0;
    double m_perDegree = 0;
};
