#pragma once

#include <span>
#include <string>

#include "dialog/tool.h"

// The advanced calculator. It works on texts: the keypad appends to the
// display text, an operation reads its operands back from texts and replaces
// the display with its result written as "%G". Every press is logged in a
// one-line history.
class MyCalculator : public DialogTool<MyCalculator> {
public:
    MyCalculator();

    static std::span<const MessageEntry<MyCalculator>> messageMap();

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
    std::string m_history;
    std::string m_operand;
    int m_pendingOp = NoOperation;
};
