// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>

#include "core/figures/figure_fields.h"
#include "core/solvers/bend.h"

namespace figure {

namespace {

Point onCircle(double radius, double degrees) {
    const double radians = degrees * std::numbers::pi / 180;
    return {radius * std::cos(radians), radius * std::sin(radians)};
}

Point plus(Point p, Point q, double times) {
    return {p.x + q.x * times, p.y + q.y * times};
}

// Where a label beside the circle at this angle stands clear of it.
Place outward(double degrees) {
    const Point direction = onCircle(1, degrees);
    if (direction.x > 0.4) {
        return direction.y >= 0 ? Place::AboveRight : Place::BelowRight;
    }
    if (direction.x < -0.4) {
        return direction.y >= 0 ? Place::AboveLeft : Place::BelowLeft;
    }
    return direction.y >= 0 ? Place::Above : Place::Below;
}

// The bent sheet of the fields, built a job at a time: the sizes read (or
// refused), the sheet and its neutral axis drawn, the sizes placed, the view
// framed round what was drawn, the picture said in words. Each job leaves
// here what the later ones read.
struct BendDrawing {
    explicit BendDrawing(const Fields& fields) : fields(fields) {}

    bool read();
    void drawSheet();
    void drawNeutralAxis();
    void annotate();
    void frame();
    void describe();

    const Fields& fields;
    Figure figure;
    FieldNumber radius;
    FieldNumber thickness;
    FieldNumber angle;
    FieldNumber neutralField;
    double inner = 0;  // the radii of the sheet's faces
    double outer = 0;
    double neutral = 0;  // the radius the neutral axis is drawn at
    double start = 0;    // the bend's first and last angle, in degrees
    double end = 0;
    double flange = 0;  // the length of the straight parts
    Point along;        // the direction the sheet leaves in
    Bounds bounds;
    std::string allowance;
};

bool BendDrawing::read() {
    radius = fields.number(Bend::kRadius);
    thickness = fields.number(Bend::kThickness);
    angle = fields.number(Bend::kAngle);
    if (!allDrawable(figure, {&radius, &thickness, &angle})) {
        return false;
    }
    if (radius.value < 0) {
        figure.refusal = fields.say(N_("%1 is %2: a radius cannot be negative."), {radius.name, radius.text});
    } else if (!(thickness.value > 0)) {
        figure.refusal = fields.say(N_("%1 is %2: a sheet needs a thickness greater than 0."),
                                    {thickness.name, thickness.text});
    } else if (!(angle.value > 0)) {
        figure.refusal = fields.say(N_("%1 is %2: there is no bend to draw."), {angle.name, angle.text});
    } else if (angle.value >= 360) {
        figure.refusal = fields.say(N_("%1 is %2: a bend of a full turn or more runs into itself."),
                                    {angle.name, angle.text});
    }
    if (!figure.drawable()) {
        return false;
    }
    inner = radius.value;
    outer = inner + thickness.value;
    if (thickness.value < outer * 1e-9) {
        figure.refusal = fields.say(N_("The sheet is too thin, for its bend radius, to draw."));
        return false;
    }
    // The neutral axis where the field puts it, when that lies in the sheet.
    neutralField = fields.number(Bend::kNeutralAxis);
    neutral = thickness.value / 3 + inner;
    if (neutralField.whyNot().empty() && neutralField.value >= inner && neutralField.value <= outer) {
        neutral = neutralField.value;
    } else {
        figure.notes.push_back(fields.say(
            N_("%1 field shows %2; the neutral axis is drawn a third of the thickness into the sheet."),
            {neutralField.name, neutralField.text}));
    }
    return true;
}

void BendDrawing::drawSheet() {
    // The sheet comes in from the left below the bend's centre, turns
    // counterclockwise through the angle and leaves along the tangent.
    start = -90;
    end = start + angle.value;
    flange = outer * 1.5;
    along = onCircle(1, end + 90);
    const int steps = std::max(2, static_cast<int>(std::ceil(angle.value / 2)));
    Polyline sheet{{}, Role::Shape, true};
    sheet.points.push_back({-flange, -outer});
    sheet.points.push_back({-flange, -inner});
    for (int i = 0; i <= steps; ++i) {
        sheet.points.push_back(onCircle(inner, start + angle.value * i / steps));
    }
    sheet.points.push_back(plus(onCircle(inner, end), along, flange));
    sheet.points.push_back(plus(onCircle(outer, end), along, flange));
    for (int i = steps; i >= 0; --i) {
        sheet.points.push_back(onCircle(outer, start + angle.value * i / steps));
    }
    bounds.add({0, 0});
    for (const Point& p : sheet.points) {
        bounds.add(p);
    }
    figure.polylines.push_back(std::move(sheet));
}

void BendDrawing::drawNeutralAxis() {
    // The neutral axis: straight in the flanges, and the allowance along the bend.
    figure.polylines.push_back({{{-flange, -neutral}, {0, -neutral}}, Role::Guide});
    figure.polylines.push_back(
        {{onCircle(neutral, end), plus(onCircle(neutral, end), along, flange)}, Role::Guide});
    figure.arcs.push_back({{0, 0}, neutral, start, angle.value, Role::Result});
    figure.polylines.push_back({{onCircle(outer, start), {0, 0}, onCircle(outer, end)}, Role::Guide});
}

void BendDrawing::annotate() {
    const double middle = start + angle.value / 2;
    allowance = fields.text(Bend::kBendAllowance);
    figure.labels.push_back(
        {onCircle(outer, middle), fields.say(N_("BA %1"), {allowance}), outward(middle), Role::Result});
    const double angleRadius = std::max(inner, outer * 0.25) * 0.5;
    figure.arcs.push_back({{0, 0}, angleRadius, start, angle.value, Role::Dimension});
    // The angle is named at the bend's centre, on the side away from the sheet.
    figure.labels.push_back(
        {{0, 0}, fields.say(N_("A %1\u00B0"), {angle.text}), outward(middle + 180), Role::Dimension});
    if (inner > 0) {
        figure.dimensions.push_back(
            {{0, 0}, onCircle(inner, start + angle.value * 0.25), 0, fields.say(N_("R %1"), {radius.text})});
    }
    figure.dimensions.push_back(
        {{-flange * 0.6, -outer}, {-flange * 0.6, -inner}, 0, fields.say(N_("T %1"), {thickness.text})});
    figure.labels.push_back({{-flange, -neutral}, fields.say(N_("NA")), Place::Left, Role::Guide});

    figure.notes.push_back(fields.say(N_("Bend allowance %1 along the neutral axis (dashed), radius %2"),
                                      {allowance, neutralField.text}));
}

// Round the sheet and the bend's centre, as drawn.
void BendDrawing::frame() {
    figure.view = bounds.padded(0.12, 0);
}

void BendDrawing::describe() {
    figure.description = fields.say(N_("Sheet of thickness %1 bent %2 degrees around an inside radius of %3; "
                                       "neutral axis radius %4; bend allowance %5 along the neutral axis"),
                                    {thickness.text, angle.text, radius.text, neutralField.text, allowance});
}

}  // namespace

Figure bendFigure(const Fields& fields) {
    BendDrawing bend(fields);
    if (bend.read()) {
        bend.drawSheet();
        bend.drawNeutralAxis();
        bend.annotate();
        bend.frame();
        bend.describe();
    }
    return std::move(bend.figure);
}

}  // namespace figure
