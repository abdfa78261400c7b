// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The Roman numeral writer and reader against a numeral built digit by digit
// from place-value tables, and the converter window ("<<", ">>", "Clear Data")
// against strtol and that numeral.

#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "c_reference.h"
#include "core/converters/numbers.h"
#include "core/converters/roman.h"
#include "fuzz_check.h"
#include "support/fake_host.h"

namespace {

constexpr int kRomanField = 1010;
constexpr int kArabicField = 1011;
constexpr int kToArabic = 1000;
constexpr int kClearData = 1001;
constexpr int kToRoman = 1002;

// Thousands, hundreds, tens and units spelt out, rather than subtracted greedily.
std::string referenceNumeral(int n) {
    static constexpr std::array<std::array<const char*, 10>, 4> kPlaces{{
        {"", "M", "MM", "MMM", "", "", "", "", "", ""},
        {"", "C", "CC", "CCC", "CD", "D", "DC", "DCC", "DCCC", "CM"},
        {"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"},
        {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"},
    }};
    if (n < 1 || n > 3999) {
        return {};
    }
    return std::string(kPlaces[0][static_cast<std::size_t>(n / 1000)]) +
           kPlaces[1][static_cast<std::size_t>(n / 100 % 10)] +
           kPlaces[2][static_cast<std::size_t>(n / 10 % 10)] + kPlaces[3][static_cast<std::size_t>(n % 10)];
}

const std::map<std::string, int, std::less<>>& allNumerals() {
    static const std::map<std::string, int, std::less<>> numerals = [] {
        std::map<std::string, int, std::less<>> built;
        for (int n = 1; n <= 3999; ++n) {
            built.emplace(referenceNumeral(n), n);
        }
        return built;
    }();
    return numerals;
}

// Trimmed of C white space and upper-cased, a text names a numeral or nothing.
std::optional<int> referenceRead(std::string_view text) {
    while (!text.empty() && cref::isCSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && cref::isCSpace(text.back())) {
        text.remove_suffix(1);
    }
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    const auto it = allNumerals().find(upper);
    if (it == allNumerals().end()) {
        return std::nullopt;
    }
    return it->second;
}

std::string show(std::optional<int> value) {
    return value ? std::to_string(*value) : "(none)";
}

void checkWindow(std::string_view roman, std::string_view arabic) {
    {
        OpenTool<Numbers> open;
        open.type(kArabicField, arabic);
        open.type(kRomanField, roman);
        open.click(kToRoman);
        const int n = cref::atoiSaturated(arabic);
        if (n >= 1 && n <= 3999) {
            fuzzExpect(open.host.messages.empty(), "'<<' complained", arabic);
            if (open.field(kRomanField) != referenceNumeral(n)) {
                fuzzFail("'<<'", arabic, open.field(kRomanField), referenceNumeral(n));
            }
            fuzzExpect(open.field(kArabicField) == arabic, "'<<' changed the Arabic text", arabic);
        } else {
            fuzzExpect(open.host.messages.size() == 1 && open.host.messages[0] == Numbers::kOutOfRange,
                       "'<<' gave no range message", arabic);
            fuzzExpect(open.field(kRomanField).empty() && open.field(kArabicField).empty(),
                       "'<<' left text after the message", arabic);
        }
    }
    {
        OpenTool<Numbers> open;
        open.type(kArabicField, arabic);
        open.type(kRomanField, roman);
        open.click(kToArabic);
        const std::optional<int> value = referenceRead(roman);
        if (value) {
            fuzzExpect(open.host.messages.empty(), "'>>' complained", roman);
            if (open.field(kArabicField) != std::to_string(*value)) {
                fuzzFail("'>>'", roman, open.field(kArabicField), std::to_string(*value));
            }
        } else {
            fuzzExpect(open.host.messages.size() == 1, "'>>' gave no message", roman);
        }
        open.click(kClearData);
        fuzzExpect(open.field(kRomanField).empty() && open.field(kArabicField).empty(), "'Clear Data'",
                   roman);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const std::optional<int> read = roman::read(text);
    const std::optional<int> readRef = referenceRead(text);
    if (read != readRef) {
        fuzzFail("roman::read", text, show(read), show(readRef));
    }

    int n = 0;
    std::memcpy(&n, data, size < sizeof n ? size : sizeof n);
    for (const int candidate : {n, n % 4001, n % 4001 - 1}) {
        const std::string written = roman::write(candidate);
        const std::string writtenRef = referenceNumeral(candidate);
        if (written != writtenRef) {
            fuzzFail("roman::write", std::to_string(candidate), written, writtenRef);
        }
        if (!written.empty() && roman::read(written) != candidate) {
            fuzzFail("roman::read(roman::write)", written, show(roman::read(written)),
                     std::to_string(candidate));
        }
    }

    // The first line of the input goes to the Roman field, the rest to the
    // Arabic field.
    const std::size_t split = text.find('\n');
    if (split == std::string_view::npos) {
        checkWindow(text, text);
    } else {
        checkWindow(text.substr(0, split), text.substr(split + 1));
    }
    return 0;
}
