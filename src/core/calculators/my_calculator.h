// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>
#include <string>

#include "core/tool/tool.h"

// The advanced calculator. It works on texts: the keypad appends to the
// display text, an operation reads its operands back from texts and replaces
// the display with its result written as "%G". Every press is logged in a
// one-line history.
class MyCalculator : public DialogTool<MyCalculator> {
public:
    // The window's controls, in template order. The handler map takes runs of
    // ids as ranges (kDigit1 to kDigit0, kStore1 to kStore3, kSin to kCot, ...),
    // and a digit, Sto or Rec key tells its digit or memory by its distance
    // from the first key of its run.
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
        kMemory1 = 1013,
        kMemory2 = 1014,
        kMemory3 = 1015,
        kStore1 = 1016,
        kStore2 = 1017,
        kStore3 = 1018,
        kRecall1 = 1019,
        kRecall2 = 1020,
        kRecall3 = 1021,
        kEquals = 1022,
        kPlus = 1023,
        kMinus = 1024,
        kTimes = 1025,
        kDividedBy = 1026,
        kClear = 1027,
        kMemoryClear = 1029,
        kHistory = 1052,
        kSquare = 1028,
        kCube = 1032,
        kRaise = 1033,
        kSqrt = 1034,
        kPi = 1035,
        kFactorial = 1036,
        kSin = 1037,
        kCos = 1038,
        kTan = 1039,
        kCsc = 1040,
        kSec = 1041,
        kCot = 1042,
        kBack = 1043,
        kClearHistory = 1044,
        kHelp = 1056,
        kLog = 1045,
        kCeil = 1046,
        kFloor = 1047,
        kAbs = 1048,
        kMod = 1049,
        kReciprocal = 1050,
        kUnusedKey1 = 1051,
        kUnusedKey2 = 1053,
        kUnusedKey3 = 1054,
        kUnusedKey4 = 1055,
        kUnusedKey5 = 1057,
        kUnusedKey6 = 1058,
        kCalculate = 1030,
    };
    static const DialogTemplate kTemplate;

    MyCalculator();

    static std::span<const MessageEntry<MyCalculator>> messageMap();

    std::span<const KeyBinding> keyBindings() const override;
    std::span<const char* const> messageTexts() const override;

    // Pending two-operand operation, as the operator buttons set it.
    enum Operation : int { NoOperation = 0, Add, Subtract, Multiply, Divide, Power, Remainder };

private:
    void OnDigit(int id);
    void OnPoint();
    void OnSign();
    void OnBack();
    void OnClear();
    void OnClearHistory();
    void OnStore(int id);
    void OnRecall(int id);
    void OnMemoryClear();
    void OnHelp();

    void OnEquals();
    void OnOperator(int id);
    void OnFunction(int id);
    void OnFactorial();
    void OnPi();

    // Completes the pending operation, if any, and clears it.
    void evaluate();
    // Writes a result into the display and logs " = result;  ".
    void showResult(double result);
    std::string& memory(int index);

    std::string m_display;
    std::string m_memory1;
    std::string m_memory2;
    std::string m_memory3;
    TextLog m_history;
    std::string m_operand;
    int m_pendingOp = NoOperation;
};
