// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// Random button presses, typed keys and typed display texts on the basic
// calculator. It never shows a message; its display always holds either a
// number being typed (at most SimpleCalc::kMaxEntry characters after the
// sign) or a result written with 15 digits.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calculator_fuzz.h"
#include "core/calculators/simple_calc.h"
#include "core/text/number_text.h"
#include "fuzz_check.h"
#include "support/fake_host.h"

namespace {

constexpr int kDisplay = 1010;
constexpr std::array kKeys{1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009,
                           1011, 1012, 1023, 1024, 1025, 1026, 1027, 1030, 1043};

bool isWritten(const std::string& display) {
    return isWrittenResult(display, numtext::formatDouble,
                           [](std::string_view text) { return numtext::scanDouble(text).value_or(0.5); });
}

// [-]digits[.digits], the point with a digit before it, at most kMaxEntry
// characters after the sign.
bool isEntry(std::string_view display) {
    if (display.starts_with('-')) {
        display.remove_prefix(1);
    }
    if (display.size() > SimpleCalc::kMaxEntry) {
        return false;
    }
    const std::size_t point = display.find('.');
    if (point == 0 ||
        (point != std::string_view::npos && display.find('.', point + 1) != std::string_view::npos)) {
        return false;
    }
    return display.find_first_not_of("0123456789.") == std::string_view::npos;
}

bool takesCharacter(char c) {
    return (c >= '0' && c <= '9') || std::string_view(".=+-*/").find(c) != std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    OpenTool<SimpleCalc> open;
    // Once the user has typed into the display, what it shows is theirs
    // until the calculator clears it or ends the entry with a result.
    bool typed = false;

    while (input.remaining_bytes() > 0) {
        const std::string before = open.field(kDisplay);
        bool clears = false;
        bool endsEntry = false;
        switch (input.ConsumeIntegralInRange(0, 9)) {
            case 0:
                open.type(kDisplay, input.ConsumeRandomLengthString(30));
                typed = true;
                continue;
            case 1:
            case 2:
            case 3: {
                const char c = input.ConsumeIntegral<char>();
                const bool taken = open.tool.handleKey(ToolKey::Character, c);
                endsEntry = std::string_view("=+-*/").find(c) != std::string_view::npos;
                if (taken != takesCharacter(c)) {
                    fuzzFail("handleKey", std::string(1, c), taken ? "taken" : "ignored",
                             takesCharacter(c) ? "taken" : "ignored");
                }
                break;
            }
            case 4: {
                const auto key =
                    input.PickValueInArray({ToolKey::Enter, ToolKey::Backspace, ToolKey::Delete});
                const bool taken = open.tool.handleKey(key, '\0');
                // Enter is "=", Backspace is "Back", Delete is "Clear": all are taken.
                fuzzExpect(taken, "Enter, Backspace or Delete", before);
                clears = key == ToolKey::Delete;
                endsEntry = key == ToolKey::Enter;
                if (key == ToolKey::Delete) {
                    fuzzExpect(open.field(kDisplay).empty(), "Delete does not clear", before);
                }
                break;
            }
            default: {
                const int id = input.PickValueInArray(kKeys);
                fuzzExpect(open.click(id), "a key without a handler");
                clears = id == 1027;
                endsEntry = (id >= 1023 && id <= 1026) || id == 1030;
                if (id == 1027) {
                    fuzzExpect(open.field(kDisplay).empty(), "C does not clear", before);
                }
                break;
            }
        }
        const std::string& display = open.field(kDisplay);
        fuzzExpect(open.host.messages.empty(), "the basic calculator showed a message", display);
        if (clears || (endsEntry && isWritten(display))) {
            typed = false;
        }
        if (!typed) {
            fuzzExpect(display.empty() || display == "-" || isEntry(display) || isWritten(display),
                       "the display holds neither an entry nor a result", display);
        }
    }
    return 0;
}
