// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <string>
#include <vector>

#include "core/figures/figure.h"

// A figure laid out on a page of a given size, in device units (y grows
// downwards): the few primitives that every output can draw as they are.
// The widget and the SVG writer both draw a scene, so they cannot disagree.
namespace figure {

struct Stroke {
    std::vector<Point> points;
    Role role = Role::Shape;
    bool dashed = false;
    bool closed = false;
    std::vector<Point> source;  // the same points in the problem's units, for a curve that was sampled
};

struct Fill {
    std::vector<Point> polygon;
    Role role = Role::Dimension;
};

struct Dot {
    Point centre;
    double radius = 0;
    Role role = Role::Result;
};

enum class Anchor { Start, Middle, End };

// at is the start, middle or end of the text's baseline.
struct Text {
    Point at;
    std::string text;
    Anchor anchor = Anchor::Start;
    Role role = Role::Shape;
};

struct Scene {
    double width = 0;
    double height = 0;
    double fontSize = 0;  // pixels
    std::vector<Stroke> strokes;
    std::vector<Fill> fills;
    std::vector<Dot> dots;
    std::vector<Text> texts;
};

// Lays the figure out on a width x height page with labels of fontSize
// pixels. A figure that cannot be drawn gives its refusal as text alone.
Scene layOut(const Figure& figure, double width, double height, double fontSize);

}  // namespace figure
