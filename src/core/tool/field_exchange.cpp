// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/tool/field_exchange.h"

#include <exception>
#include <string>

#include "core/steps/step_recorder.h"
#include "core/steps/wording.h"
#include "core/text/general_format.h"
#include "core/text/number_text.h"
#include "core/tool/field_host.h"

namespace exchange {

namespace {

constexpr std::size_t kDoubleChars = enteredLimit(FieldKind::Double);
constexpr std::size_t kIntegerChars = enteredLimit(FieldKind::Integer);

void refuse(FieldHost& host, int controlId, const char* message, StepRecorder* steps, std::string_view text) {
    if (steps != nullptr) {
        steps->add(message == kRefusedNumber
                       ? N_("%1: %2 is not a number: \"Please enter a number.\" The "
                            "reading stops; this field and those after it keep their values")
                       : N_("%1: %2 is not an integer: \"Please enter an integer.\" The "
                            "reading stops; this field and those after it keep their values"),
                   {StepArg::field(controlId), StepArg::typed(text)});
    }
    host.showMessage(message);
    host.focusAndSelectAll(controlId);
}

// A text that holds more than the number read from it ('12abc', ' 1.#INF').
bool showsMore(std::string_view text, bool fraction) {
    for (const char c : text) {
        const bool number = (c >= '0' && c <= '9') || c == '+' || c == '-' ||
                            (fraction && (c == '.' || c == 'e' || c == 'E'));
        if (!number) {
            return true;
        }
    }
    return false;
}

// Reads one binding; false when its text is refused. A number's text is
// looked at where the window holds it, or read into `scratch`, which the whole
// read reuses.
bool readOne(FieldHost& host, const Binding& binding, StepRecorder* steps, std::string& scratch) {
    if (double* const* value = std::get_if<double*>(&binding.value)) {
        const std::string_view text = host.peek(binding.controlId, kDoubleChars, scratch);
        const std::optional<double> read = numtext::scanDouble(text);
        if (!read) {
            refuse(host, binding.controlId, kRefusedNumber, steps, text);
            return false;
        }
        **value = *read;
        if (steps != nullptr && showsMore(text, true)) {
            steps->add(N_("%1: %2 reads as %3, the number at its start"),
                       {StepArg::field(binding.controlId), StepArg::typed(text), *read});
        }
    } else if (int* const* value = std::get_if<int*>(&binding.value)) {
        const std::string_view text = host.peek(binding.controlId, kIntegerChars, scratch);
        const std::optional<int> read = numtext::scanInt(text);
        if (!read) {
            refuse(host, binding.controlId, kRefusedInteger, steps, text);
            return false;
        }
        **value = *read;
        if (steps != nullptr && showsMore(text, false)) {
            steps->add(N_("%1: %2 reads as %3, the whole number at its start"),
                       {StepArg::field(binding.controlId), StepArg::typed(text), *read});
        }
    } else if (TextLog* const* log = std::get_if<TextLog*>(&binding.value)) {
        (*log)->read(host, binding.controlId);
    } else {
        host.readText(binding.controlId, std::string::npos, *std::get<std::string*>(binding.value));
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

bool readAll(FieldHost& host, std::span<const Binding> bindings, StepRecorder* steps, int* refusedId) {
    // Nothing may escape into a tool handler: a failure inside the exchange is
    // reported like a refusal and ends the read.
    try {
        std::string text;
        for (const Binding& binding : bindings) {
            if (!readOne(host, binding, steps, text)) {
                if (refusedId != nullptr) {
                    *refusedId = binding.controlId;
                }
                return false;
            }
        }
        return true;
    } catch (const std::exception& failure) {
        const std::string what = failure.what();
        host.showMessage(what.empty() ? N_("Internal application error.") : what);
    } catch (...) {
        host.showMessage(N_("Internal application error."));
    }
    return false;
}

void writeAll(FieldHost& host, std::span<const Binding> bindings) {
    for (const Binding& binding : bindings) {
        if (TextLog* const* log = std::get_if<TextLog*>(&binding.value)) {
            (*log)->write(host, binding.controlId);
            continue;
        }
        // Each text is handed over where it is: a double's written into a
        // buffer on the stack (most are longer than a std::string holds in
        // place), a text value's read in place. Only a changed text is set.
        numtext::GeneralText buffer;
        std::string integer;
        std::string_view text;
        if (const double* const* number = std::get_if<double*>(&binding.value)) {
            text = numtext::formatDouble(**number, buffer);
        } else if (const int* const* value = std::get_if<int*>(&binding.value)) {
            integer = numtext::formatInt(**value);
            text = integer;
        } else {
            text = *std::get<std::string*>(binding.value);
        }
        host.update(binding.controlId, text);
    }
}

}  // namespace exchange
