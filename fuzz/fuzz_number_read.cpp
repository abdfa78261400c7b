// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// Every number-text reader against strtod/strtol in the "C" locale, on
// arbitrary text, with the process in a decimal-comma locale.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "c_reference.h"
#include "core/text/number_text.h"
#include "fuzz_check.h"

namespace {

std::string bitsText(std::optional<double> value) {
    if (!value) {
        return "(refused)";
    }
    return cref::inCLocale([&] {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%a (%016llx)", *value,
                      static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(*value)));
        return std::string(buffer);
    });
}

std::string intText(std::optional<int> value) {
    return value ? std::to_string(*value) : "(refused)";
}

// Exact equality of the bits: '-0' must stay negative zero.
bool sameDouble(std::optional<double> a, std::optional<double> b) {
    if (a.has_value() != b.has_value()) {
        return false;
    }
    return !a || std::bit_cast<std::uint64_t>(*a) == std::bit_cast<std::uint64_t>(*b);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    cref::preferCommaLocale();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const std::optional<double> scanned = numtext::scanDouble(text);
    const std::optional<double> scannedRef = cref::scanDouble(text);
    if (!sameDouble(scanned, scannedRef)) {
        fuzzFail("scanDouble", text, bitsText(scanned), bitsText(scannedRef));
    }

    const double read = numtext::readNumber(text);
    const double readRef = cref::atofDecimal(text);
    if (!sameDouble(read, readRef)) {
        fuzzFail("readNumber", text, bitsText(read), bitsText(readRef));
    }

    const std::optional<int> scannedInt = numtext::scanInt(text);
    const std::optional<int> scannedIntRef = cref::scanInt(text);
    if (scannedInt != scannedIntRef) {
        fuzzFail("scanInt", text, intText(scannedInt), intText(scannedIntRef));
    }

    const int readInt = numtext::readInteger(text);
    const int readIntRef = cref::atoiSaturated(text);
    if (readInt != readIntRef) {
        fuzzFail("readInteger", text, intText(readInt), intText(readIntRef));
    }

    // What a field shows after the read: the value written back.
    if (scanned) {
        const std::string shown = numtext::formatDouble(*scanned);
        const std::string shownRef = cref::formatGeneral(*scanned, 15, 'g');
        if (shown != shownRef) {
            fuzzFail("formatDouble(scanDouble)", text, shown, shownRef);
        }
    }
    return 0;
}
