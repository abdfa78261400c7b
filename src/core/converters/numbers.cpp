// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/converters/numbers.h"

#include <array>

#include "core/converters/roman.h"
#include "core/steps/wording.h"
#include "core/text/number_text.h"

namespace {

using enum Numbers::Control;
using K = ControlKind;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kNoId, K::GroupBox, "Numbers Conversion...", 7, 7, 186, 44, 0},
    {kNoId, K::Label, "Roman:", 30, 19, 26, 8, 0},
    {kRoman, K::Edit, "", 14, 29, 57, 12, style::kInputField, "Roman numeral"},
    {kNoId, K::Label, "Arabic:", 147, 19, 23, 8, 0},
    {kArabic, K::Edit, "", 130, 29, 57, 12, style::kInputField, "Arabic number"},
    {kToArabic, K::PushButton, ">>", 76, 28, 20, 14, style::kButton, ">>", "Roman to Arabic"},
    {kClearData, K::PushButton, "Clear Data", 7, 55, 186, 14, style::kDefaultButton, "Clear Data"},
    {kToRoman, K::PushButton, "<<", 105, 28, 20, 14, style::kButton, "<<", "Arabic to Roman"},
});

}  // namespace

// The Roman numeral window has the modal dialog frame; DialogStyle has no
// value for that yet, and the difference is only the frame's look.
// Its caption says nothing of it: a screen reader names it as the menu does.
const DialogTemplate Numbers::kTemplate{154,       "Dialog", 200,      76, DialogStyle::Tool,
                                        kControls, nullptr,  "Numbers"};

std::span<const char* const> Numbers::messageTexts() const {
    static constexpr const char* kTexts[] = {kOutOfRange, kNotANumeral};
    return kTexts;
}

Numbers::Numbers() {
    bind(kRoman, m_roman);
    bind(kArabic, m_arabic);
}

std::span<const MessageEntry<Numbers>> Numbers::messageMap() {
    static constexpr std::array<MessageEntry<Numbers>, 3> kMap{{
        {kToArabic, &Numbers::OnToArabic},
        {kClearData, &Numbers::OnClearData},
        {kToRoman, &Numbers::OnToRoman},
    }};
    return kMap;
}

void Numbers::OnToRoman() {
    readAllFields();
    m_roman.clear();
    // atoi's reading: the leading number only, saturated to 32 bits, so
    // '12abc' is 12, '3999.9' is 3999 and '99999999999' is out of range.
    const int n = numtext::readInteger(m_arabic);
    step(N_("n = %1, the whole number that %2 starts with (0 when none)"), {n, StepArg::typed(m_arabic)});
    if (n < roman::kSmallest || n > roman::kLargest) {
        step(N_("%1 is not between 1 and 3999: \"Number must be between 1 and 3999!\", and both fields are "
                "emptied"),
             {n});
        message(kOutOfRange);
        m_arabic.clear();
    } else {
        step(N_("Take the largest value that is not above what is left, letter group by letter group:"));
        m_roman = roman::write(n, recorder());
        step(N_("Roman = %1"), {StepArg::typed(m_roman)});
    }
    writeAllFields();
}

void Numbers::OnToArabic() {
    readAllFields();
    step(N_("Add up the letter groups of %1, largest first:"), {StepArg::typed(m_roman)});
    const std::optional<int> value = roman::read(m_roman, recorder());
    if (!value) {
        step(N_("\"Please enter a Roman numeral between I and MMMCMXCIX.\""));
        message(kNotANumeral);
        return;
    }
    m_arabic = numtext::formatInt(*value);
    step(N_("Arabic = %1"), {*value});
    writeAllFields();
}

void Numbers::OnClearData() {
    readAllFields();
    clearAllFields();
}
