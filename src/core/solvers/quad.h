// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>

#include "core/tool/tool.h"

// Both solutions of a x^2 + b x + c = 0, unguarded: NaN and infinities are shown as they come.
class Quad : public DialogTool<Quad> {
public:
    // The window's controls, in template order.
    enum Control : int {
        kA = 1010,
        kB = 1011,
        kC = 1012,
        kRoot1 = 1017,
        kRoot2 = 1018,
        kFindRoots = 1000,
        kClearData = 1001,
    };
    static const DialogTemplate kTemplate;

    Quad();

    static std::span<const MessageEntry<Quad>> messageMap();

    bool recordsSteps() const override { return true; }

private:
    void OnFindRoots();
    void OnClearData();

    double m_a = 0;
    double m_b = 0;
    double m_c = 0;
    double m_root1 = 0;
    double m_root2 = 0;
};
