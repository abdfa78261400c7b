#include <array>

#include "resources/templates.h"

namespace {

using K = ControlKind;

// Every button of the converters has the flat look; edit fields scroll
// horizontally as standard single-line edits do.
constexpr unsigned kInput = cf::TabStop | cf::AutoHScroll;
constexpr unsigned kResult = cf::AutoHScroll;
constexpr unsigned kUnit = cf::TabStop | cf::Flat;
constexpr unsigned kButton = cf::TabStop | cf::Flat;
constexpr unsigned kDefaultButton = cf::Default | cf::TabStop | cf::Flat;

constexpr std::array kPressure{
    ControlTemplate{kNoId, K::GroupBox, "Input Data...", 7, 7, 320, 34, 0},
    ControlTemplate{kNoId, K::GroupBox, "Results...", 7, 43, 215, 112, 0},
    ControlTemplate{1010, K::Edit, "", 13, 21, 92, 12, kInput, "Input"},
    ControlTemplate{1022, K::UnitButton, "Atm", 112, 22, 28, 10, kUnit, "Atm"},
    ControlTemplate{1023, K::UnitButton, "mm Hg", 143, 22, 38, 10, kUnit, "mm Hg"},
    ControlTemplate{1024, K::UnitButton, "Torr", 184, 22, 29, 10, kUnit, "Torr"},
    ControlTemplate{1025, K::UnitButton, "Pa", 216, 22, 25, 10, kUnit, "Pa"},
    ControlTemplate{1026, K::UnitButton, "KPa", 244, 22, 29, 10, kUnit, "KPa"},
    ControlTemplate{1027, K::UnitButton, "N/(m sq.)", 276, 22, 45, 10, kUnit, "N/(m sq.)"},
    ControlTemplate{1011, K::Edit, "", 13, 56, 92, 12, kResult, "Atmospheres (Atm)"},
    ControlTemplate{1012, K::Edit, "", 13, 72, 92, 12, kResult, "Millimiters of Mercury (mm Hg)"},
    ControlTemplate{1013, K::Edit, "", 13, 88, 92, 12, kResult, "Torr"},
    ControlTemplate{1014, K::Edit, "", 13, 104, 92, 12, kResult, "Pascals (Pa)"},
    ControlTemplate{1017, K::Edit, "", 13, 120, 92, 12, kResult, "Kilopascals (KPa)"},
    ControlTemplate{1016, K::Edit, "", 13, 136, 92, 12, kResult, "Newtons/Meter squared (N/m sq.)"},
    ControlTemplate{kNoId, K::Label, "Atmospheres (Atm)", 108, 58, 112, 8, 0},
    ControlTemplate{kNoId, K::Label, "Millimiters of Mercury (mm Hg)", 108, 74, 112, 8, 0},
    ControlTemplate{kNoId, K::Label, "Torr", 108, 90, 112, 8, 0},
    ControlTemplate{kNoId, K::Label, "Pascals (Pa)", 108, 106, 112, 8, 0},
    ControlTemplate{kNoId, K::Label, "Kilopascals (KPa)", 108, 122, 112, 8, 0},
    ControlTemplate{kNoId, K::Label, "Newtons/Meter squared (N/m sq.)", 108, 138, 112, 8, 0},
    // The only converter whose Clear Data the Tab key does not reach.
    ControlTemplate{1000, K::PushButton, "Clear Data", 277, 134, 50, 14, cf::Default | cf::Flat,
                    "Clear Data"},
};

constexpr std::array kTemperature{
    ControlTemplate{1010, K::Edit, "", 14, 20, 117, 12, kInput, "Input"},
    ControlTemplate{kNoId, K::GroupBox, "Input your degrees...", 7, 7, 130, 34, 0},
    ControlTemplate{kNoId, K::GroupBox, "Choose input type...", 143, 7, 138, 34, 0},
    ControlTemplate{1000, K::PushButton, "Clear Data", 7, 98, 274, 14, kDefaultButton, "Clear Data"},
    ControlTemplate{1022, K::UnitButton, "Celcius", 147, 22, 39, 10, kUnit, "Celcius"},
    ControlTemplate{1023, K::UnitButton, "Farengheit", 189, 22, 49, 10, kUnit, "Farengheit"},
    ControlTemplate{1024, K::UnitButton, "Kelvin", 241, 22, 35, 10, kUnit, "Kelvin"},
    ControlTemplate{kNoId, K::GroupBox, "Results...", 7, 44, 274, 49, 0},
    ControlTemplate{1011, K::Edit, "", 14, 57, 182, 12, kResult, "First result"},
    ControlTemplate{1012, K::Edit, "", 14, 73, 182, 12, kResult, "Second result"},
    ControlTemplate{1013, K::Edit, "", 201, 57, 75, 12, kResult, "Unit of the first result"},
    ControlTemplate{1014, K::Edit, "", 201, 73, 75, 12, kResult, "Unit of the second result"},
};

constexpr std::array kDegreesRadians{
    ControlTemplate{kNoId, K::GroupBox, "Degrees...", 7, 7, 112, 34, 0},
    ControlTemplate{kNoId, K::GroupBox, "Radians...", 196, 7, 112, 34, 0},
    ControlTemplate{1010, K::Edit, "", 13, 19, 100, 14, kInput, "Degrees"},
    ControlTemplate{1011, K::Edit, "", 202, 19, 100, 14, kInput, "Radians"},
    ControlTemplate{1000, K::PushButton, "<<< Convert >>>", 124, 19, 67, 14, kDefaultButton,
                    "<<< Convert >>>"},
    ControlTemplate{1001, K::PushButton, "Clear Data", 7, 82, 301, 14, kButton, "Clear Data"},
    ControlTemplate{kNoId, K::GroupBox, "Revolutions...", 7, 44, 301, 34, 0},
    ControlTemplate{1012, K::Edit, "", 13, 57, 289, 14, kResult, "Revolutions"},
};

constexpr std::array kLength{
    ControlTemplate{1010, K::Edit, "", 14, 19, 182, 12, kInput, "Input"},
    ControlTemplate{kNoId, K::GroupBox, "Enter known value and select its units...", 7, 7, 195, 48, 0},
    ControlTemplate{1022, K::UnitButton, "m", 14, 39, 21, 10, kUnit, "m"},
    ControlTemplate{1023, K::UnitButton, "cm", 37, 39, 21, 10, kUnit, "cm"},
    ControlTemplate{1024, K::UnitButton, "in", 61, 39, 21, 10, kUnit, "in"},
    ControlTemplate{1025, K::UnitButton, "ft", 85, 39, 21, 10, kUnit, "ft"},
    ControlTemplate{1026, K::UnitButton, "mi", 109, 39, 21, 10, kUnit, "mi"},
    ControlTemplate{1027, K::UnitButton, "km", 133, 39, 21, 10, kUnit, "km"},
    ControlTemplate{1053, K::UnitButton, "Light-year", 157, 39, 38, 10, kUnit, "Light-year"},
    ControlTemplate{kNoId, K::Label, "Meters", 159, 74, 22, 8, 0},
    ControlTemplate{kNoId, K::Label, "Centimeters", 159, 90, 38, 8, 0},
    ControlTemplate{kNoId, K::Label, "Inches", 159, 106, 22, 8, 0},
    ControlTemplate{kNoId, K::Label, "Feet", 159, 122, 15, 8, 0},
    ControlTemplate{kNoId, K::Label, "Miles", 159, 137, 17, 8, 0},
    ControlTemplate{kNoId, K::Label, "Kilometers", 159, 153, 33, 8, 0},
    ControlTemplate{kNoId, K::Label, "Light-years", 159, 169, 35, 12, 0},
    ControlTemplate{1011, K::Edit, "", 14, 72, 141, 12, kResult, "Meters"},
    ControlTemplate{1012, K::Edit, "", 14, 88, 141, 12, kResult, "Centimeters"},
    ControlTemplate{1013, K::Edit, "", 14, 104, 141, 12, kResult, "Inches"},
    ControlTemplate{1014, K::Edit, "", 14, 120, 141, 12, kResult, "Feet"},
    ControlTemplate{1017, K::Edit, "", 14, 136, 141, 12, kResult, "Miles"},
    ControlTemplate{1016, K::Edit, "", 14, 152, 141, 12, kResult, "Kilometers"},
    ControlTemplate{1018, K::Edit, "", 14, 168, 141, 12, kResult, "Light-years"},
    ControlTemplate{kNoId, K::GroupBox, "Results...", 7, 57, 195, 129, 0},
    ControlTemplate{1001, K::PushButton, "Clear Data", 7, 192, 195, 14, kDefaultButton, "Clear Data"},
};

constexpr std::array kTime{
    ControlTemplate{kNoId, K::GroupBox, "Input...", 7, 7, 263, 44, 0},
    ControlTemplate{1010, K::Edit, "", 14, 19, 250, 12, kInput, "Input"},
    ControlTemplate{1022, K::UnitButton, "Seconds", 14, 35, 44, 10, kUnit, "Seconds"},
    ControlTemplate{1023, K::UnitButton, "Minutes", 63, 35, 41, 10, kUnit, "Minutes"},
    ControlTemplate{1024, K::UnitButton, "Hours", 109, 35, 35, 10, kUnit, "Hours"},
    ControlTemplate{1025, K::UnitButton, "Days", 149, 35, 32, 10, kUnit, "Days"},
    ControlTemplate{1026, K::UnitButton, "Months", 186, 35, 39, 10, kUnit, "Months"},
    ControlTemplate{1027, K::UnitButton, "Years", 230, 35, 34, 10, kUnit, "Years"},
    ControlTemplate{kNoId, K::GroupBox, "Results...", 7, 55, 263, 107, 0},
    ControlTemplate{kNoId, K::Label, "Seconds", 235, 70, 29, 8, 0},
    ControlTemplate{1011, K::Edit, "", 13, 68, 212, 12, kResult, "Seconds"},
    ControlTemplate{1012, K::Edit, "", 13, 83, 212, 12, kResult, "Minutes"},
    ControlTemplate{1013, K::Edit, "", 13, 98, 212, 12, kResult, "Hours"},
    ControlTemplate{1014, K::Edit, "", 13, 113, 212, 12, kResult, "Days"},
    ControlTemplate{1017, K::Edit, "", 13, 128, 212, 12, kResult, "Months"},
    ControlTemplate{1016, K::Edit, "", 13, 143, 212, 12, kResult, "Years"},
    ControlTemplate{kNoId, K::Label, "Minutes", 235, 84, 26, 8, 0},
    ControlTemplate{kNoId, K::Label, "Hours", 235, 99, 20, 8, 0},
    ControlTemplate{kNoId, K::Label, "Days", 235, 114, 17, 8, 0},
    ControlTemplate{kNoId, K::Label, "Months", 235, 129, 24, 8, 0},
    ControlTemplate{kNoId, K::Label, "Years", 235, 144, 19, 8, 0},
    ControlTemplate{1001, K::PushButton, "Clear Data", 7, 167, 263, 14, kDefaultButton, "Clear Data"},
};

constexpr std::array kSpeed{
    ControlTemplate{kNoId, K::GroupBox, "Input...", 7, 7, 181, 44, 0},
    ControlTemplate{1010, K::Edit, "", 14, 19, 167, 12, kInput, "Input"},
    ControlTemplate{1022, K::UnitButton, "m/s", 14, 35, 37, 10, kUnit, "m/s"},
    ControlTemplate{1023, K::UnitButton, "ft/s", 56, 35, 37, 10, kUnit, "ft/s"},
    ControlTemplate{1024, K::UnitButton, "mi/h", 98, 35, 39, 10, kUnit, "mi/h"},
    ControlTemplate{1025, K::UnitButton, "km/h", 142, 35, 39, 10, kUnit, "km/h"},
    ControlTemplate{kNoId, K::GroupBox, "Results...", 7, 55, 181, 77, 0},
    ControlTemplate{kNoId, K::Label, "m/s", 152, 70, 13, 8, 0},
    ControlTemplate{1011, K::Edit, "", 14, 68, 131, 12, kResult, "m/s"},
    ControlTemplate{1012, K::Edit, "", 14, 83, 131, 12, kResult, "ft/s"},
    ControlTemplate{1013, K::Edit, "", 14, 98, 131, 12, kResult, "mi/h"},
    ControlTemplate{1014, K::Edit, "", 14, 113, 131, 12, kResult, "km/h"},
    ControlTemplate{kNoId, K::Label, "ft/s", 152, 84, 12, 8, 0},
    ControlTemplate{kNoId, K::Label, "mi/h", 152, 99, 15, 8, 0},
    ControlTemplate{kNoId, K::Label, "km/h", 152, 114, 18, 8, 0},
    ControlTemplate{1001, K::PushButton, "Clear Data", 7, 136, 181, 14, kDefaultButton, "Clear Data"},
};

constexpr std::array kForce{
    ControlTemplate{kNoId, K::GroupBox, "Input...", 7, 7, 181, 44, 0},
    ControlTemplate{1010, K::Edit, "", 14, 19, 167, 12, kInput, "Input"},
    ControlTemplate{1022, K::UnitButton, "Newtons", 14, 35, 37, 10, kUnit, "Newtons"},
    ControlTemplate{1023, K::UnitButton, "Dynes", 56, 35, 37, 10, kUnit, "Dynes"},
    ControlTemplate{1024, K::UnitButton, "Pounds", 98, 35, 39, 10, kUnit, "Pounds"},
    ControlTemplate{1025, K::UnitButton, "Tons", 142, 35, 39, 10, kUnit, "Tons"},
    ControlTemplate{kNoId, K::GroupBox, "Results...", 7, 55, 181, 77, 0},
    ControlTemplate{kNoId, K::Label, "Newtons", 152, 70, 29, 8, 0},
    ControlTemplate{1011, K::Edit, "", 14, 68, 131, 12, kResult, "Newtons"},
    ControlTemplate{1012, K::Edit, "", 14, 83, 131, 12, kResult, "Dynes"},
    ControlTemplate{1013, K::Edit, "", 14, 98, 131, 12, kResult, "Pounds"},
    ControlTemplate{1014, K::Edit, "", 14, 113, 131, 12, kResult, "Tons"},
    ControlTemplate{kNoId, K::Label, "Dynes", 152, 84, 21, 8, 0},
    ControlTemplate{kNoId, K::Label, "Pounds", 152, 99, 25, 8, 0},
    ControlTemplate{kNoId, K::Label, "Tons", 152, 114, 17, 8, 0},
    ControlTemplate{1001, K::PushButton, "Clear Data", 7, 136, 181, 14, kDefaultButton, "Clear Data"},
};

constexpr std::array kPower{
    ControlTemplate{kNoId, K::GroupBox, "Input...", 7, 7, 157, 44, 0},
    ControlTemplate{1010, K::Edit, "", 14, 19, 142, 12, kInput, "Input"},
    ControlTemplate{1022, K::UnitButton, "Horsepowers", 14, 35, 52, 10, kUnit, "Horsepowers"},
    ControlTemplate{1023, K::UnitButton, "Watts", 68, 35, 44, 10, kUnit, "Watts"},
    ControlTemplate{1024, K::UnitButton, "ft*lb/s", 113, 35, 43, 10, kUnit, "ft*lb/s"},
    ControlTemplate{kNoId, K::GroupBox, "Results...", 7, 55, 157, 63, 0},
    ControlTemplate{kNoId, K::Label, "Hp", 140, 70, 10, 8, 0},
    ControlTemplate{1011, K::Edit, "", 14, 68, 123, 12, kResult, "Hp"},
    ControlTemplate{1012, K::Edit, "", 14, 83, 123, 12, kResult, "Watts"},
    ControlTemplate{1013, K::Edit, "", 14, 98, 123, 12, kResult, "ft*lb/s"},
    ControlTemplate{kNoId, K::Label, "Watts", 140, 84, 20, 8, 0},
    ControlTemplate{kNoId, K::Label, "ft*lb/s", 140, 99, 20, 8, 0},
    ControlTemplate{1001, K::PushButton, "Clear Data", 7, 121, 157, 14, kDefaultButton, "Clear Data"},
};

constexpr std::array kEnergy{
    ControlTemplate{kNoId, K::GroupBox, "Input...", 7, 7, 201, 44, 0},
    ControlTemplate{1010, K::Edit, "", 14, 19, 186, 12, kInput, "Input"},
    ControlTemplate{1022, K::UnitButton, "Joules", 14, 35, 36, 10, kUnit, "Joules"},
    ControlTemplate{1023, K::UnitButton, "Ergs", 51, 35, 30, 10, kUnit, "Ergs"},
    ControlTemplate{1024, K::UnitButton, "Calories", 82, 35, 41, 10, kUnit, "Calories"},
    ControlTemplate{1025, K::UnitButton, "Ft * Lb", 124, 35, 37, 10, kUnit, "Ft * Lb"},
    ControlTemplate{1026, K::UnitButton, "kW * h", 162, 35, 38, 10, kUnit, "kW * h"},
    ControlTemplate{kNoId, K::GroupBox, "Results...", 7, 55, 201, 92, 0},
    ControlTemplate{kNoId, K::Label, "Joules", 179, 70, 21, 8, 0},
    ControlTemplate{1011, K::Edit, "", 13, 68, 161, 12, kResult, "Joules"},
    ControlTemplate{1012, K::Edit, "", 13, 83, 161, 12, kResult, "Ergs"},
    ControlTemplate{1013, K::Edit, "", 13, 98, 161, 12, kResult, "Calories"},
    ControlTemplate{1014, K::Edit, "", 13, 113, 161, 12, kResult, "Ft*Lb"},
    ControlTemplate{1017, K::Edit, "", 13, 128, 161, 12, kResult, "kW*h"},
    ControlTemplate{kNoId, K::Label, "Ergs", 179, 84, 15, 8, 0},
    ControlTemplate{kNoId, K::Label, "Calories", 179, 99, 26, 8, 0},
    ControlTemplate{kNoId, K::Label, "Ft*Lb", 179, 114, 18, 8, 0},
    ControlTemplate{kNoId, K::Label, "kW*h", 179, 129, 19, 8, 0},
    ControlTemplate{1001, K::PushButton, "Clear Data", 7, 152, 202, 14, kDefaultButton, "Clear Data"},
};

constexpr std::array kNumbers{
    ControlTemplate{kNoId, K::GroupBox, "Numbers Conversion...", 7, 7, 186, 44, 0},
    ControlTemplate{kNoId, K::Label, "Roman:", 30, 19, 26, 8, 0},
    ControlTemplate{1010, K::Edit, "", 14, 29, 57, 12, kInput, "Roman numeral"},
    ControlTemplate{kNoId, K::Label, "Arabic:", 147, 19, 23, 8, 0},
    ControlTemplate{1011, K::Edit, "", 130, 29, 57, 12, kInput, "Arabic number"},
    ControlTemplate{1000, K::PushButton, ">>", 76, 28, 20, 14, kButton, ">>"},
    ControlTemplate{1001, K::PushButton, "Clear Data", 7, 55, 186, 14, kDefaultButton, "Clear Data"},
    ControlTemplate{1002, K::PushButton, "<<", 105, 28, 20, 14, kButton, "<<"},
};

// The weight converter alone draws its group boxes flat and leaves its unit
// buttons out of the Tab order.
constexpr std::array kWeight{
    ControlTemplate{kNoId, K::GroupBox, "Input data and select units:", 7, 7, 173, 31, cf::Flat},
    ControlTemplate{1010, K::Edit, "", 13, 19, 85, 12, kInput, "Input"},
    ControlTemplate{1022, K::UnitButton, "g", 104, 20, 16, 10, cf::Flat, "g"},
    ControlTemplate{1023, K::UnitButton, "kg", 122, 20, 16, 10, cf::Flat, "kg"},
    ControlTemplate{1024, K::UnitButton, "lbs", 140, 20, 16, 10, cf::Flat, "lbs"},
    ControlTemplate{1025, K::UnitButton, "Oz", 158, 20, 16, 10, cf::Flat, "Oz"},
    ControlTemplate{kNoId, K::GroupBox, "Output:", 7, 41, 173, 78, cf::Flat},
    ControlTemplate{1011, K::Edit, "", 13, 53, 85, 12, kResult, "Grams"},
    ControlTemplate{1012, K::Edit, "", 13, 68, 85, 12, kResult, "Kilograms"},
    ControlTemplate{1013, K::Edit, "", 13, 84, 85, 12, kResult, "Pounds"},
    ControlTemplate{1014, K::Edit, "", 13, 100, 85, 12, kResult, "Ounces"},
    ControlTemplate{kNoId, K::Label, "Grams", 104, 55, 21, 8, 0},
    ControlTemplate{kNoId, K::Label, "Kilograms", 104, 70, 31, 8, 0},
    ControlTemplate{kNoId, K::Label, "Pounds", 104, 86, 25, 8, 0},
    ControlTemplate{kNoId, K::Label, "Ounces", 104, 102, 26, 8, 0},
    ControlTemplate{1000, K::PushButton, "Clear Data", 7, 122, 173, 14, kDefaultButton, "Clear Data"},
};

}  // namespace

