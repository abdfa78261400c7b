#include <array>
#include <cstddef>

#include "reference/periodic_grid.h"
#include "resources/templates.h"

namespace {

constexpr unsigned kEdit = cf::TabStop | cf::AutoHScroll;

constexpr std::array kPlanets{
    ControlTemplate{kNoId, ControlKind::GroupBox, "Choose a planet...", 7, 7, 335, 35, 0},
    ControlTemplate{1000, ControlKind::PushButton, "Mercury", 14, 20, 34, 14, cf::Flat | cf::TabStop,
                    "Mercury"},
    ControlTemplate{1001, ControlKind::PushButton, "Venus", 50, 20, 34, 14, cf::Flat | cf::TabStop, "Venus"},
    ControlTemplate{1002, ControlKind::PushButton, "Earth", 86, 20, 34, 14, cf::Flat | cf::TabStop, "Earth"},
    ControlTemplate{1003, ControlKind::PushButton, "Mars", 122, 20, 34, 14, cf::Flat | cf::TabStop, "Mars"},
    ControlTemplate{1004, ControlKind::PushButton, "Jupiter", 158, 20, 34, 14, cf::Flat | cf::TabStop,
                    "Jupiter"},
    ControlTemplate{1005, ControlKind::PushButton, "Saturn", 194, 20, 34, 14, cf::Flat | cf::TabStop,
                    "Saturn"},
    ControlTemplate{1006, ControlKind::PushButton, "Uranus", 230, 20, 34, 14, cf::Flat | cf::TabStop,
                    "Uranus"},
    ControlTemplate{1007, ControlKind::PushButton, "Neptune", 266, 20, 34, 14, cf::Flat | cf::TabStop,
                    "Neptune"},
    ControlTemplate{1008, ControlKind::PushButton, "Pluto", 302, 20, 34, 14, cf::Flat | cf::TabStop, "Pluto"},
    ControlTemplate{kNoId, ControlKind::GroupBox, "Planet's Stats...", 7, 45, 335, 98, 0},
    // The figures can be typed over but are no stop on the way through with Tab.
    ControlTemplate{kNoId, ControlKind::Label, "Mean distance from Sun, 10^6 km:", 14, 60, 115, 8, 0},
    ControlTemplate{1010, ControlKind::Edit, "", 132, 58, 40, 12, cf::AutoHScroll,
                    "Mean distance from Sun, 10^6 km"},
    ControlTemplate{kNoId, ControlKind::Label, "Period of revolution, years:", 14, 75, 115, 8, 0},
    ControlTemplate{1011, ControlKind::Edit, "", 132, 73, 40, 12, cf::AutoHScroll,
                    "Period of revolution, years"},
    ControlTemplate{kNoId, ControlKind::Label, "Period of rotation, days:", 14, 91, 115, 8, 0},
    ControlTemplate{1012, ControlKind::Edit, "", 132, 89, 40, 12, cf::AutoHScroll,
                    "Period of rotation, days"},
    ControlTemplate{kNoId, ControlKind::Label, "Orbital speed, km/s:", 14, 107, 115, 8, 0},
    ControlTemplate{1013, ControlKind::Edit, "", 132, 105, 40, 12, cf::AutoHScroll, "Orbital speed, km/s"},
    ControlTemplate{kNoId, ControlKind::Label, "Equatorial diameter, km:", 14, 124, 115, 8, 0},
    ControlTemplate{1014, ControlKind::Edit, "", 132, 122, 40, 12, cf::AutoHScroll,
                    "Equatorial diameter, km"},
    ControlTemplate{kNoId, ControlKind::Label, "Mass (Earth=1):", 184, 60, 106, 8, 0},
    ControlTemplate{1017, ControlKind::Edit, "", 294, 58, 40, 12, cf::AutoHScroll, "Mass (Earth=1)"},
    ControlTemplate{kNoId, ControlKind::Label, "Density (Water=1):", 184, 75, 106, 8, 0},
    ControlTemplate{1016, ControlKind::Edit, "", 294, 73, 40, 12, cf::AutoHScroll, "Density (Water=1)"},
    ControlTemplate{kNoId, ControlKind::Label, "Acceleration (g):", 184, 91, 106, 8, 0},
    ControlTemplate{1018, ControlKind::Edit, "", 294, 89, 40, 12, cf::AutoHScroll, "Acceleration (g)"},
    ControlTemplate{kNoId, ControlKind::Label, "Escape velocity, km/s:", 184, 107, 106, 8, 0},
    ControlTemplate{1019, ControlKind::Edit, "", 294, 105, 40, 12, cf::AutoHScroll, "Escape velocity, km/s"},
    ControlTemplate{kNoId, ControlKind::Label, "Known satellites (moons):", 184, 124, 106, 8, 0},
    ControlTemplate{1020, ControlKind::Edit, "", 294, 122, 40, 12, cf::AutoHScroll,
                    "Known satellites (moons)"},
    ControlTemplate{kNoId, ControlKind::GroupBox, "NOTES:", 7, 146, 335, 39, 0},
    ControlTemplate{kNoId, ControlKind::Label, "1.  Venus and Uranus rotate opposite their orbital motion.",
                    13, 160, 320, 8, 0},
    ControlTemplate{kNoId, ControlKind::Label,
                    "2.  Gravitational acceleration (g) measured at the planet's equator.", 13, 170, 320, 8,
                    0},
};

// Everything of the periodic table window but its buttons. The two row
// labels end at one edge just left of the lower rows; the data fields are
// read-only, as the program has nothing to take from them.
constexpr std::array kPeriodicRest{
    ControlTemplate{kNoId, ControlKind::Label, "LANTHANIDES", 47, 166, 53, 8, 0},
    ControlTemplate{kNoId, ControlKind::Label, "ACTINIDES", 60, 186, 40, 8, 0},
    ControlTemplate{kNoId, ControlKind::GroupBox, "Element's Data:", 7, 200, 430, 47, 0},
    ControlTemplate{kNoId, ControlKind::Label, "Symbol:", 13, 215, 26, 8, 0},
    ControlTemplate{1010, ControlKind::Edit, "", 42, 215, 40, 12, kEdit | cf::ReadOnly, "Symbol"},
    ControlTemplate{kNoId, ControlKind::Label, "Name:", 13, 229, 26, 8, 0},
    ControlTemplate{1052, ControlKind::Edit, "", 42, 229, 40, 12, kEdit | cf::ReadOnly, "Name"},
    ControlTemplate{kNoId, ControlKind::Label, "Atomic Weight:", 88, 215, 56, 8, 0},
    ControlTemplate{1122, ControlKind::Edit, "", 147, 215, 40, 12, kEdit | cf::ReadOnly, "Atomic Weight"},
    ControlTemplate{kNoId, ControlKind::Label, "Atomic Number:", 88, 229, 56, 8, 0},
    ControlTemplate{1123, ControlKind::Edit, "", 147, 229, 40, 12, kEdit | cf::ReadOnly, "Atomic Number"},
};

// The element buttons come first, row by row and left to right as the table
// is read, so the window opens with the focus on "H" and Tab walks the table
// in reading order before it reaches the data box.
constexpr auto makePeriodic() {
    std::array<ControlTemplate, periodic::kGrid.size() + kPeriodicRest.size()> controls{};
    std::size_t i = 0;
    for (const periodic::Cell& cell : periodic::kGrid) {
        controls[i++] = {cell.id,
                         ControlKind::PushButton,
                         cell.caption,
                         periodic::cellX(cell),
                         periodic::cellY(cell),
                         periodic::kButtonWidth,
                         periodic::kButtonHeight,
                         cf::Flat | cf::TabStop,
                         cell.kind == periodic::CellKind::Element ? cell.caption : cell.name};
    }
    for (const ControlTemplate& control : kPeriodicRest) {
        controls[i++] = control;
    }
    return controls;
}

constexpr auto kPeriodic = makePeriodic();

}  // namespace

const DialogTemplate kTemplate153{153, "Some Planets' Properties", 349, 193, DialogStyle::Tool, kPlanets};
const DialogTemplate kTemplate177{177, "Periodic Table of Elements", 444, 254, DialogStyle::Tool, kPeriodic};
