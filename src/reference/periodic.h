#pragma once

#include <span>
#include <string>

#include "dialog/tool.h"

// The periodic table: a button per element that shows its symbol in the data
// box. The program knows the symbols only, so the other three fields stay
// empty.
class Periodic : public DialogTool<Periodic> {
public:
    static constexpr int kSymbolField = 1010;
    static constexpr int kNameField = 1052;
    static constexpr int kAtomicWeightField = 1122;
    static constexpr int kAtomicNumberField = 1123;

    Periodic();

    static std::span<const MessageEntry<Periodic>> messageMap();

    // Every captioned button: its own caption as the symbol.
    void OnElement(int id);
    void OnUnnamedElement();
    void OnEmptyElement();

private:
    void show(std::string symbol, std::string name, std::string atomicWeight, std::string atomicNumber);

    std::string m_symbol;
    std::string m_name;
    std::string m_atomicWeight;
    std::string m_atomicNumber;
};
