// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>
#include <string>

#include "core/tool/tool.h"

// The periodic table: a button per element that shows the element's symbol,
// name, atomic weight and atomic number in the data box.
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

    // Every element button: the element's four data.
    void OnElement(int id);

private:
    std::string m_symbol;
    std::string m_name;
    std::string m_atomicWeight;
    std::string m_atomicNumber;
};
