// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <array>
#include <span>

#include "core/templates/dialog_template.h"

// Keys that a tool may take for itself before the window's own Enter/Esc/Tab
// handling. Only the calculators use them.
enum class ToolKey { Character, Enter, Backspace, Delete };

// A typed key that presses a button exactly as its click does.
struct KeyBinding {
    ToolKey key;
    char character;  // for ToolKey::Character
    int controlId;
};

// The button that each typed key presses, found in one step: a calculator
// takes three or more keys a line on the command line, and a list of a few
// dozen keys was searched for each. Where two bindings name the same key, the
// first one counts, as in the list.
class KeyTable {
public:
    explicit KeyTable(std::span<const KeyBinding> keys);
    int find(ToolKey key, char character) const;

private:
    std::array<int, 256> characters_;
    std::array<int, 4> others_;  // by ToolKey
};
