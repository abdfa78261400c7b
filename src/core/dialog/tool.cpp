#include "core/dialog/tool.h"

#include <variant>

#include "core/dialog/field_host.h"

bool Tool::readAllFields() {
    if (host_ == nullptr) {
        return true;
    }
    return exchange::readAll(*host_, bindings_);
}

void Tool::writeAllFields() {
    if (host_ != nullptr) {
        exchange::writeAll(*host_, bindings_);
    }
}

void Tool::clearAllFields() {
    for (const Binding& binding : bindings_) {
        std::visit([](auto* value) { *value = {}; }, binding.value);
    }
    writeAllFields();
}

bool Tool::handleKey(ToolKey, char) {
    return false;
}

void Tool::message(const std::string& text) {
    if (host_ != nullptr) {
        host_->showMessage(text);
    }
}
