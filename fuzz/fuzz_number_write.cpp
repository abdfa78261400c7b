// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// Every number-text writer against snprintf in the "C" locale, for any bit
// pattern of a double (NaN payloads and subnormals included) and any int, with
// the process in a decimal-comma locale. Each written text must also read back.

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "c_reference.h"
#include "core/text/number_text.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    cref::preferCommaLocale();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, size < sizeof bits ? size : sizeof bits);
    const double value = std::bit_cast<double>(bits);
    const std::string input = cref::formatGeneral(value, 17, 'g');

    const std::string full = numtext::formatDouble(value);
    const std::string fullRef = cref::formatGeneral(value, 15, 'g');
    if (full != fullRef) {
        fuzzFail("formatDouble", input, full, fullRef);
    }

    const std::string result = numtext::formatResult(value);
    const std::string resultRef = cref::formatGeneral(value, 6, 'G');
    if (result != resultRef) {
        fuzzFail("formatResult", input, result, resultRef);
    }

    const auto integer = static_cast<int>(static_cast<std::uint32_t>(bits));
    const std::string intText = numtext::formatInt(integer);
    const std::string intRef = cref::formatInt(integer);
    if (intText != intRef) {
        fuzzFail("formatInt", input, intText, intRef);
    }
    if (numtext::scanInt(intText) != integer || numtext::readInteger(intText) != integer) {
        fuzzFail("scanInt(formatInt)", intText, "another value", intText);
    }

    // A finite value written with 15 digits reads back as those 15 digits
    // say; a non-finite text reads as its leading 1 or -1.
    const std::optional<double> back = numtext::scanDouble(full);
    fuzzExpect(back.has_value(), "scanDouble(formatDouble) refused", full);
    if (std::isfinite(value)) {
        const double expected = cref::strtodC(fullRef);
        fuzzExpect(std::bit_cast<std::uint64_t>(*back) == std::bit_cast<std::uint64_t>(expected),
                   "scanDouble(formatDouble) differs", full);
        // Fifteen digits are a fixed point: writing what was read changes
        // nothing, unless rounding to 15 digits went past the largest double.
        fuzzExpect(std::isinf(*back) || numtext::formatDouble(*back) == full, "formatDouble is not stable",
                   full);
    } else {
        fuzzExpect(*back == (full.front() == '-' ? -1.0 : 1.0), "non-finite text reads wrongly", full);
    }
    return 0;
}
