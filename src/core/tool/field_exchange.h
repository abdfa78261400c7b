// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>
#include <string>
#include <variant>

#include "core/steps/wording.h"
#include "core/tool/text_log.h"

class FieldHost;
class StepRecorder;

enum class FieldKind { Double, Integer, Text };

// One bound edit control: its id and the value of the tool that it shows.
struct Binding {
    int controlId;
    std::variant<double*, int*, std::string*, TextLog*> value;

    FieldKind kind() const {
        return std::holds_alternative<TextLog*>(value) ? FieldKind::Text
                                                       : static_cast<FieldKind>(value.index());
    }
};

namespace exchange {

// A double field is read through a buffer of 400 characters, an integer field
// through one of 64, as the original exchange did.
inline constexpr std::size_t kDoubleBuffer = 400;
inline constexpr std::size_t kIntegerBuffer = 64;

// The most UTF-16 code units a user can type or paste into an edit field, as
// the desktop's own edit controls bound them; the program's writes are not bounded.
inline constexpr std::size_t kUserTextLimit = 32767;

// How much of a field's text a user's entry can bring to the tool: what the
// field's read buffer sees (it holds a terminating zero, so one character
// fewer), or what a text field takes.
inline constexpr std::size_t enteredLimit(FieldKind kind) {
    return kind == FieldKind::Double    ? kDoubleBuffer - 1
           : kind == FieldKind::Integer ? kIntegerBuffer - 1
                                        : kUserTextLimit;
}

inline constexpr const char* kRefusedNumber = N_("Please enter a number.");
inline constexpr const char* kRefusedInteger = N_("Please enter an integer.");

// Reads every binding in order; at the first refused text shows the message,
// focuses and selects that field, and returns false leaving it and every
// later value untouched. With steps, a number read from a text that shows more
// than a number ('12abc', '1.#INF') and a refusal are worked steps too. The
// refused field's id goes to refusedId when given.
bool readAll(FieldHost& host, std::span<const Binding> bindings, StepRecorder* steps = nullptr,
             int* refusedId = nullptr);

// Writes every binding in order, setting a text only when it differs.
void writeAll(FieldHost& host, std::span<const Binding> bindings);

// The text a binding's value is written as.
std::string textOf(const Binding& binding);

}  // namespace exchange
