// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/converters/roman.h"

#include <array>

#include "core/steps/step_recorder.h"
#include "core/steps/wording.h"

namespace roman {

namespace {

struct Numeral {
    int value;
    std::string_view letters;
};

// Largest first: each step takes the largest value that does not exceed what
// is left, which yields the subtractive forms.
constexpr std::array<Numeral, 13> kNumerals{{
    {1000, "M"},
    {900, "CM"},
    {500, "D"},
    {400, "CD"},
    {100, "C"},
    {90, "XC"},
    {50, "L"},
    {40, "XL"},
    {10, "X"},
    {9, "IX"},
    {5, "V"},
    {4, "IV"},
    {1, "I"},
}};

constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string write(int n, StepRecorder* steps) {
    if (n < kSmallest || n > kLargest) {
        return {};
    }
    // Put together in place and made a string once: no numeral up to 3999
    // is longer than 'MMMDCCCLXXXVIII', and one place more takes the second
    // write of a single letter at its end.
    std::array<char, 16> letters{};
    std::size_t size = 0;
    for (const Numeral& row : kNumerals) {
        while (n >= row.value) {
            // One letter or two: both places are written, the size says which count.
            letters[size] = row.letters.front();
            letters[size + 1] = row.letters.back();
            size += row.letters.size();
            if (steps != nullptr) {
                steps->add(N_("%1 − %2 = %3 left, taking %4 (%5 ≥ %6)"),
                           {n, row.value, n - row.value, row.letters, n, row.value});
            }
            n -= row.value;
        }
    }
    return std::string(letters.data(), size);
}

std::optional<int> read(std::string_view text, StepRecorder* steps) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    // No standard numeral is longer than 'MMMDCCCLXXXVIII'; the bound also keeps
    // the sum below from overflowing on absurd input.
    constexpr std::size_t kLongest = 15;
    if (text.empty() || text.size() > kLongest) {
        return std::nullopt;
    }
    std::string numeral;
    for (const char c : text) {
        numeral += upper(c);
    }
    int value = 0;
    std::string_view rest = numeral;
    for (const Numeral& row : kNumerals) {
        while (rest.starts_with(row.letters)) {
            if (steps != nullptr) {
                steps->add(N_("%1 + %2 = %3, adding %4 (%5)"),
                           {value, row.value, value + row.value, row.letters, row.value});
            }
            value += row.value;
            rest.remove_prefix(row.letters.size());
        }
    }
    // Reading greedily accepts non-standard spellings such as 'IIII' or 'VX';
    // only the one spelling that write gives back is a numeral.
    if (!rest.empty() || write(value) != numeral) {
        if (steps != nullptr) {
            if (rest.empty()) {
                steps->add(N_("%1 adds up to %2, but %3 is written another way: not a standard numeral"),
                           {StepArg::typed(numeral), value, value});
            } else {
                steps->add(N_("%1 has letters left over once the values are taken: not a standard numeral"),
                           {StepArg::typed(numeral)});
            }
        }
        return std::nullopt;
    }
    return value;
}

}  // namespace roman
