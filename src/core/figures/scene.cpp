// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/figures/scene.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

#include "core/text/utf8.h"

namespace figure {

namespace {

// An average glyph of a sans-serif font is a little over half its size wide:
// enough to break a long line before it runs off the page.
constexpr double kGlyphWidth = 0.55;
constexpr double kLineHeight = 1.3;

bool finite(Point p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// Lines of at most maxChars characters, broken at blanks where there is one.
std::vector<std::string> wrapped(std::string_view text, std::size_t maxChars) {
    std::vector<std::string> lines;
    maxChars = std::max<std::size_t>(maxChars, 8);
    while (text.size() > maxChars) {
        std::size_t cut = text.rfind(' ', maxChars);
        if (cut == std::string_view::npos || cut == 0) {
            cut = utf8::wholeCut(text, maxChars);
            if (cut == 0) {
                cut = maxChars;  // no character starts here at all: cut the bytes anyway
            }
        }
        lines.emplace_back(text.substr(0, cut));
        text.remove_prefix(cut);
        while (!text.empty() && text.front() == ' ') {
            text.remove_prefix(1);
        }
    }
    lines.emplace_back(text);
    return lines;
}

class Layout {
public:
    Layout(const Figure& figure, double width, double height, double fontSize)
        : figure_(figure), font_(fontSize) {
        scene_.width = width;
        scene_.height = height;
        scene_.fontSize = fontSize;
    }

    Scene run() {
        const View& v = figure_.view;
        const bool framed = std::isfinite(v.left) && std::isfinite(v.right) && std::isfinite(v.bottom) &&
                            std::isfinite(v.top) && v.right > v.left && v.top > v.bottom;
        if (!figure_.drawable() || !framed) {
            refuse(figure_.drawable() ? figure_.nothing : figure_.refusal);
            return std::move(scene_);
        }
        double top = font_ * 0.5;
        for (const std::string& note : figure_.notes) {
            for (std::string& line : wrapped(note, maxChars())) {
                top += font_ * kLineHeight;
                scene_.texts.push_back({{font_ * 0.5, top}, std::move(line), Anchor::Start, Role::Shape});
            }
        }
        // Labels stand beside the outermost points: leave them room.
        const double margin = font_ * 3;
        const double plotLeft = margin;
        const double plotTop = top + margin;
        const double plotWidth = std::max(scene_.width - 2 * margin, 1.0);
        const double plotHeight = std::max(scene_.height - plotTop - margin, 1.0);
        scaleX_ = plotWidth / (v.right - v.left);
        scaleY_ = plotHeight / (v.top - v.bottom);
        originX_ = plotLeft;
        originY_ = plotTop;
        if (figure_.equalScale) {
            const double scale = std::min(scaleX_, scaleY_);
            originX_ += (plotWidth - scale * (v.right - v.left)) / 2;
            originY_ += (plotHeight - scale * (v.top - v.bottom)) / 2;
            scaleX_ = scaleY_ = scale;
        }
        if (!std::isfinite(scaleX_) || !std::isfinite(scaleY_) || scaleX_ <= 0 || scaleY_ <= 0) {
            scene_.texts.clear();
            refuse(figure_.tooFarApart);
            return std::move(scene_);
        }
        for (const Polyline& line : figure_.polylines) {
            addStroke(line.points, line.role, line.closed, line.curve);
        }
        for (const Arc& arc : figure_.arcs) {
            addArc(arc);
        }
        for (const Dimension& dimension : figure_.dimensions) {
            addDimension(dimension);
        }
        for (const Marker& marker : figure_.markers) {
            const Point at = map(marker.at);
            if (finite(at)) {
                scene_.dots.push_back({at, font_ * 0.3, marker.role});
            }
        }
        for (const Label& label : figure_.labels) {
            addLabel(label);
        }
        return std::move(scene_);
    }

private:
    std::size_t maxChars() const {
        return static_cast<std::size_t>(std::max(scene_.width - font_, 0.0) / (font_ * kGlyphWidth));
    }

    void refuse(const std::string& why) {
        const std::vector<std::string> lines = wrapped(why, maxChars());
        double y = scene_.height / 2 - (static_cast<double>(lines.size()) - 1) * font_ * kLineHeight / 2;
        for (const std::string& line : lines) {
            scene_.texts.push_back({{scene_.width / 2, y}, line, Anchor::Middle, Role::Shape});
            y += font_ * kLineHeight;
        }
    }

    Point map(Point p) const {
        return {originX_ + (p.x - figure_.view.left) * scaleX_,
                originY_ + (figure_.view.top - p.y) * scaleY_};
    }

    void addStroke(const std::vector<Point>& points, Role role, bool closed, bool sampled = false) {
        Stroke stroke{{}, role, role == Role::Guide, closed, {}};
        for (const Point& p : points) {
            const Point at = map(p);
            if (!finite(at)) {
                return;
            }
            stroke.points.push_back(at);
        }
        // A curve of many points keeps them in the problem's units too, so a
        // reader of the drawing can check them against the equation.
        if (sampled) {
            stroke.source = points;
        }
        if (stroke.points.size() >= 2) {
            scene_.strokes.push_back(std::move(stroke));
        }
    }

    void addArc(const Arc& arc) {
        // Segments of about two pixels look round at any size.
        const double pixels =
            std::abs(arc.sweepDegrees) * std::numbers::pi / 180 * arc.radius * std::max(scaleX_, scaleY_);
        const int segments =
            static_cast<int>(std::clamp(std::isfinite(pixels) ? pixels / 2 : 0.0, 4.0, 720.0));
        std::vector<Point> points;
        points.reserve(static_cast<std::size_t>(segments) + 1);
        for (int i = 0; i <= segments; ++i) {
            const double degrees = arc.startDegrees + arc.sweepDegrees * i / segments;
            const double radians = degrees * std::numbers::pi / 180;
            points.push_back({arc.centre.x + arc.radius * std::cos(radians),
                              arc.centre.y + arc.radius * std::sin(radians)});
        }
        addStroke(points, arc.role, false);
    }

    void addDimension(const Dimension& dimension) {
        const double dx = dimension.to.x - dimension.from.x;
        const double dy = dimension.to.y - dimension.from.y;
        const double length = std::hypot(dx, dy);
        if (!(length > 0)) {
            return;
        }
        // To the left of the direction from-to.
        const Point shift{-dy / length * dimension.offset, dx / length * dimension.offset};
        const Point from{dimension.from.x + shift.x, dimension.from.y + shift.y};
        const Point to{dimension.to.x + shift.x, dimension.to.y + shift.y};
        if (dimension.offset != 0) {
            addStroke({dimension.from, from}, Role::Guide, false);
            addStroke({dimension.to, to}, Role::Guide, false);
        }
        addStroke({from, to}, Role::Dimension, false);
        const Point a = map(from);
        const Point b = map(to);
        const double pixels = std::hypot(b.x - a.x, b.y - a.y);
        if (!finite(a) || !finite(b) || !(pixels > 0)) {
            return;
        }
        const Point unit{(b.x - a.x) / pixels, (b.y - a.y) / pixels};
        const double size = std::min(font_ * 0.7, pixels / 3);
        addArrow(a, unit, size);
        addArrow(b, {-unit.x, -unit.y}, size);
        // The text stands beside the line's middle, on the side it was moved to.
        const Point middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
        Point side{unit.y, -unit.x};
        if (dimension.offset < 0) {
            side = {-side.x, -side.y};
        }
        const Point at{middle.x + side.x * font_ * 0.9, middle.y + side.y * font_ * 0.9 + font_ * 0.35};
        const Anchor anchor = std::abs(side.x) < 0.3 ? Anchor::Middle
                              : side.x > 0           ? Anchor::Start
                                                     : Anchor::End;
        scene_.texts.push_back({at, dimension.text, anchor, Role::Dimension});
    }

    // An arrowhead whose tip is at tip, pointing against direction.
    void addArrow(Point tip, Point direction, double size) {
        const Point back{tip.x + direction.x * size, tip.y + direction.y * size};
        const Point across{-direction.y * size * 0.35, direction.x * size * 0.35};
        scene_.fills.push_back(
            {{tip, {back.x + across.x, back.y + across.y}, {back.x - across.x, back.y - across.y}},
             Role::Dimension});
    }

    void addLabel(const Label& label) {
        const Point at = map(label.at);
        if (!finite(at)) {
            return;
        }
        const double gap = font_ * 0.5;
        const double above = at.y - gap;
        const double below = at.y + gap + font_ * 0.75;
        const double middle = at.y + font_ * 0.35;
        Text text{at, label.text, Anchor::Start, label.role};
        switch (label.place) {
            case Place::Above:
                text.at = {at.x, above};
                text.anchor = Anchor::Middle;
                break;
            case Place::Below:
                text.at = {at.x, below};
                text.anchor = Anchor::Middle;
                break;
            case Place::Left:
                text.at = {at.x - gap, middle};
                text.anchor = Anchor::End;
                break;
            case Place::Right:
                text.at = {at.x + gap, middle};
                break;
            case Place::AboveRight:
                text.at = {at.x + gap, above};
                break;
            case Place::BelowRight:
                text.at = {at.x + gap, below};
                break;
            case Place::AboveLeft:
                text.at = {at.x - gap, above};
                text.anchor = Anchor::End;
                break;
            case Place::BelowLeft:
                text.at = {at.x - gap, below};
                text.anchor = Anchor::End;
                break;
            case Place::Centre:
                text.at = {at.x, middle};
                text.anchor = Anchor::Middle;
                break;
        }
        scene_.texts.push_back(std::move(text));
    }

    const Figure& figure_;
    const double font_;
    Scene scene_;
    double scaleX_ = 1;
    double scaleY_ = 1;
    double originX_ = 0;
    double originY_ = 0;
};

}  // namespace

Scene layOut(const Figure& figure, double width, double height, double fontSize) {
    return Layout(figure, width, height, fontSize).run();
}

}  // namespace figure
