// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>
#include <string>

#include "core/tool/tool.h"

// Arabic to Roman numerals ("<<") and, for a numeral typed into the Roman
// field, back (">>").
class Numbers : public DialogTool<Numbers> {
public:
    // The window's controls, in template order.
    enum Control : int {
        kRoman = 1010,
        kArabic = 1011,
        kToArabic = 1000,
        kClearData = 1001,
        kToRoman = 1002,
    };
    static const DialogTemplate kTemplate;

    Numbers();

    static std::span<const MessageEntry<Numbers>> messageMap();

    static constexpr const char* kOutOfRange = "Number must be between 1 and 3999!";
    static constexpr const char* kNotANumeral = "Please enter a Roman numeral between I and MMMCMXCIX.";

    bool recordsSteps() const override { return true; }
    std::span<const char* const> messageTexts() const override;

private:
    void OnToRoman();
    void OnToArabic();
    void OnClearData();

    std::string m_roman;
    std::string m_arabic;
};
