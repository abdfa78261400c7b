#include "app/command_table.h"

#include <array>

#include "calculators/my_calculator.h"
#include "calculators/simple_calc.h"
#include "converters/degrees.h"
#include "converters/degrees_radians.h"
#include "converters/energy.h"
#include "converters/force.h"
#include "converters/length.h"
#include "converters/numbers.h"
#include "converters/power.h"
#include "converters/pressures.h"
#include "converters/speed.h"
#include "converters/time.h"
#include "converters/weight.h"
#include "reference/periodic.h"
#include "reference/planets.h"
#include "solvers/bend.h"
#include "solvers/geo.h"
#include "solvers/permutation.h"
#include "solvers/prefixes.h"
#include "solvers/pythegor.h"
#include "solvers/quad.h"
#include "solvers/the_combination.h"
#include "solvers/uncert.h"

namespace {

template <class T>
std::unique_ptr<Tool> make() {
    return std::make_unique<T>();
}

// In menu order; the command ids are fixed and not in that order.
const std::array<ToolCommand, 23> kCommands{{
    {"&Mathematics", "Line Functions", 32782, "Geo", 137, &make<Geo>},
    {"&Mathematics", "Pythagorean Theorem", 32783, "Pythegor", 142, &make<Pythegor>},
    {"&Mathematics", "Quadratic  Formula", 32784, "Quad", 143, &make<Quad>},
    {"&Physics", "Absolute Uncertainty", 32787, "Uncert", 132, &make<Uncert>},
    {"&Physics", "Bend Allowance", 32788, "Bend", 157, &make<Bend>},
    {"&Physics", "Combinations", 32785, "TheCombination", 175, &make<TheCombination>},
    {"&Physics", "Permutations", 32786, "Permutation", 176, &make<Permutation>},
    {"&Physics", "SI Prefixes", 32789, "Prefixes", 149, &make<Prefixes>},
    {"C&hemistry", "Periodic Table", 32790, "Periodic", 177, &make<Periodic>},
    {"&Astronomy", "Solar System Planets Data", 32791, "Planets", 153, &make<Planets>},
    {"Calc&ulators", "Advanced Calculator", 32793, "MyCalculator", 172, &make<MyCalculator>},
    {"Calc&ulators", "Basic Calculator", 32792, "SimpleCalc", 133, &make<SimpleCalc>},
    {"&Conversions", "Energy", 32771, "Energy", 152, &make<Energy>},
    {"&Conversions", "Force", 32772, "Force", 150, &make<Force>},
    {"&Conversions", "Length", 32773, "Length", 146, &make<Length>},
    {"&Conversions", "Numbers", 32774, "Numbers", 154, &make<Numbers>},
    {"&Conversions", "Power", 32775, "Power", 151, &make<Power>},
    {"&Conversions", "Pressure", 32776, "Pressures", 136, &make<Pressures>},
    {"&Conversions", "Radians", 32777, "DegreesRadians", 145, &make<DegreesRadians>},
    {"&Conversions", "Speed", 32778, "Speed", 148, &make<Speed>},
    {"&Conversions", "Temperature", 32779, "Degrees", 141, &make<Degrees>},
    {"&Conversions", "Time", 32780, "Time", 147, &make<Time>},
    {"&Conversions", "Weight", 32781, "Weight", 178, &make<Weight>},
}};

}  // namespace

std::span<const ToolCommand> toolCommands() {
    return kCommands;
}

const ToolCommand* findToolCommand(int commandId) {
    for (const ToolCommand& command : kCommands) {
        if (command.commandId == commandId) {
            return &command;
        }
    }
    return nullptr;
}
