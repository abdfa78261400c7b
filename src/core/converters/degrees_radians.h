// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>

#include "core/tool/tool.h"

// Degrees and radians converted into each other by one button, with the
// revolutions of the angle beside them.
class DegreesRadians : public DialogTool<DegreesRadians> {
public:
    // The window's controls, in template order.
    enum Control : int {
        kDegrees = 1010,
        kRadians = 1011,
        kConvert = 1000,
        kClearData = 1001,
        kRevolutions = 1012,
    };
    static const DialogTemplate kTemplate;

    DegreesRadians();

    static std::span<const MessageEntry<DegreesRadians>> messageMap();

    bool recordsSteps() const override { return true; }

private:
    void OnConvert();
    void OnClearData();

    double m_degrees = 0;
    double m_radians = 0;
    double m_revolutions = 0;
};
