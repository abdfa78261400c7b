#pragma once

#include <span>
#include <string>

#include "dialog/tool.h"

// The basic calculator: a four-function pocket calculator. Unlike the advanced
// one it keeps its running value as a double, types one number at a time and
// starts a new number after a result; its window also takes the keyboard.
class SimpleCalc : public DialogTool<SimpleCalc> {
public:
    SimpleCalc();

    static std::span<const MessageEntry<SimpleCalc>> messageMap();

    bool handleKey(ToolKey key, char character) override;

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
