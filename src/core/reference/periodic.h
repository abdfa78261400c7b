#pragma once

#include <span>
#include <string>

#include "core/dialog/tool.h"

// The periodic table: a button per element that shows its symbol in the data
// box. The program knows the symbols only, so the other three fields stay
// empty.
class Periodic : public DialogTool<Periodic> {
public:
    // The data fields, in template order; the element buttons are the cells
    // of periodic::kGrid.
    enum Control : int {
        kSymbolField = 1010,
        kNameField = 1052,
        kAtomicWeightField = 1122,
        kAtomicNumberField = 1123,
    };
    static const DialogTemplate kTemplate;

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
