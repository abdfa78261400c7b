// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "core/figures/figure_fields.h"
#include "core/solvers/geo.h"

namespace figure {

namespace {

// The part of the line through p and q (not vertical) that the view shows.
std::optional<Polyline> acrossView(Point p, Point q, const View& view) {
    const double slope = (q.y - p.y) / (q.x - p.x);
    Point from{view.left, p.y + slope * (view.left - p.x)};
    Point to{view.right, p.y + slope * (view.right - p.x)};
    // Steep lines leave through the top or the bottom first.
    const auto clampToRows = [&](Point& end) {
        if (end.y > view.top) {
            end = {p.x + (view.top - p.y) / slope, view.top};
        } else if (end.y < view.bottom) {
            end = {p.x + (view.bottom - p.y) / slope, view.bottom};
        }
    };
    clampToRows(from);
    clampToRows(to);
    if (!std::isfinite(from.x) || !std::isfinite(to.x)) {
        return std::nullopt;
    }
    return Polyline{{from, to}, Role::Shape};
}

bool inside(const View& view, Point p) {
    return p.x >= view.left && p.x <= view.right && p.y >= view.bottom && p.y <= view.top;
}

// The line through the fields' two points, built a job at a time: the
// points read (or refused), the view framed, the line drawn, the fields'
// other answers placed, the picture said in words. Each job leaves here
// what the later ones read.
struct LineDrawing {
    explicit LineDrawing(const Fields& fields) : fields(fields) {}

    bool read();
    void frame();
    void draw();
    void annotateDistance();
    void annotateMidpoint();
    void annotateIntercepts();
    void describe();

