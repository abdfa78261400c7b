// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>
#include <string>

#include "core/tool/tool.h"

// The basic calculator: a four-function pocket calculator. Unlike the advanced
// one it keeps its running value as a double, types one number at a time and
// starts a new number after a result; its window also takes the keyboard.
class SimpleCalc : public DialogTool<SimpleCalc> {
public:
    // The window's controls, in template order. The handler map takes the
    // digits and the operators as ranges, and a digit key tells its digit by
    // its distance from kDigit1.
    enum Control : int {
        kDisplay = 1010,
        kDigit1 = 1000,
        kDigit2 = 1001,
        kDigit3 = 1002,
        kDigit4 = 1003,
        kDigit5 = 1004,
        kDigit6 = 1005,
        kDigit7 = 1006,
        kDigit8 = 1007,
        kDigit9 = 1008,
        kDigit0 = 1009,
        kSign = 1011,
        kPoint = 1012,
        kPlus = 1023,
        kMinus = 1024,
        kTimes = 1025,
        kDividedBy = 1026,
        kClear = 1027,
        kBack = 1043,
        kEquals = 1030,
    };
    static const DialogTemplate kTemplate;

    SimpleCalc();

    static std::span<const MessageEntry<SimpleCalc>> messageMap();

    std::span<const KeyBinding> keyBindings() const override;

    // Longest number one can type, not counting its sign.
    static constexpr std::size_t kMaxEntry = 20;

    enum Operation : int { NoOperation = 0, Add, Subtract, Multiply, Divide };

private:
    void OnDigit(int id);
    void OnPoint();
    void OnSign();
    void OnBack();
    void OnClear();
    void OnOperator(int id);
    void OnEquals();

    // Starts a new number in the display unless one is being typed.
    void beginEntry();
    void showValue();
    std::size_t entryLength() const;

    std::string m_display;
    double m_value = 0;  // the first operand of the pending operation, or the last result
    int m_pendingOp = NoOperation;
    bool m_entering = false;  // the display holds a number being typed
};
