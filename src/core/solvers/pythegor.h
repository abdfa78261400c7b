// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>
#include <string>

#include "core/tool/tool.h"

// Hypotenuse, missing side and the exact triple check of a right triangle.
class Pythegor : public DialogTool<Pythegor> {
public:
    // The window's controls, in template order.
    enum Control : int {
        kSide1 = 1010,
        kSide2 = 1011,
        kHypotenuse = 1012,
        kFindHypotenuse = 1000,
        kFindSide = 1001,
        kCheckTriple = 1002,
        kMessage = 1013,
        kClearData = 1003,
    };
    static const DialogTemplate kTemplate;
    std::span<const char* const> fieldWords() const override;

    Pythegor();

    static std::span<const MessageEntry<Pythegor>> messageMap();

    bool recordsSteps() const override { return true; }

private:
    struct Side {
        const char* name;
        const char* symbol;
    };
    double otherSide(double known, const Side& knownSide, const Side& missingSide);
    void OnFindHypotenuse();
    void OnFindSide();
    void OnCheckTriple();
    void OnClearData();

    double m_side1 = 0;
    double m_side2 = 0;
    double m_hypotenuse = 0;
    std::string m_message;
};
