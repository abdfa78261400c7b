// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>

#include "core/tool/tool.h"

// Slope, both y-intercepts, distance and midpoint of the line through two points.
class Geo : public DialogTool<Geo> {
public:
    // The window's controls, in template order.
    enum Control : int {
        kX1 = 1010,
        kY1 = 1011,
        kX2 = 1012,
        kY2 = 1013,
        kSlope = 1014,
        kIntercept1 = 1017,
        kIntercept2 = 1016,
        kDistance = 1018,
        kMidX = 1019,
        kMidY = 1020,
        kCalculate = 1000,
        kClearData = 1001,
    };
    static const DialogTemplate kTemplate;

    Geo();

    static std::span<const MessageEntry<Geo>> messageMap();

    // Stored as the slope of a vertical line; the window's note explains it.
    static constexpr double kUndefinedSlope = -9999999999.0;

    bool recordsSteps() const override { return true; }

private:
    void OnCalculate();
    void OnClearData();

    double m_x1 = 0;
    double m_y1 = 0;
    double m_x2 = 0;
    double m_y2 = 0;
    double m_slope = 0;
    double m_intercept1 = 0;
    double m_intercept2 = 0;
    double m_distance = 0;
    double m_midX = 0;
    double m_midY = 0;
};
