#pragma once

#include <span>
#include <string>

#include "dialog/tool.h"

// Names the SI prefix of a power of ten, entered by typing or by the keypad.
class Prefixes : public DialogTool<Prefixes> {
public:
    Prefixes();

    static std::span<const MessageEntry<Prefixes>> messageMap();

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
