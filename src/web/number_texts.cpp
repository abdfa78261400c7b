// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "web/number_texts.h"

#include <array>
#include <cstdint>
#include <optional>

#include "core/text/charconv_shim.h"
#include "core/text/number_text.h"

namespace number_texts {

std::string of(double value) {
    std::array<char, 32> shortest{};
    const auto written = charconv::to_chars(shortest.data(), shortest.data() + shortest.size(), value);
    return numtext::formatDouble(value) + '\t' + numtext::formatResult(value) + '\t' +
           numtext::formatExact(value) + '\t' + std::string(shortest.data(), written.ptr);
}

std::string read(std::string_view text) {
    const std::optional<double> value = numtext::scanDouble(text);
    if (!value) {
        return "refused";
    }
    auto bits = charconv::bit_cast<std::uint64_t>(*value);
    std::string hex(16, '0');
    for (auto digit = hex.rbegin(); digit != hex.rend(); ++digit, bits >>= 4) {
        *digit = "0123456789abcdef"[bits & 0xF];
    }
    return hex;
}

}  // namespace number_texts
