#include "core/dialog/field_exchange.h"

#include <exception>
#include <string>

#include "core/dialog/field_host.h"
#include "core/dialog/number_text.h"

namespace exchange {

namespace {

constexpr std::size_t kDoubleChars = enteredLimit(FieldKind::Double);
constexpr std::size_t kIntegerChars = enteredLimit(FieldKind::Integer);

void refuse(FieldHost& host, int controlId, const char* message) {
    host.showMessage(message);
    host.focusAndSelectAll(controlId);
}

// Reads one binding; false when its text is refused.
bool readOne(FieldHost& host, const Binding& binding) {
    if (double* const* value = std::get_if<double*>(&binding.value)) {
        const std::optional<double> read = numtext::scanDouble(host.text(binding.controlId, kDoubleChars));
        if (!read) {
            refuse(host, binding.controlId, kRefusedNumber);
            return false;
        }
        **value = *read;
    } else if (int* const* value = std::get_if<int*>(&binding.value)) {
        const std::optional<int> read = numtext::scanInt(host.text(binding.controlId, kIntegerChars));
        if (!read) {
            refuse(host, binding.controlId, kRefusedInteger);
            return false;
        }
        **value = *read;
    } else if (TextLog* const* log = std::get_if<TextLog*>(&binding.value)) {
        (*log)->read(host, binding.controlId);
    } else {
        *std::get<std::string*>(binding.value) = host.text(binding.controlId, std::string::npos);
    }
    return true;
}

}  // namespace

std::string textOf(const Binding& binding) {
    if (double* const* value = std::get_if<double*>(&binding.value)) {
        return numtext::formatDouble(**value);
    }
    if (int* const* value = std::get_if<int*>(&binding.value)) {
        return numtext::formatInt(**value);
    }
    if (TextLog* const* log = std::get_if<TextLog*>(&binding.value)) {
        return (*log)->str();
    }
    return *std::get<std::string*>(binding.value);
}

bool readAll(FieldHost& host, std::span<const Binding> bindings, int* refusedId) {
    // Nothing may escape into a tool handler: a failure inside the exchange is
    // reported like a refusal and ends the read.
    try {
        for (const Binding& binding : bindings) {
            if (!readOne(host, binding)) {
                if (refusedId != nullptr) {
                    *refusedId = binding.controlId;
                }
                return false;
            }
        }
        return true;
    } catch (const std::exception& failure) {
        const std::string what = failure.what();
        host.showMessage(what.empty() ? "Internal application error." : what);
    } catch (...) {
        host.showMessage("Internal application error.");
    }
    return false;
}

void writeAll(FieldHost& host, std::span<const Binding> bindings) {
    for (const Binding& binding : bindings) {
        if (TextLog* const* log = std::get_if<TextLog*>(&binding.value)) {
            (*log)->write(host, binding.controlId);
            continue;
        }
        std::string text = textOf(binding);
        // Only a changed text is set, so unchanged fields do not flicker.
        if (host.text(binding.controlId, text.size() + 1) != text) {
            host.setText(binding.controlId, text);
        }
    }
}

}  // namespace exchange
