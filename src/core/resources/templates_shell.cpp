// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <array>

#include "core/resources/templates.h"
#include "core/resources/version.h"

namespace {

using K = ControlKind;

constexpr auto kAbout = std::to_array<ControlTemplate>({
    {kNoId, K::Icon, "", 145, 23, 20, 20, 0},
    {kNoId, K::Label, "Brimlet Version 5.0", 108, 7, 94, 8, cf::NoPrefix},
    {kNoId, K::Label,
     "This software is intended for use by engineering students and teachers, as well "
     "as engineering professionals. Program includes a number of equation solvers and "
     "multiple conversion factors to aid in complicated engineering tasks.",
     7, 50, 297, 27, 0},
    {kNoId, K::Label, kAboutLine, 71, 84, 169, 18, cf::Center},
    {1, K::PushButton, "OK", 7, 115, 297, 14, cf::Default | cf::TabStop, "OK"},
});

// Part of the resource set but opened by no command. Only its contents are
// known, so the layout follows the other solver windows.
enum Trigonometry : int {
    kDegrees = 1010,
    kCalculate = 1000,
    kClearData = 1001,
    kSin = 1011,
    kCos = 1012,
    kTan = 1013,
    kCsc = 1014,
    kSec = 1015,
    kCot = 1016,
};

constexpr auto kTrigonometry = std::to_array<ControlTemplate>({
    {kNoId, K::GroupBox, "Enter Degree...", 7, 7, 130, 34, 0},
    {kDegrees, K::Edit, "", 14, 20, 117, 12, style::kInputField, "Degrees"},
    {kCalculate, K::PushButton, "Calculate", 7, 46, 62, 14, cf::Default | cf::TabStop, "Calculate"},
    {kClearData, K::PushButton, "Clear Data", 75, 46, 62, 14, cf::TabStop, "Clear Data"},
    {kNoId, K::Label, "Sin =", 150, 10, 22, 8, 0},
    {kSin, K::Edit, "", 175, 8, 80, 12, style::kOutputField, "Sin ="},
    {kNoId, K::Label, "Cos =", 150, 26, 22, 8, 0},
    {kCos, K::Edit, "", 175, 24, 80, 12, style::kOutputField, "Cos ="},
    {kNoId, K::Label, "Tan =", 150, 42, 22, 8, 0},
    {kTan, K::Edit, "", 175, 40, 80, 12, style::kOutputField, "Tan ="},
    {kNoId, K::Label, "Csc =", 150, 58, 22, 8, 0},
    {kCsc, K::Edit, "", 175, 56, 80, 12, style::kOutputField, "Csc ="},
    {kNoId, K::Label, "Sec =", 150, 74, 22, 8, 0},
    {kSec, K::Edit, "", 175, 72, 80, 12, style::kOutputField, "Sec ="},
    {kNoId, K::Label, "Cot =", 150, 90, 22, 8, 0},
    {kCot, K::Edit, "", 175, 88, 80, 12, style::kOutputField, "Cot ="},
});

}  // namespace

const DialogTemplate kTemplate100{100, kAboutCaption, 311, 136, DialogStyle::About, kAbout};
const DialogTemplate kTemplate144{144, "Trigonometry Functions", 262, 108, DialogStyle::Tool, kTrigonometry};
