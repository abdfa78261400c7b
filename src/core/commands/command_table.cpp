// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/commands/command_table.h"

#include <algorithm>
#include <array>

#include "core/calculators/my_calculator.h"
#include "core/calculators/simple_calc.h"
#include "core/commands/typed_name.h"
#include "core/converters/degrees.h"
#include "core/converters/degrees_radians.h"
#include "core/converters/energy.h"
#include "core/converters/force.h"
#include "core/converters/length.h"
#include "core/converters/numbers.h"
#include "core/converters/power.h"
#include "core/converters/pressures.h"
#include "core/converters/speed.h"
#include "core/converters/time.h"
#include "core/converters/weight.h"
#include "core/figures/figure_fields.h"
#include "core/reference/periodic.h"
#include "core/reference/planets.h"
#include "core/solvers/bend.h"
#include "core/solvers/geo.h"
#include "core/solvers/permutation.h"
#include "core/solvers/prefixes.h"
#include "core/solvers/pythegor.h"
#include "core/solvers/quad.h"
#include "core/solvers/the_combination.h"
#include "core/solvers/uncert.h"

namespace {

template <class T>
std::unique_ptr<Tool> make() {
    return std::make_unique<T>();
}

// In menu order within each popup; the command ids are fixed and not in that order.
constexpr auto kCommands = std::to_array<ToolCommand>({
    {"&Mathematics", "Line Functions", 32782, "Geo", &Geo::kTemplate, &make<Geo>, &figure::lineFigure},
    {"&Mathematics", "Pythagorean Theorem", 32783, "Pythegor", &Pythegor::kTemplate, &make<Pythegor>,
     &figure::triangleFigure},
    {"&Mathematics", "Quadratic  Formula", 32784, "Quad", &Quad::kTemplate, &make<Quad>,
     &figure::parabolaFigure},
    {"&Physics", "Absolute Uncertainty", 32787, "Uncert", &Uncert::kTemplate, &make<Uncert>,
     &figure::uncertaintyFigure},
    {"&Physics", "Bend Allowance", 32788, "Bend", &Bend::kTemplate, &make<Bend>, &figure::bendFigure},
    {"&Physics", "Combinations", 32785, "TheCombination", &TheCombination::kTemplate, &make<TheCombination>},
    {"&Physics", "Permutations", 32786, "Permutation", &Permutation::kTemplate, &make<Permutation>},
    {"&Physics", "SI Prefixes", 32789, "Prefixes", &Prefixes::kTemplate, &make<Prefixes>},
    {"C&hemistry", "Periodic Table", 32790, "Periodic", &Periodic::kTemplate, &make<Periodic>},
    {"&Astronomy", "Solar System Planets Data", 32791, "Planets", &Planets::kTemplate, &make<Planets>},
    {"Calc&ulators", "Advanced Calculator", 32793, "MyCalculator", &MyCalculator::kTemplate,
     &make<MyCalculator>},
    {"Calc&ulators", "Basic Calculator", 32792, "SimpleCalc", &SimpleCalc::kTemplate, &make<SimpleCalc>},
    {"&Conversions", "Energy", 32771, "Energy", &Energy::kTemplate, &make<Energy>},
    {"&Conversions", "Force", 32772, "Force", &Force::kTemplate, &make<Force>},
    {"&Conversions", "Length", 32773, "Length", &Length::kTemplate, &make<Length>},
    {"&Conversions", "Numbers", 32774, "Numbers", &Numbers::kTemplate, &make<Numbers>},
    {"&Conversions", "Power", 32775, "Power", &Power::kTemplate, &make<Power>},
    {"&Conversions", "Pressure", 32776, "Pressures", &Pressures::kTemplate, &make<Pressures>},
    {"&Conversions", "Radians", 32777, "DegreesRadians", &DegreesRadians::kTemplate, &make<DegreesRadians>},
    {"&Conversions", "Speed", 32778, "Speed", &Speed::kTemplate, &make<Speed>},
    {"&Conversions", "Temperature", 32779, "Degrees", &Degrees::kTemplate, &make<Degrees>},
    {"&Conversions", "Time", 32780, "Time", &Time::kTemplate, &make<Time>},
    {"&Conversions", "Weight", 32781, "Weight", &Weight::kTemplate, &make<Weight>},
});

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

const ToolCommand* findToolNamed(std::string_view name) {
    const std::string wanted = typed_name::key(name);
    for (const ToolCommand& command : kCommands) {
        if (typed_name::key(command.item) == wanted ||
            typed_name::lower(command.className) == typed_name::lower(name)) {
            return &command;
        }
    }
    return nullptr;
}

std::optional<figure::Figure> ToolCommand::picture(const FieldHost& fields, const Wording* wording) const {
    if (figure == nullptr) {
        return std::nullopt;
    }
    return figure::figureOf(figure, *dialogTemplate, fields, wording);
}

std::vector<MenuPopup> menuPopups(std::span<const ToolCommand> commands) {
    std::vector<MenuPopup> popups;
    for (const ToolCommand& command : commands) {
        auto popup = std::find_if(popups.begin(), popups.end(),
                                  [&command](const MenuPopup& p) { return p.title == command.popup; });
        if (popup == popups.end()) {
            popup = popups.insert(popups.end(), MenuPopup{command.popup, {}});
        }
        popup->commands.push_back(&command);
    }
    return popups;
}
