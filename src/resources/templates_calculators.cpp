#include <array>

#include "resources/templates.h"

namespace {

using K = ControlKind;

constexpr unsigned kKey = cf::TabStop | cf::Flat;  // keypad and function buttons
constexpr unsigned kMemoryKey = cf::Flat;          // Sto and Rec are skipped by Tab
constexpr unsigned kDisplay = cf::TabStop | cf::ReadOnly | cf::RightAlign | cf::AutoHScroll;
constexpr unsigned kMemory = cf::TabStop | cf::NoBorder | cf::AutoHScroll;
constexpr unsigned kHistory = cf::MultiLine | cf::ReadOnly | cf::HScrollBar | cf::AutoHScroll;
constexpr unsigned kFrame = cf::Flat;

constexpr std::array kBasic{
    ControlTemplate{1010, K::Edit, "", 7, 7, 105, 14, kDisplay, "Display"},
    ControlTemplate{1000, K::PushButton, "1", 14, 31, 19, 17, kKey, "1"},
    ControlTemplate{1001, K::PushButton, "2", 38, 31, 19, 17, kKey, "2"},
    ControlTemplate{1002, K::PushButton, "3", 62, 31, 19, 17, kKey, "3"},
    ControlTemplate{1003, K::PushButton, "4", 14, 51, 19, 17, kKey, "4"},
    ControlTemplate{1004, K::PushButton, "5", 38, 51, 19, 17, kKey, "5"},
    ControlTemplate{1005, K::PushButton, "6", 62, 51, 19, 17, kKey, "6"},
    ControlTemplate{1006, K::PushButton, "7", 14, 72, 19, 17, kKey, "7"},
    ControlTemplate{1007, K::PushButton, "8", 38, 72, 19, 17, kKey, "8"},
    ControlTemplate{1008, K::PushButton, "9", 62, 72, 19, 17, kKey, "9"},
    ControlTemplate{1009, K::PushButton, "0", 14, 93, 19, 17, kKey, "0"},
    ControlTemplate{1011, K::PushButton, "+/-", 38, 93, 19, 17, kKey, "+/-"},
    ControlTemplate{1012, K::PushButton, ".", 62, 93, 19, 17, kKey, "."},
    ControlTemplate{kNoId, K::GroupBox, "", 7, 22, 105, 95, kFrame},
    ControlTemplate{1023, K::PushButton, "+", 86, 31, 19, 17, kKey, "+"},
    ControlTemplate{1024, K::PushButton, "-", 86, 51, 19, 17, kKey, "-"},
    ControlTemplate{1025, K::PushButton, "*", 86, 72, 19, 17, kKey, "*"},
    ControlTemplate{1026, K::PushButton, "/", 86, 93, 19, 17, kKey, "/"},
    ControlTemplate{1027, K::PushButton, "Clear", 43, 120, 34, 16, kKey, "Clear"},
    ControlTemplate{1043, K::PushButton, "Back", 7, 120, 34, 16, kKey, "Back"},
    ControlTemplate{1030, K::PushButton, "=", 79, 120, 34, 16, kKey | cf::Default, "="},
};

constexpr std::array kAdvanced{
    ControlTemplate{1010, K::Edit, "", 136, 7, 142, 14, kDisplay, "Display"},
    ControlTemplate{1000, K::PushButton, "1", 204, 31, 19, 17, kKey, "1"},
    ControlTemplate{1001, K::PushButton, "2", 228, 31, 19, 17, kKey, "2"},
    ControlTemplate{1002, K::PushButton, "3", 252, 31, 19, 17, kKey, "3"},
    ControlTemplate{1003, K::PushButton, "4", 204, 51, 19, 17, kKey, "4"},
    ControlTemplate{1004, K::PushButton, "5", 228, 51, 19, 17, kKey, "5"},
    ControlTemplate{1005, K::PushButton, "6", 252, 51, 19, 17, kKey, "6"},
    ControlTemplate{1006, K::PushButton, "7", 204, 72, 19, 17, kKey, "7"},
    ControlTemplate{1007, K::PushButton, "8", 228, 72, 19, 17, kKey, "8"},
    ControlTemplate{1008, K::PushButton, "9", 252, 72, 19, 17, kKey, "9"},
    ControlTemplate{1009, K::PushButton, "0", 204, 93, 19, 17, kKey, "0"},
    ControlTemplate{1011, K::PushButton, "+/-", 228, 93, 19, 17, kKey, "+/-"},
    ControlTemplate{1012, K::PushButton, ".", 252, 93, 19, 17, kKey, "."},
    ControlTemplate{kNoId, K::GroupBox, "Memory Managment", 7, 7, 121, 62, kFrame},
    ControlTemplate{1013, K::Edit, "", 14, 20, 40, 12, kMemory, "Memory 1"},
    ControlTemplate{1014, K::Edit, "", 14, 35, 40, 12, kMemory, "Memory 2"},
    ControlTemplate{1015, K::Edit, "", 14, 50, 40, 12, kMemory, "Memory 3"},
    ControlTemplate{1016, K::PushButton, "Sto", 57, 20, 17, 12, kMemoryKey, "Sto"},
    ControlTemplate{1017, K::PushButton, "Sto", 57, 35, 17, 12, kMemoryKey, "Sto"},
    ControlTemplate{1018, K::PushButton, "Sto", 57, 50, 17, 12, kMemoryKey, "Sto"},
    ControlTemplate{1019, K::PushButton, "Rec", 77, 20, 17, 12, kMemoryKey, "Rec"},
    ControlTemplate{1020, K::PushButton, "Rec", 77, 35, 17, 12, kMemoryKey, "Rec"},
    ControlTemplate{1021, K::PushButton, "Rec", 77, 50, 17, 12, kMemoryKey, "Rec"},
    ControlTemplate{1022, K::PushButton, "=", 143, 114, 19, 24, kKey, "="},
    ControlTemplate{kNoId, K::GroupBox, "", 174, 22, 104, 95, kFrame},
    ControlTemplate{1023, K::PushButton, "+", 143, 31, 19, 17, kKey, "+"},
    ControlTemplate{1024, K::PushButton, "-", 143, 51, 19, 17, kKey, "-"},
    ControlTemplate{1025, K::PushButton, "*", 143, 72, 19, 17, kKey, "*"},
    ControlTemplate{1026, K::PushButton, "/", 143, 93, 19, 17, kKey, "/"},
    ControlTemplate{kNoId, K::GroupBox, "", 136, 22, 33, 122, kFrame},
    ControlTemplate{1027, K::PushButton, "Clear", 180, 51, 19, 17, kKey, "Clear"},
    ControlTemplate{1029, K::PushButton, "MC", 100, 20, 19, 42, kKey, "MC"},
    ControlTemplate{1052, K::Edit, "", 7, 149, 271, 27, kHistory, "History"},
    ControlTemplate{kNoId, K::GroupBox, "", 7, 70, 121, 74, kFrame},
    ControlTemplate{1028, K::PushButton, "x^2", 12, 78, 16, 13, kKey, "x^2"},
    ControlTemplate{1032, K::PushButton, "x^3", 31, 78, 16, 13, kKey, "x^3"},
    ControlTemplate{1033, K::PushButton, "x^y", 50, 78, 16, 13, kKey, "x^y"},
    ControlTemplate{1034, K::PushButton, "sqrt", 12, 94, 16, 13, kKey, "sqrt"},
    ControlTemplate{1035, K::PushButton, "Pi", 50, 94, 16, 13, kKey, "Pi"},
    ControlTemplate{1036, K::PushButton, "n!", 31, 94, 16, 13, kKey, "n!"},
    ControlTemplate{1037, K::PushButton, "Sin", 69, 78, 16, 13, kKey, "Sin"},
    ControlTemplate{1038, K::PushButton, "Cos", 88, 78, 16, 13, kKey, "Cos"},
    ControlTemplate{1039, K::PushButton, "Tan", 107, 78, 16, 13, kKey, "Tan"},
    ControlTemplate{1040, K::PushButton, "Csc", 69, 94, 16, 13, kKey, "Csc"},
    ControlTemplate{1041, K::PushButton, "Sec", 88, 94, 16, 13, kKey, "Sec"},
    ControlTemplate{1042, K::PushButton, "Cot", 107, 94, 16, 13, kKey, "Cot"},
    ControlTemplate{1043, K::PushButton, "Back", 180, 31, 19, 17, kKey, "Back"},
    ControlTemplate{1044, K::PushButton, "CH", 180, 72, 19, 17, kKey, "CH"},
    ControlTemplate{1056, K::PushButton, "Help", 180, 93, 19, 17, kKey, "Help"},
    ControlTemplate{1045, K::PushButton, "log", 12, 110, 16, 13, kKey, "log"},
    ControlTemplate{1046, K::PushButton, "ceil", 31, 110, 16, 13, kKey, "ceil"},
    ControlTemplate{1047, K::PushButton, "flo", 50, 110, 16, 13, kKey, "flo"},
    ControlTemplate{1048, K::PushButton, "abs", 69, 110, 16, 13, kKey, "abs"},
    ControlTemplate{1049, K::PushButton, "mod", 88, 110, 16, 13, kKey, "mod"},
    ControlTemplate{1050, K::PushButton, "1/x", 107, 110, 16, 13, kKey, "1/x"},
    ControlTemplate{1051, K::PushButton, "", 12, 126, 16, 13, kKey, "Unused key"},
    ControlTemplate{1053, K::PushButton, "", 31, 126, 16, 13, kKey, "Unused key"},
    ControlTemplate{1054, K::PushButton, "", 50, 126, 16, 13, kKey, "Unused key"},
    ControlTemplate{1055, K::PushButton, "", 69, 126, 16, 13, kKey, "Unused key"},
    ControlTemplate{1057, K::PushButton, "", 88, 126, 16, 13, kKey, "Unused key"},
    ControlTemplate{1058, K::PushButton, "", 107, 126, 16, 13, kKey, "Unused key"},
    ControlTemplate{1030, K::PushButton, "Calculate (=)", 174, 123, 104, 20, kKey | cf::Default,
                    "Calculate (=)"},
};

}  // namespace

const DialogTemplate kTemplate133{133, "Calculator", 120, 143, DialogStyle::Tool, kBasic};
const DialogTemplate kTemplate172{172, "Calculator", 285, 183, DialogStyle::Tool, kAdvanced};