const DialogTemplate kTemplate136{136, "Pressure Units Converter", 334, 162, DialogStyle::Tool, kPressure};
const DialogTemplate kTemplate141{141, "Temperature Converter", 288, 119, DialogStyle::Tool, kTemperature};
const DialogTemplate kTemplate145{145, "Degrees/Radians Converter", 315,
                                  103, DialogStyle::Tool,           kDegreesRadians};
const DialogTemplate kTemplate146{146, "Length Units Converter", 209, 213, DialogStyle::Tool, kLength};
const DialogTemplate kTemplate147{147, "Time Conversion", 277, 188, DialogStyle::Tool, kTime};
const DialogTemplate kTemplate148{148, "Speed Conversion", 195, 157, DialogStyle::Tool, kSpeed};
const DialogTemplate kTemplate150{150, "Force Conversion", 195, 157, DialogStyle::Tool, kForce};
const DialogTemplate kTemplate151{151, "Power Conversion", 171, 142, DialogStyle::Tool, kPower};
const DialogTemplate kTemplate152{152, "Energy Conversion", 215, 170, DialogStyle::Tool, kEnergy};
// The Roman numeral window has the modal dialog frame; DialogStyle has no
// value for that yet, and the difference is only the frame's look.
const DialogTemplate kTemplate154{154, "Dialog", 200, 76, DialogStyle::Tool, kNumbers};
const DialogTemplate kTemplate178{178, "Weight Converter", 187, 143, DialogStyle::Tool, kWeight};