    const Fields& fields;
    Figure figure;
    Point p1;
    Point p2;
    std::string name1;  // "(x, y)" in the fields' own texts
    std::string name2;
    bool vertical = false;
    Bounds points;
    double span = 0;  // the larger side of the points' bounds
    double slope = 0;
    double intercept = 0;
    bool firstLeft = false;  // point 1 stands left of point 2, or below it
    std::string distance;
    std::string midpoint;
    std::string slopeText;
    std::string intercepts;
};

bool LineDrawing::read() {
    const FieldNumber x1 = fields.number(Geo::kX1);
    const FieldNumber y1 = fields.number(Geo::kY1);
    const FieldNumber x2 = fields.number(Geo::kX2);
    const FieldNumber y2 = fields.number(Geo::kY2);
    if (!allDrawable(figure, {&x1, &y1, &x2, &y2})) {
        return false;
    }
    p1 = {x1.value, y1.value};
    p2 = {x2.value, y2.value};
    name1 = "(" + x1.text + ", " + y1.text + ")";
    name2 = "(" + x2.text + ", " + y2.text + ")";
    if (p1.x == p2.x && p1.y == p2.y) {
        figure.refusal = fields.say(N_("Both points are %1: a line needs two different points."), {name1});
        return false;
    }
    vertical = p1.x == p2.x;

    points.add(p1);
    points.add(p2);
    span = std::max(points.width(), points.height());
    const double magnitude = std::max({std::abs(p1.x), std::abs(p1.y), std::abs(p2.x), std::abs(p2.y)});
    if (span < magnitude * 1e-9) {
        figure.refusal = fields.say(
            N_("The two points are too close together, for their distance from the origin, to draw apart."));
        return false;
    }
    return true;
}

void LineDrawing::frame() {
    // The origin and the intercepts join the view when that keeps the points
    // a fair size in it; far away, they are named instead.
    slope = vertical ? 0 : (p2.y - p1.y) / (p2.x - p1.x);
    intercept = p1.y - slope * p1.x;
    Bounds all = points;
    all.add({0, 0});
    if (!vertical) {
        all.add({0, intercept});
    }
    const Bounds& framed = std::max(all.width(), all.height()) <= span * 4 ? all : points;
    figure.view = framed.padded(0.15, 0);
    addAxes(figure);
}

void LineDrawing::draw() {
    if (vertical) {
        figure.polylines.push_back({{{p1.x, figure.view.bottom}, {p1.x, figure.view.top}}, Role::Shape});
    } else if (std::optional<Polyline> line = acrossView(p1, p2, figure.view)) {
        figure.polylines.push_back(*line);
    }
    firstLeft = p1.x < p2.x || (p1.x == p2.x && p1.y < p2.y);
    figure.markers.push_back({p1, Role::Shape});
    figure.markers.push_back({p2, Role::Shape});
    figure.labels.push_back(
        {p1, fields.say(N_("Point 1 %1"), {name1}), firstLeft ? Place::AboveLeft : Place::AboveRight});
    figure.labels.push_back(
        {p2, fields.say(N_("Point 2 %1"), {name2}), firstLeft ? Place::AboveRight : Place::AboveLeft});
}

void LineDrawing::annotateDistance() {
    distance = fields.text(Geo::kDistance);
    figure.dimensions.push_back(
        {firstLeft ? p1 : p2, firstLeft ? p2 : p1, -span * 0.08, fields.say(N_("distance %1"), {distance})});
}

void LineDrawing::annotateMidpoint() {
    const FieldNumber midX = fields.number(Geo::kMidX);
    const FieldNumber midY = fields.number(Geo::kMidY);
    midpoint = midX.text + ", " + midY.text;
    if (midX.whyNot().empty() && midY.whyNot().empty() && inside(figure.view, {midX.value, midY.value})) {
        figure.markers.push_back({{midX.value, midY.value}, Role::Result});
        // Across the line from the distance's dimension, which stands on its right.
        const Place place = vertical    ? Place::Left
                            : slope > 0 ? Place::AboveLeft
                            : slope < 0 ? Place::AboveRight
                                        : Place::Above;
        figure.labels.push_back(
            {{midX.value, midY.value}, fields.say(N_("midpoint (%1)"), {midpoint}), place, Role::Result});
    } else {
        figure.notes.push_back(fields.say(N_("Midpoint %1 is not on the picture."), {midpoint}));
    }
}

void LineDrawing::annotateIntercepts() {
    slopeText = fields.text(Geo::kSlope);
    if (vertical) {
        figure.notes.push_back(
            fields.say(N_("Vertical line: the slope is undefined (%1), no y-intercept."), {slopeText}));
    } else {
        figure.notes.push_back(fields.say(N_("Slope %1"), {slopeText}));
        // Both y-intercepts as the fields give them: through point 1 and through point 2.
        for (const int id : {Geo::kIntercept1, Geo::kIntercept2}) {
            const FieldNumber field = fields.number(id);
            if (!intercepts.empty() && field.text == fields.text(Geo::kIntercept1)) {
                continue;
            }
            intercepts =
                intercepts.empty() ? field.text : fields.say(N_("%1 and %2"), {intercepts, field.text});
            const Point at{0, field.value};
            if (field.whyNot().empty() && inside(figure.view, at)) {
                figure.markers.push_back({at, Role::Result});
                figure.labels.push_back({at, fields.say(N_("y-intercept %1"), {field.text}),
                                         id == Geo::kIntercept1 ? Place::AboveLeft : Place::BelowLeft,
                                         Role::Result});
            } else {
                figure.notes.push_back(
                    fields.say(N_("%1 %2 is not on the picture."), {field.name, field.text}));
            }
        }
        if (slope != 0) {
            const Point crossing{-intercept / slope + 0.0, 0};
            if (inside(figure.view, crossing)) {
                figure.markers.push_back({crossing, Role::Result});
                figure.labels.push_back({crossing, fields.say(N_("x-intercept %1"), {numberText(crossing.x)}),
                                         Place::BelowRight, Role::Result});
            }
        }
    }
}

void LineDrawing::describe() {
    figure.description =
        vertical
            ? fields.say(N_("Vertical line through %1 and %2; slope undefined; distance %3; midpoint %4"),
                         {name1, name2, distance, midpoint})
            : fields.say(N_("Line through %1 and %2; slope %3; y-intercept %4; distance %5; midpoint %6"),
                         {name1, name2, slopeText, intercepts, distance, midpoint});
}

}  // namespace

Figure lineFigure(const Fields& fields) {
    LineDrawing line(fields);
    if (line.read()) {
        line.frame();
        line.draw();
        line.annotateDistance();
        line.annotateMidpoint();
        line.annotateIntercepts();
        line.describe();
    }
    return std::move(line.figure);
}

}  // namespace figure
