// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "core/figures/figure_fields.h"
#include "core/solvers/quad.h"

namespace figure {

namespace {

// Enough points that the sampled parabola looks smooth at any window size.
constexpr int kSamples = 240;

double valueAt(double a, double b, double c, double x) {
    return a * x * x + b * x + c;
}

// True when x makes a x^2 + b x + c vanish to within the rounding of its terms.
bool solves(double a, double b, double c, double x) {
    const double size = std::abs(a * x * x) + std::abs(b * x) + std::abs(c);
    return std::abs(valueAt(a, b, c, x)) <= size * 1e-9;
}

// The parabola of the fields' coefficients, built a job at a time: the
// coefficients read (or refused), the x-values the fields show, the view
// framed (or refused), the curve drawn, the vertex, x-values and equation
// placed, the picture said in words. Each job leaves here what the later
// ones read.
struct ParabolaDrawing {
    explicit ParabolaDrawing(const Fields& fields) : fields(fields) {}

    bool read();
    void readRoots();
    bool frame();
    void draw();
    void annotateVertex();
    void annotateRoots();
    void annotateEquation();
    void describe();

    const Fields& fields;
    Figure figure;
    FieldNumber a;
    FieldNumber b;
    FieldNumber c;
    double vertexX = 0;
    double vertexY = 0;
    std::vector<std::pair<double, std::string>> roots;  // each x-value and its field's text
    double left = 0;
    double right = 0;
    bool upward = true;
    std::string vertex;
    std::string xValues;
    bool real = true;
};

bool ParabolaDrawing::read() {
    a = fields.number(Quad::kA);
    b = fields.number(Quad::kB);
    c = fields.number(Quad::kC);
    if (!allDrawable(figure, {&a, &b, &c})) {
        return false;
    }
    if (a.value == 0) {
        figure.refusal =
            fields.say(N_("%1 is %2: the equation is not quadratic, so there is no parabola to draw."),
                       {a.name, a.text});
        return false;
    }
    vertexX = -b.value / (2 * a.value);
    vertexY = valueAt(a.value, b.value, c.value, vertexX);
    return true;
}

// The x-values as the fields show them, where they are real roots of the
// equation as it stands.
void ParabolaDrawing::readRoots() {
    for (const int id : {Quad::kRoot1, Quad::kRoot2}) {
        const FieldNumber root = fields.number(id);
        if (!root.whyNot().empty()) {
            continue;
        }
        if (!solves(a.value, b.value, c.value, root.value)) {
            figure.notes.push_back(
                fields.say(N_("%1 %2 does not solve the equation as it stands."), {root.name, root.text}));
            continue;
        }
        if (roots.empty() || roots.front().second != root.text) {
            roots.emplace_back(root.value, root.text);
        }
    }
}

bool ParabolaDrawing::frame() {
    // Wide enough to show the x-values with room beside them, or where none
    // is shown, the parabola rising as far above its vertex as the vertex
    // lies from the axis.
    double halfWidth = 0;
    for (const auto& root : roots) {
        halfWidth = std::max(halfWidth, std::abs(root.first - vertexX));
    }
    if (halfWidth == 0) {
        halfWidth = vertexY != 0 ? std::sqrt(std::abs(vertexY / a.value)) : std::max(std::abs(vertexX), 1.0);
    }
    halfWidth *= 1.6;
    left = vertexX - halfWidth;
    right = vertexX + halfWidth;
    const double edgeY = valueAt(a.value, b.value, c.value, right);
    const double bottom = std::min({vertexY, edgeY, 0.0});
    const double top = std::max({vertexY, edgeY, 0.0});
    const double magnitude = std::max({std::abs(left), std::abs(right), std::abs(bottom), std::abs(top)});
    if (!std::isfinite(magnitude) || magnitude > kLargest * kLargest) {
        figure.refusal = fields.say(N_("The parabola's numbers are too large to draw to scale."));
        return false;
    }
    if (!(right - left > magnitude * 1e-9) || !(top - bottom > magnitude * 1e-12)) {
        figure.refusal =
            fields.say(N_("The parabola is too narrow for its distance from the origin to draw to scale."));
        return false;
    }
    const double padY = (top - bottom) * 0.1;
    figure.view = {left, bottom - padY, right, top + padY};
    figure.equalScale = false;
    addAxes(figure);
    return true;
}

void ParabolaDrawing::draw() {
    figure.polylines.push_back({{{vertexX, figure.view.bottom}, {vertexX, figure.view.top}}, Role::Guide});
    Polyline curve{{}, Role::Shape, false, true};
    curve.points.reserve(kSamples + 1);
    for (int i = 0; i <= kSamples; ++i) {
        const double x = left + (right - left) * i / kSamples;
        curve.points.push_back({x, valueAt(a.value, b.value, c.value, x)});
    }
    figure.polylines.push_back(std::move(curve));
}

void ParabolaDrawing::annotateVertex() {
    upward = a.value > 0;
    vertex = numberText(vertexX) + ", " + numberText(vertexY);
    figure.markers.push_back({{vertexX, vertexY}, Role::Shape});
    figure.labels.push_back({{vertexX, vertexY},
                             fields.say(N_("vertex (%1)"), {vertex}),
                             upward ? Place::BelowRight : Place::AboveRight});
}

void ParabolaDrawing::annotateRoots() {
    for (std::size_t i = 0; i < roots.size(); ++i) {
        figure.markers.push_back({{roots[i].first, 0}, Role::Result});
        // Outside the parabola, where the curve leaves room beside the axis.
        const Place place = roots[i].first < vertexX ? (upward ? Place::BelowLeft : Place::AboveLeft)
                                                     : (upward ? Place::BelowRight : Place::AboveRight);
        figure.labels.push_back(
            {{roots[i].first, 0}, fields.say(N_("x = %1"), {roots[i].second}), place, Role::Result});
        xValues = i == 0 ? roots[i].second : fields.say(N_("%1 and %2"), {xValues, roots[i].second});
    }
}

void ParabolaDrawing::annotateEquation() {
    // Whether the parabola meets the axis is the coefficients' to say; the
    // fields may not have been worked out for them yet.
    real = b.value * b.value - (a.value * 4) * c.value >= 0;
    if (!real) {
        figure.notes.push_back(fields.say(N_("No real x-value: the parabola does not meet the x axis.")));
    }
    const auto term = [](const std::string& text) { return text.starts_with('-') ? "(" + text + ")" : text; };
    figure.notes.insert(figure.notes.begin(),
                        term(a.text) + " x\u00B2 + " + term(b.text) + " x + " + term(c.text) + " = 0");
}

void ParabolaDrawing::describe() {
    const std::string found = !real               ? fields.say(N_("no real x-value"))
                              : roots.empty()     ? fields.say(N_("x-values not yet found"))
                              : roots.size() == 1 ? fields.say(N_("one x-value, %1"), {xValues})
                                                  : fields.say(N_("x-values %1"), {xValues});
    figure.description = upward
                             ? fields.say(N_("Parabola opening upward; %1; vertex at %2"), {found, vertex})
                             : fields.say(N_("Parabola opening downward; %1; vertex at %2"), {found, vertex});
}

}  // namespace

Figure parabolaFigure(const Fields& fields) {
    ParabolaDrawing parabola(fields);
    if (parabola.read()) {
        parabola.readRoots();
        if (parabola.frame()) {
            parabola.draw();
            parabola.annotateVertex();
            parabola.annotateRoots();
            parabola.annotateEquation();
            parabola.describe();
        }
    }
    return std::move(parabola.figure);
}

}  // namespace figure
