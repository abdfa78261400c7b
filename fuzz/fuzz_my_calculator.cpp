// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// Random key presses and typed texts on the advanced calculator. Beyond "no
// crash, no undefined behaviour", each press must do what its key promises,
// and results of single-step operations must equal snprintf's "%G" of the
// C library's arithmetic on strtod's operands.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "c_reference.h"
#include "calculator_fuzz.h"
#include "core/calculators/my_calculator.h"
#include "core/text/number_text.h"
#include "fuzz_check.h"
#include "support/fake_host.h"

namespace {

constexpr int kDisplay = 1010;
constexpr int kHistory = 1052;
constexpr std::array kMemoryFields{1013, 1014, 1015};
constexpr std::array kFields{kDisplay, 1013, 1014, 1015, kHistory};

// Every button of the keypad.
constexpr std::array kKeys{
    1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1011, 1012, 1016, 1017, 1018, 1019,
    1020, 1021, 1022, 1023, 1024, 1025, 1026, 1027, 1028, 1029, 1030, 1032, 1033, 1034, 1035, 1036,
    1037, 1038, 1039, 1040, 1041, 1042, 1043, 1044, 1045, 1046, 1047, 1048, 1049, 1050, 1056,
};

bool isWritten(const std::string& display) {
    return isWrittenResult(display, numtext::formatResult, numtext::readNumber);
}

std::string expectedResult(double value) {
    return cref::formatGeneral(value, 6, 'G');
}

// The functions whose result does not depend on an order of operations.
bool referenceFunction(int id, double x, double& result) {
    switch (id) {
        case 1028:
            result = x * x;
            return true;
        case 1034:
            result = std::sqrt(x);
            return true;
        case 1037:
            result = std::sin(x);
            return true;
        case 1038:
            result = std::cos(x);
            return true;
        case 1039:
            result = std::tan(x);
            return true;
        case 1045:
            result = std::log(x);
            return true;
        case 1046:
            result = std::ceil(x);
            return true;
        case 1047:
            result = std::floor(x);
            return true;
        case 1050:
            result = 1 / x;
            return true;
        default:
            return false;
    }
}

std::string referenceOperation(int id, const std::string& first, const std::string& second) {
    const double a = cref::atofDecimal(first);
    const double b = cref::atofDecimal(second);
    switch (id) {
        case 1023:
            return expectedResult(a + b);
        case 1024:
            return expectedResult(a - b);
        case 1025:
            return expectedResult(a * b);
        case 1026:
            return expectedResult(a / b);
        case 1033:
            return expectedResult(std::pow(a, b));
        default: {
            const long long dividend = cref::atoiSaturated(first);
            const long long divisor = cref::atoiSaturated(second);
            return divisor == 0 ? "-1.#IND" : expectedResult(static_cast<double>(dividend % divisor));
        }
    }
}

bool isOperator(int id) {
    return (id >= 1023 && id <= 1026) || id == 1033 || id == 1049;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    cref::preferCommaLocale();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    OpenTool<MyCalculator> open;
    // Whether an operation is pending; the operator pressed on a calculator
    // with nothing pending and the display it took as its first operand (0
    // when the operand is not known).
    bool pending = false;
    int pendingOperator = 0;
    std::string firstOperand;

    while (input.remaining_bytes() > 0) {
        if (input.ConsumeIntegralInRange(0, 7) == 0) {
            const int field = kFields[input.ConsumeIntegralInRange<std::size_t>(0, kFields.size() - 1)];
            open.type(field, input.ConsumeRandomLengthString(40));
            if (field == kDisplay || input.ConsumeBool()) {
                continue;
            }
        }
        const int id = kKeys[input.ConsumeIntegralInRange<std::size_t>(0, kKeys.size() - 1)];
        const std::string before = open.field(kDisplay);
        const std::size_t messages = open.host.messages.size();
        fuzzExpect(open.click(id), "a key without a handler");
        const std::string& display = open.field(kDisplay);

        const bool mayComplain = id == 1036 || id == 1056;
        fuzzExpect(mayComplain || open.host.messages.size() == messages, "an unexpected message", before);
        if (id == 1056) {
            fuzzExpect(open.host.messages.size() == messages + 1 && display == before, "help", before);
        }

        if (id >= 1000 && id <= 1009) {
            const char digit = id == 1009 ? '0' : static_cast<char>('1' + id - 1000);
            fuzzExpect(display == before + digit, "a digit is not appended", before);
        } else if (id == 1012) {
            fuzzExpect(display == before + '.', "the point is not appended", before);
        } else if (id == 1011) {
            fuzzExpect(display == '-' + before, "+/- does not prefix '-'", before);
        } else if (id == 1027) {
            fuzzExpect(display.empty(), "clear leaves text", before);
        } else if (id == 1044) {
            fuzzExpect(open.field(kHistory).empty(), "CH leaves history");
        } else if (id == 1029) {
            for (const int memory : kMemoryFields) {
                fuzzExpect(open.field(memory).empty(), "MC leaves a memory");
            }
        } else if (id >= 1016 && id <= 1018) {
            fuzzExpect(open.field(kMemoryFields[static_cast<std::size_t>(id - 1016)]) == before, "Sto",
                       before);
        } else if (id >= 1019 && id <= 1021) {
            fuzzExpect(display == open.field(kMemoryFields[static_cast<std::size_t>(id - 1019)]), "Rcl",
                       before);
        } else if (id == 1036) {
            const bool complained = open.host.messages.size() == messages + 1;
            fuzzExpect(complained ? display.empty() : (display == "1" || isWritten(display)), "n!", before);
        } else if (id == 1035) {
            fuzzExpect(display.starts_with("3.14159265358979"), "Pi", before);
        } else if (isOperator(id)) {
            fuzzExpect(display.empty(), "an operator leaves the display", before);
        }

        double result = 0;
        if (referenceFunction(id, cref::atofDecimal(before), result)) {
            if (display != expectedResult(result)) {
                fuzzFail("function " + std::to_string(id), before, display, expectedResult(result));
            }
        } else if (id == 1032 || (id >= 1040 && id <= 1042) || id == 1048) {
            fuzzExpect(isWritten(display), "a function result is not a written number", display);
        }

        const bool equals = id == 1022 || id == 1030;
        if (equals && pendingOperator != 0) {
            const std::string expected = referenceOperation(pendingOperator, firstOperand, before);
            if (display != expected) {
                fuzzFail("operation " + std::to_string(pendingOperator), firstOperand + " , " + before,
                         display, expected);
            }
        }
        // A chained operator works on a result that the fuzzer did not compute.
        if (equals) {
            pending = false;
            pendingOperator = 0;
        } else if (isOperator(id)) {
            pendingOperator = pending ? 0 : id;
            firstOperand = before;
            pending = true;
        }
    }
    fuzzExpect(!open.tool.hasHandler(1031) && !open.click(999), "a handler for a control that has none");
    return 0;
}
