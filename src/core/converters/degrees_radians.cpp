// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/converters/degrees_radians.h"

#include <array>

#include "core/steps/wording.h"

namespace {

using enum DegreesRadians::Control;
using K = ControlKind;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kNoId, K::GroupBox, "Degrees...", 7, 7, 112, 34, 0},
    {kNoId, K::GroupBox, "Radians...", 196, 7, 112, 34, 0},
    {kDegrees, K::Edit, "", 13, 19, 100, 14, style::kInputField, "Degrees"},
    {kRadians, K::Edit, "", 202, 19, 100, 14, style::kInputField, "Radians"},
    {kConvert, K::PushButton, "<<< Convert >>>", 124, 19, 67, 14, style::kDefaultButton, "<<< Convert >>>"},
    {kClearData, K::PushButton, "Clear Data", 7, 82, 301, 14, style::kButton, "Clear Data"},
    {kNoId, K::GroupBox, "Revolutions...", 7, 44, 301, 34, 0},
    {kRevolutions, K::Edit, "", 13, 57, 289, 14, style::kOutputField, "Revolutions"},
});

}  // namespace

const DialogTemplate DegreesRadians::kTemplate{145, "Degrees/Radians Converter", 315,
                                               103, DialogStyle::Tool,           kControls};

DegreesRadians::DegreesRadians() {
    bind(kDegrees, m_degrees);
    bind(kRadians, m_radians);
    bind(kRevolutions, m_revolutions);
}

std::span<const MessageEntry<DegreesRadians>> DegreesRadians::messageMap() {
    static constexpr std::array<MessageEntry<DegreesRadians>, 2> kMap{{
        {kConvert, &DegreesRadians::OnConvert},
        {kClearData, &DegreesRadians::OnClearData},
    }};
    return kMap;
}

// Pi is 3.14 and a radian 0.159 revolutions here, so 360 degrees make 0.99852
// revolutions. Only a value above zero converts, and degrees win over radians.
void DegreesRadians::OnConvert() {
    readAllFields();
    const double typedDegrees = m_degrees;
    if (m_degrees > 0) {
        const double degrees = m_degrees;
        m_radians = degrees * 3.14 / 180;
        step(N_("Degrees = %1 > 0, so degrees convert to radians, with 3.14 for π"),
             {StepArg::shown(degrees)});
        step(N_("Radians = degrees × 3.14 ÷ 180 = %1 × 3.14 ÷ 180 = %2"),
             {degrees, StepArg::shown(m_radians)});
    } else if (m_radians > 0) {
        const double radians = m_radians;
        m_degrees = radians * 180 / 3.14;
        step(N_("Degrees = %1 is not above 0 and radians = %2 > 0, so radians convert to degrees, with 3.14 "
                "for "
                "π"),
             {StepArg::shown(typedDegrees), StepArg::shown(radians)});
        step(N_("Degrees = radians × 180 ÷ 3.14 = %1 × 180 ÷ 3.14 = %2"),
             {radians, StepArg::shown(m_degrees)});
    } else {
        step(N_("Neither degrees (%1) nor radians (%2) is above 0: nothing is converted"),
             {StepArg::shown(m_degrees), StepArg::shown(m_radians)});
        writeAllFields();
        return;
    }
    const double radians = m_radians;
    m_revolutions = radians * 0.159;
    step(N_("Revolutions = radians × 0.159 = %1 × 0.159 = %2"), {radians, StepArg::shown(m_revolutions)});
    writeAllFields();
}

void DegreesRadians::OnClearData() {
    readAllFields();
    clearAllFields();
}
