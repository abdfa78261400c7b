#include <array>

#include "resources/templates.h"

namespace {

using K = ControlKind;

constexpr unsigned kEditTab = cf::TabStop | cf::AutoHScroll;
constexpr unsigned kEdit = cf::AutoHScroll;

constexpr std::array kUncert{
    ControlTemplate{1010, K::Edit, "", 13, 18, 85, 14, kEditTab, "First value"},
    ControlTemplate{1011, K::Edit, "", 119, 18, 85, 14, kEditTab, "Percent uncertainty of the first value"},
    ControlTemplate{1012, K::Edit, "", 13, 35, 85, 14, kEditTab, "Second value"},
    ControlTemplate{1013, K::Edit, "", 119, 35, 85, 14, kEditTab, "Absolute uncertainty of the second value"},
    ControlTemplate{1014, K::Edit, "", 13, 70, 184, 14, kEdit, "Result"},
    ControlTemplate{1000, K::PushButton, "Calculate Abs. Uncertainty", 223, 18, 107, 14,
                    cf::TabStop | cf::Flat, "Calculate Abs. Uncertainty"},
    ControlTemplate{1001, K::PushButton, "Calculate % Abs. Uncertainty", 223, 35, 107, 14,
                    cf::TabStop | cf::Flat, "Calculate % Abs. Uncertainty"},
    ControlTemplate{1002, K::PushButton, "Clear Data", 223, 70, 107, 14, cf::Default | cf::Flat,
                    "Clear Data"},
    ControlTemplate{kNoId, K::Label, "+/-", 103, 21, 10, 8, 0},
    ControlTemplate{kNoId, K::Label, "+/-", 103, 38, 10, 8, 0},
    ControlTemplate{kNoId, K::Label, "%", 208, 22, 8, 8, 0},
    ControlTemplate{kNoId, K::GroupBox, "Input Data...", 7, 7, 329, 49, 0},
    ControlTemplate{kNoId, K::GroupBox, "Results...", 7, 57, 197, 36, 0},
};

constexpr std::array kGeo{
    ControlTemplate{kNoId, K::GroupBox, "Input Data...", 7, 7, 156, 57, 0},
    ControlTemplate{kNoId, K::GroupBox, "Results...", 171, 7, 162, 108, 0},
    ControlTemplate{kNoId, K::Label, "Point 1:", 13, 24, 25, 8, 0},
    ControlTemplate{kNoId, K::Label, "Point 2:", 13, 42, 25, 8, 0},
    ControlTemplate{kNoId, K::Label, "X", 44, 24, 8, 8, 0},
    ControlTemplate{kNoId, K::Label, "X", 44, 42, 8, 8, 0},
    ControlTemplate{kNoId, K::Label, "Y", 108, 24, 8, 8, 0},
    ControlTemplate{kNoId, K::Label, "Y", 108, 42, 8, 8, 0},
    ControlTemplate{1010, K::Edit, "", 52, 22, 40, 12, kEditTab, "Point 1 X"},
    ControlTemplate{1011, K::Edit, "", 116, 22, 40, 12, kEditTab, "Point 1 Y"},
    ControlTemplate{1012, K::Edit, "", 52, 40, 40, 12, kEditTab, "Point 2 X"},
    ControlTemplate{1013, K::Edit, "", 116, 40, 40, 12, kEditTab, "Point 2 Y"},
    ControlTemplate{kNoId, K::Label, "Slope:", 177, 24, 21, 8, 0},
    ControlTemplate{1014, K::Edit, "", 227, 23, 97, 12, kEdit, "Slope"},
    ControlTemplate{kNoId, K::Label, "Y-intercepts:", 177, 46, 40, 8, 0},
    ControlTemplate{1017, K::Edit, "", 227, 45, 40, 12, kEdit, "First intercept"},
    ControlTemplate{1016, K::Edit, "", 284, 45, 40, 12, kEdit, "Second intercept"},
    ControlTemplate{kNoId, K::Label, "Distance:", 177, 71, 31, 8, 0},
    ControlTemplate{1018, K::Edit, "", 227, 70, 97, 12, kEdit, "Distance"},
    ControlTemplate{kNoId, K::Label, "Midpoint:      X", 177, 95, 46, 8, 0},
    ControlTemplate{1019, K::Edit, "", 227, 93, 40, 12, kEdit, "Midpoint X"},
    ControlTemplate{1020, K::Edit, "", 284, 93, 40, 12, kEdit, "Midpoint Y"},
    ControlTemplate{kNoId, K::Label, "Y", 276, 95, 8, 8, 0},
    ControlTemplate{1000, K::PushButton, "Calculate", 61, 70, 102, 14, cf::Default | cf::TabStop | cf::Flat,
                    "Calculate"},
    ControlTemplate{1001, K::PushButton, "Clear Data", 7, 70, 50, 14, cf::Flat, "Clear Data"},
    ControlTemplate{kNoId, K::Label, "NOTE: If Slope = -9999999999 then it's Undefined.", 7, 107, 162, 8, 0},
};

// No default button: Enter confirms the window.
constexpr std::array kPythegor{
    ControlTemplate{1010, K::Edit, "", 63, 18, 80, 13, kEditTab, "Side 1"},
    ControlTemplate{1011, K::Edit, "", 63, 33, 80, 13, kEditTab, "Side 2"},
    ControlTemplate{1012, K::Edit, "", 63, 49, 80, 13, kEditTab, "Hypothenuse"},
    ControlTemplate{kNoId, K::Label, "Side 1:", 13, 21, 23, 8, 0},
    ControlTemplate{kNoId, K::Label, "Side 2:", 13, 37, 23, 8, 0},
    ControlTemplate{kNoId, K::Label, "Hypothenuse:", 13, 52, 45, 8, 0},
    ControlTemplate{1000, K::PushButton, "Find Hypothenuse", 162, 18, 120, 13, cf::TabStop | cf::Flat,
                    "Find Hypothenuse"},
    ControlTemplate{1001, K::PushButton, "Find Side", 162, 33, 120, 13, cf::TabStop | cf::Flat, "Find Side"},
    ControlTemplate{1002, K::PushButton, "Check If Pythegorean Tripple", 162, 49, 120, 13,
                    cf::TabStop | cf::Flat, "Check If Pythegorean Tripple"},
    ControlTemplate{1013, K::Edit, "", 7, 72, 136, 13, kEdit, "Message"},
    ControlTemplate{kNoId, K::GroupBox, "Enter known values...", 7, 7, 142, 61, 0},
    ControlTemplate{kNoId, K::GroupBox, "Options...", 154, 7, 135, 60, 0},
    ControlTemplate{1003, K::PushButton, "Clear Data", 162, 72, 120, 13, cf::TabStop | cf::Flat,
                    "Clear Data"},
};

constexpr std::array kQuad{
    ControlTemplate{kNoId, K::GroupBox, "Enter the coefficients from your equation...", 7, 7, 159, 40, 0},
    ControlTemplate{1010, K::Edit, "", 13, 22, 22, 12, kEditTab, "Coefficient a"},
    ControlTemplate{1011, K::Edit, "", 59, 22, 22, 12, kEditTab, "Coefficient b"},
    ControlTemplate{1012, K::Edit, "", 102, 22, 22, 12, kEditTab, "Coefficient c"},
    ControlTemplate{kNoId, K::Label, "X \u00B2", 38, 24, 10, 8, 0},
    ControlTemplate{kNoId, K::Label, "X", 84, 24, 8, 8, 0},
    ControlTemplate{kNoId, K::GroupBox, "Results...", 7, 51, 159, 37, 0},
    ControlTemplate{kNoId, K::Label, "X =", 14, 67, 12, 8, 0},
    ControlTemplate{1017, K::Edit, "", 28, 66, 40, 12, kEdit, "First x-value"},
    ControlTemplate{kNoId, K::Label, "and     X =", 74, 67, 34, 8, 0},
    ControlTemplate{1018, K::Edit, "", 110, 66, 40, 12, kEdit, "Second x-value"},
    ControlTemplate{1000, K::PushButton, "Find  x-value(s)", 175, 10, 53, 37,
                    cf::Default | cf::TabStop | cf::Flat, "Find  x-value(s)"},
    ControlTemplate{1001, K::PushButton, "Clear Data", 175, 64, 53, 14, cf::Flat, "Clear Data"},
    ControlTemplate{kNoId, K::Label, "= 0", 136, 24, 11, 8, 0},
};

constexpr unsigned kKeypad = cf::Flat;

constexpr std::array kPrefixes{
    ControlTemplate{kNoId, K::GroupBox, "Enter the power of 10...", 7, 7, 94, 40, 0},
    ControlTemplate{1010, K::Edit, "", 53, 20, 40, 12, kEditTab, "Power of ten"},
    ControlTemplate{kNoId, K::GroupBox, "Output...", 7, 48, 94, 64, 0},
    ControlTemplate{kNoId, K::Label, "Factor:", 14, 63, 23, 8, 0},
    ControlTemplate{kNoId, K::Label, "Prefix:", 14, 79, 20, 8, 0},
    ControlTemplate{kNoId, K::Label, "Symbol:", 14, 94, 26, 8, 0},
    ControlTemplate{1011, K::Edit, "", 53, 61, 40, 12, kEdit, "Factor"},
    ControlTemplate{1012, K::Edit, "", 53, 76, 40, 12, kEdit, "Prefix"},
    ControlTemplate{1013, K::Edit, "", 53, 92, 40, 12, kEdit, "Symbol"},
    ControlTemplate{1000, K::PushButton, "Look up", 7, 115, 94, 14, cf::Default | cf::TabStop | cf::Flat,
                    "Look up"},
    ControlTemplate{1001, K::PushButton, "Clear", 7, 131, 94, 14, cf::TabStop | cf::Flat, "Clear"},
    ControlTemplate{1002, K::PushButton, "+/-", 14, 20, 18, 12, cf::Flat, "+/-"},
    ControlTemplate{kNoId, K::GroupBox, "Keypad Input...", 105, 7, 118, 144, 0},
    ControlTemplate{1003, K::PushButton, "10 ^ 1", 112, 20, 50, 14, kKeypad, "10 ^ 1"},
    ControlTemplate{1004, K::PushButton, "10 ^ 2", 112, 39, 50, 14, kKeypad, "10 ^ 2"},
    ControlTemplate{1005, K::PushButton, "10 ^ 3", 112, 58, 50, 14, kKeypad, "10 ^ 3"},
    ControlTemplate{1006, K::PushButton, "10 ^ 6", 112, 77, 50, 14, kKeypad, "10 ^ 6"},
    ControlTemplate{1007, K::PushButton, "10 ^ 9", 112, 96, 50, 14, kKeypad, "10 ^ 9"},
    ControlTemplate{1008, K::PushButton, "10 ^ 12", 167, 20, 50, 14, kKeypad, "10 ^ 12"},
    ControlTemplate{1014, K::PushButton, "10 ^ 15", 167, 39, 50, 14, kKeypad, "10 ^ 15"},
    ControlTemplate{1015, K::PushButton, "10 ^ 18", 167, 58, 50, 14, kKeypad, "10 ^ 18"},
    ControlTemplate{1016, K::PushButton, "10 ^ 21", 167, 77, 50, 14, kKeypad, "10 ^ 21"},
    ControlTemplate{1017, K::PushButton, "10 ^ 24", 167, 96, 50, 14, kKeypad, "10 ^ 24"},
    ControlTemplate{1018, K::PushButton, "Plus / Minus", 112, 115, 105, 14, cf::Flat, "Plus / Minus"},
    ControlTemplate{1019, K::PushButton, "Look up", 112, 131, 105, 14, cf::Flat, "Look up"},
};

constexpr std::array kBend{
    ControlTemplate{kNoId, K::GroupBox, "Input data...", 7, 7, 129, 61, cf::Flat},
    ControlTemplate{kNoId, K::GroupBox, "Results...", 144, 7, 167, 105, cf::Flat},
    ControlTemplate{1010, K::Edit, "", 84, 19, 46, 12, kEditTab, "Inside bend radius R"},
    ControlTemplate{kNoId, K::Label, "Inside bend radius R:", 13, 21, 68, 8, 0},
    ControlTemplate{kNoId, K::Label, "Material thickness T:", 13, 36, 66, 8, 0},
    ControlTemplate{kNoId, K::Label, "Angle of the bend A:", 13, 51, 69, 8, 0},
    ControlTemplate{1011, K::Edit, "", 84, 34, 46, 12, kEditTab, "Material thickness T"},
    ControlTemplate{1012, K::Edit, "", 84, 49, 46, 12, kEditTab, "Angle of the bend A"},
    ControlTemplate{1000, K::PushButton, "Calculate Bend Allowance", 7, 72, 129, 22,
                    cf::Default | cf::TabStop | cf::Flat, "Calculate Bend Allowance"},
    ControlTemplate{1001, K::PushButton, "Clear Data", 7, 98, 129, 14, cf::TabStop | cf::Flat, "Clear Data"},
    ControlTemplate{kNoId, K::Label, "Bend Allowance:", 150, 19, 54, 8, 0},
    ControlTemplate{kNoId, K::Label, "Neutral Axis:", 150, 60, 40, 8, 0},
    ControlTemplate{kNoId, K::Label, "For Right Angle Bend:", 150, 77, 70, 8, 0},
    ControlTemplate{kNoId, K::Label, "Per Degree:", 150, 94, 39, 8, 0},
    ControlTemplate{kNoId, K::Label, "Details of the calculations:", 149, 41, 156, 11, cf::Center},
    ControlTemplate{1019, K::Edit, "", 223, 17, 82, 12, kEdit, "Bend Allowance"},
    ControlTemplate{1020, K::Edit, "", 223, 58, 82, 12, kEdit, "Neutral axis"},
    ControlTemplate{1021, K::Edit, "", 223, 75, 82, 12, kEdit, "For Right Angle Bend"},
    ControlTemplate{1022, K::Edit, "", 223, 92, 82, 12, kEdit, "Per degree of bend"},
};

constexpr std::array kCombination{
    ControlTemplate{kNoId, K::GroupBox, "Enter Data From C(n, r):", 7, 7, 163, 30, cf::Flat},
    ControlTemplate{kNoId, K::GroupBox, "Combination Result:", 7, 40, 163, 31, cf::Flat},
    ControlTemplate{1010, K::Edit, "", 23, 19, 60, 12, kEditTab, "n"},
    ControlTemplate{1011, K::Edit, "", 103, 19, 60, 12, kEditTab, "r"},
    ControlTemplate{kNoId, K::Label, "n:", 13, 21, 8, 8, 0},
    ControlTemplate{kNoId, K::Label, "r:", 95, 21, 8, 8, 0},
    ControlTemplate{1012, K::Edit, "", 13, 52, 150, 12, kEdit, "Result"},
    ControlTemplate{1000, K::PushButton, "Calculate", 7, 75, 163, 14, cf::Default | cf::TabStop | cf::Flat,
                    "Calculate"},
    ControlTemplate{1001, K::PushButton, "Clear", 7, 92, 163, 14, cf::TabStop | cf::Flat, "Clear"},
};

constexpr std::array kPermutation{
    ControlTemplate{kNoId, K::GroupBox, "Enter Data From P(n, r):", 7, 7, 182, 30, cf::Flat},
    ControlTemplate{kNoId, K::GroupBox, "Permutation Result:", 7, 40, 182, 31, cf::Flat},
    ControlTemplate{1010, K::Edit, "", 22, 17, 70, 12, kEditTab, "n"},
    ControlTemplate{1011, K::Edit, "", 112, 17, 70, 12, kEditTab, "r"},
    ControlTemplate{kNoId, K::Label, "n:", 13, 19, 8, 8, 0},
    ControlTemplate{kNoId, K::Label, "r:", 105, 19, 8, 8, 0},
    ControlTemplate{1012, K::Edit, "", 13, 52, 169, 12, kEdit, "Result"},
    ControlTemplate{1000, K::PushButton, "Calculate", 7, 74, 182, 14, cf::Default | cf::TabStop | cf::Flat,
                    "Calculate"},
    ControlTemplate{1001, K::PushButton, "Clear", 7, 90, 182, 14, cf::TabStop | cf::Flat, "Clear"},
};

}  // namespace

const DialogTemplate kTemplate132{132,    "Absolute Uncertainty Calculator", 343, 100, DialogStyle::Tool,
                                  kUncert};
const DialogTemplate kTemplate137{137, "Geometry Line Functions", 340, 124, DialogStyle::Tool, kGeo};
const DialogTemplate kTemplate142{142, "Pythegorean Theorem", 296, 92, DialogStyle::Tool, kPythegor};
const DialogTemplate kTemplate143{143, "Quadratic Formula", 235, 95, DialogStyle::Tool, kQuad};
const DialogTemplate kTemplate149{149, "SI Prefixes", 230, 158, DialogStyle::Tool, kPrefixes};
const DialogTemplate kTemplate157{157, "Bend Allowance", 318, 119, DialogStyle::Tool, kBend};
const DialogTemplate kTemplate175{175, "Combination", 177, 113, DialogStyle::Tool, kCombination};
const DialogTemplate kTemplate176{176, "Permutation", 196, 111, DialogStyle::Tool, kPermutation};
