#include <array>

#include "resources/templates.h"
#include "resources/version.h"

namespace {

constexpr std::array kAbout{
    ControlTemplate{kNoId, ControlKind::Icon, "", 145, 23, 20, 20, 0},
    ControlTemplate{kNoId, ControlKind::Label, "Brimlet Version 5.0", 108, 7, 94, 8, cf::NoPrefix},
    ControlTemplate{kNoId, ControlKind::Label,
                    "This software is intended for use by engineering students and teachers, as well "
                    "as engineering professionals. Program includes a number of equation solvers and "
                    "multiple conversion factors to aid in complicated engineering tasks.",
                    7, 50, 297, 27, 0},
    ControlTemplate{kNoId, ControlKind::Label, kAboutLine, 71, 84, 169, 18, cf::Center},
    ControlTemplate{1, ControlKind::PushButton, "OK", 7, 115, 297, 14, cf::Default | cf::TabStop, "OK"},
};

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

constexpr std::array kTrigonometry{
    ControlTemplate{kNoId, ControlKind::GroupBox, "Enter Degree...", 7, 7, 130, 34, 0},
    ControlTemplate{kDegrees, ControlKind::Edit, "", 14, 20, 117, 12, cf::TabStop | cf::AutoHScroll,
                    "Degrees"},
    ControlTemplate{kCalculate, ControlKind::PushButton, "Calculate", 7, 46, 62, 14,
                    cf::Default | cf::TabStop, "Calculate"},
    ControlTemplate{kClearData, ControlKind::PushButton, "Clear Data", 75, 46, 62, 14, cf::TabStop,
                    "Clear Data"},
    ControlTemplate{kNoId, ControlKind::Label, "Sin =", 150, 10, 22, 8, 0},
    ControlTemplate{kSin, ControlKind::Edit, "", 175, 8, 80, 12, cf::AutoHScroll, "Sin ="},
    ControlTemplate{kNoId, ControlKind::Label, "Cos =", 150, 26, 22, 8, 0},
    ControlTemplate{kCos, ControlKind::Edit, "", 175, 24, 80, 12, cf::AutoHScroll, "Cos ="},
    ControlTemplate{kNoId, ControlKind::Label, "Tan =", 150, 42, 22, 8, 0},
    ControlTemplate{kTan, ControlKind::Edit, "", 175, 40, 80, 12, cf::AutoHScroll, "Tan ="},
    ControlTemplate{kNoId, ControlKind::Label, "Csc =", 150, 58, 22, 8, 0},
    ControlTemplate{kCsc, ControlKind::Edit, "", 175, 56, 80, 12, cf::AutoHScroll, "Csc ="},
    ControlTemplate{kNoId, ControlKind::Label, "Sec =", 150, 74, 22, 8, 0},
    ControlTemplate{kSec, ControlKind::Edit, "", 175, 72, 80, 12, cf::AutoHScroll, "Sec ="},
    ControlTemplate{kNoId, ControlKind::Label, "Cot =", 150, 90, 22, 8, 0},
    ControlTemplate{kCot, ControlKind::Edit, "", 175, 88, 80, 12, cf::AutoHScroll, "Cot ="},
};

}  // namespace

const DialogTemplate kTemplate100{100, "About Brimlet 5", 311, 136, DialogStyle::About, kAbout};
const DialogTemplate kTemplate144{144, "Trigonometry Functions", 262, 108, DialogStyle::Tool, kTrigonometry};
