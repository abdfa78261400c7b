// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>
#include <string>

#include "core/tool/tool.h"

// Names the SI prefix of a power of ten, entered by typing or by the keypad.
class Prefixes : public DialogTool<Prefixes> {
public:
    // The window's controls, in template order.
    enum Control : int {
        kPower = 1010,
        kFactor = 1011,
        kPrefix = 1012,
        kSymbol = 1013,
        kLookUp = 1000,
        kClearData = 1001,
        kPlusMinus = 1002,
        kKeyE1 = 1003,
        kKeyE2 = 1004,
        kKeyE3 = 1005,
        kKeyE6 = 1006,
        kKeyE9 = 1007,
        kKeyE12 = 1008,
        kKeyE15 = 1014,
        kKeyE18 = 1015,
        kKeyE21 = 1016,
        kKeyE24 = 1017,
        kKeypadPlusMinus = 1018,
        kKeypadLookUp = 1019,
    };
    static const DialogTemplate kTemplate;
    std::span<const char* const> fieldWords() const override;

    Prefixes();

    static std::span<const MessageEntry<Prefixes>> messageMap();

    bool recordsSteps() const override { return true; }

private:
    void OnLookUp();
    void OnClearData();
    void OnPlusMinus();
    // Each keypad button sets its own exponent; the id says which.
    void OnKeypadPower(int controlId);

    std::string m_prefix;
    std::string m_symbol;
    int m_power = 0;
    int m_factor = 0;
};
