// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/tool/tool.h"

#include <stdexcept>
#include <variant>

#include "core/steps/wording.h"
#include "core/tool/field_host.h"

void Tool::add(const Binding& binding) {
    if (bindingCount_ == kMaxBindings) {
        throw std::length_error("a tool binds at most twelve fields");
    }
    bindings_[bindingCount_++] = binding;
}

bool Tool::readAllFields() {
    if (host_ == nullptr) {
        return true;
    }
    return exchange::readAll(*host_, bindings(), recording() ? steps_ : nullptr, &refused_);
}

bool Tool::handle(int controlId) {
    if (steps_ != nullptr) {
        steps_->restart(&dialogTemplate());
    }
    refused_ = kNoId;
    handling_ = true;
    const bool handled = dispatch(controlId);
    handling_ = false;
    // The exchange selected the refused text when the box was answered, but
    // the handler's write puts the caret back: what the user types next must
    // replace the field's text, not go in front of it.
    if (refused_ != kNoId && host_ != nullptr) {
        host_->focusAndSelectAll(refused_);
    }
    refused_ = kNoId;
    return handled;
}

void Tool::writeAllFields() {
    if (host_ != nullptr) {
        exchange::writeAll(*host_, bindings());
    }
}

void Tool::clearAllFields() {
    step(N_("Every field is cleared: numbers to 0, texts emptied"));
    for (const Binding& binding : bindings()) {
        std::visit([](auto* value) { *value = {}; }, binding.value);
    }
    writeAllFields();
}

bool Tool::handleKey(ToolKey key, char character) {
    const int controlId = keyControl(key, character);
    return controlId != kNoId && handle(controlId);
}

int Tool::keyControl(ToolKey key, char character) const {
    for (const KeyBinding& binding : keyBindings()) {
        if (binding.key == key && (key != ToolKey::Character || binding.character == character)) {
            return binding.controlId;
        }
    }
    return kNoId;
}

std::vector<std::string> Tool::keyNames(int controlId) const {
    std::vector<std::string> names;
    for (const KeyBinding& binding : keyBindings()) {
        if (binding.controlId != controlId) {
            continue;
        }
        switch (binding.key) {
            case ToolKey::Character:
                names.emplace_back(1, binding.character);
                break;
            case ToolKey::Enter:
                names.emplace_back("Enter");
                break;
            case ToolKey::Backspace:
                names.emplace_back("Backspace");
                break;
            case ToolKey::Delete:
                names.emplace_back("Delete");
                break;
        }
    }
    return names;
}

void Tool::message(const std::string& text) {
    if (host_ != nullptr) {
        host_->showMessage(text);
    }
}

std::string_view Tool::controlName(int controlId) const {
    for (const ControlTemplate& row : dialogTemplate().controls) {
        if (row.id == controlId) {
            return row.kind == ControlKind::Edit && row.name != nullptr ? row.name : row.caption;
        }
    }
    return {};
}
