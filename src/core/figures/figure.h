// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <string>
#include <vector>

#include "core/steps/wording.h"

// A solver's answer as a picture, in the problem's own units: what is drawn,
// labelled with the fields' own texts, and the view that frames it. When the
// numbers cannot be drawn to scale the figure is only a line of text saying why.
namespace figure {

struct Point {
    double x = 0;
    double y = 0;
};

// What a stroke or a label stands for; each output chooses its colours from it.
enum class Role {
    Axis,       // the coordinate axes and the number line
    Shape,      // the object itself: the line, the triangle, the sheet, the parabola
    Guide,      // construction lines, drawn dashed
    Result,     // what the solver found: x-values, midpoint, allowance
    Dimension,  // dimension lines and their texts
};

struct Polyline {
    std::vector<Point> points;
    Role role = Role::Shape;
    bool closed = false;
    bool curve = false;  // points sampled from an equation, rather than corners
};

// Degrees counterclockwise from the positive x axis, as in the problem's plane.
struct Arc {
    Point centre;
    double radius = 0;
    double startDegrees = 0;
    double sweepDegrees = 0;
    Role role = Role::Shape;
};

struct Marker {
    Point at;
    Role role = Role::Result;
};

// Where a label stands beside its anchor.
enum class Place { Above, Below, Left, Right, AboveRight, BelowRight, AboveLeft, BelowLeft, Centre };

struct Label {
    Point at;
    std::string text;
    Place place = Place::AboveRight;
    Role role = Role::Shape;
};

// A measured length: a line parallel to from-to, moved aside by offset (in
// the problem's units, to the left of the direction from-to), with arrows at
// both ends and its text in the middle.
struct Dimension {
    Point from;
    Point to;
    double offset = 0;
    std::string text;
};

struct View {
    double left = 0;
    double bottom = 0;
    double right = 1;
    double top = 1;
};

struct Figure {
    std::string title;               // the tool's window caption
    std::string description;         // the picture in words, for a screen reader and the SVG's <desc>
    std::string refusal;             // when set, nothing but this line is drawn
    std::vector<std::string> notes;  // lines of text shown with the picture
    // Said instead of a picture that cannot be framed, or not scaled to the page.
    std::string nothing = N_("Nothing to draw.");
    std::string tooFarApart = N_("The numbers are too far apart to draw to scale.");
    View view;
    bool equalScale = true;  // false: x and y are scaled apart (a graph, a number line)
    std::vector<Polyline> polylines;
    std::vector<Arc> arcs;
    std::vector<Marker> markers;
    std::vector<Label> labels;
    std::vector<Dimension> dimensions;

    bool drawable() const { return refusal.empty(); }
};

}  // namespace figure
