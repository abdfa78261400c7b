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
            figure.refusal = fields.say(N_("%1 is %2: a right triangle needs both sides greater than 0."),
                                        {side->name, side->text});
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
    figure.dimensions.push_back({{0, 0}, {a, 0}, -gap, fields.say(N_("Side 1: %1"), {side1.text})});
    figure.dimensions.push_back({{0, 0}, {0, b}, gap, fields.say(N_("Side 2: %1"), {side2.text})});

    const FieldNumber hypotenuse = fields.number(Pythegor::kHypotenuse);
    std::string hypotenuseText = hypotenuse.text;
    const bool fits = hypotenuse.whyNot().empty() && std::abs(hypotenuse.value - drawn) <= drawn * 1e-9;
    if (!fits) {
        hypotenuseText = numberText(drawn);
        figure.notes.push_back(hypotenuse.text.empty()
                                   ? fields.say(N_("%1 field shows nothing; the sides make it %2."),
                                                {hypotenuse.name, hypotenuseText})
                                   : fields.say(N_("%1 field shows %2; the sides make it %3."),
                                                {hypotenuse.name, hypotenuse.text, hypotenuseText}));
    }
    figure.dimensions.push_back({{0, b}, {a, 0}, gap, fields.say(N_("Hypothenuse: %1"), {hypotenuseText})});
    if (const std::string message = fields.text(Pythegor::kMessage); !message.empty()) {
        figure.notes.push_back(message);
    }

    Bounds bounds;
    bounds.add({0, 0});
    bounds.add({a, b});
    figure.view = bounds.padded(0.2, 0);
    figure.description =
        fields.say(N_("Right triangle; sides %1 and %2; hypotenuse %3; right angle between the sides"),
                   {side1.text, side2.text, hypotenuseText});
    return figure;
}

}  // namespace figure
