// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <algorithm>
#include <cmath>

#include "core/figures/figure_fields.h"
#include "core/solvers/pythegor.h"

namespace figure {

Figure triangleFigure(const Fields& fields) {
    Figure figure;
    const FieldNumber side1 = fields.number(Pythegor::kSide1);
    const FieldNumber side2 = fields.number(Pythegor::kSide2);
    if (!allDrawable(figure, {&side1, &side2})) {
        return figure;
    }
    for (const FieldNumber* side : {&side1, &side2}) {
        if (!(side->value > 0)) {
            figure.refusal =
                side->name + " is " + side->text + ": a right triangle needs both sides greater than 0.";
            return figure;
        }
    }
    const double a = side1.value;
    const double b = side2.value;
    const double longer = std::max(a, b);
    const double drawn = std::hypot(a, b);

    // The right angle at the origin, side 1 along x, side 2 along y.
    figure.polylines.push_back({{{0, 0}, {a, 0}, {0, b}}, Role::Shape, true});
    const double corner = std::min(std::min(a, b) * 0.2, longer * 0.08);
    figure.polylines.push_back({{{corner, 0}, {corner, corner}, {0, corner}}, Role::Shape});
    const double gap = longer * 0.08;
    figure.dimensions.push_back({{0, 0}, {a, 0}, -gap, "Side 1: " + side1.text});
    figure.dimensions.push_back({{0, 0}, {0, b}, gap, "Side 2: " + side2.text});

    const FieldNumber hypotenuse = fields.number(Pythegor::kHypotenuse);
    std::string hypotenuseText = hypotenuse.text;
    const bool fits = hypotenuse.whyNot().empty() && std::abs(hypotenuse.value - drawn) <= drawn * 1e-9;
    if (!fits) {
        hypotenuseText = numberText(drawn);
        figure.notes.push_back(hypotenuse.name + " field shows " +
                               (hypotenuse.text.empty() ? "nothing" : hypotenuse.text) +
                               "; the sides make it " + hypotenuseText + ".");
    }
    figure.dimensions.push_back({{0, b}, {a, 0}, gap, "Hypothenuse: " + hypotenuseText});
    if (const std::string message = fields.text(Pythegor::kMessage); !message.empty()) {
        figure.notes.push_back(message);
    }

    Bounds bounds;
    bounds.add({0, 0});
    bounds.add({a, b});
    figure.view = bounds.padded(0.2, 0);
    figure.description = "Right triangle; sides " + side1.text + " and " + side2.text + "; hypotenuse " +
                         hypotenuseText + "; right angle between the sides";
    return figure;
}

}  // namespace figure
