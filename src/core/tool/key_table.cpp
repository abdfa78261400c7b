// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/tool/key_table.h"

KeyTable::KeyTable(std::span<const KeyBinding> keys) {
    characters_.fill(kNoId);
    others_.fill(kNoId);
    for (const KeyBinding& binding : keys) {
        int& button = binding.key == ToolKey::Character
                          ? characters_[static_cast<unsigned char>(binding.character)]
                          : others_[static_cast<std::size_t>(binding.key)];
        if (button == kNoId) {
            button = binding.controlId;
        }
    }
}

int KeyTable::find(ToolKey key, char character) const {
    return key == ToolKey::Character ? characters_[static_cast<unsigned char>(character)]
                                     : others_[static_cast<std::size_t>(key)];
}
