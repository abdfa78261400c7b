// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/figures/figure.h"
#include "core/steps/wording.h"

class FieldHost;
struct DialogTemplate;

// What the five figures share: the fields read as numbers the way a picture
// needs them, and the checks that keep a picture to scale.
namespace figure {

// The largest magnitude drawn: beyond it the differences that make a
// picture are lost in the rounding of the coordinates.
inline constexpr double kLargest = 1e12;

// A field as the picture sees it: its text as shown, and the number it
// stands for. The field-exchange read takes "1.#INF" as 1; a picture must
// not, so the program's texts for infinity and not-a-number are what they mean.
struct FieldNumber {
    std::string name;  // the field's accessible name
    std::string text;  // trimmed
    double value = 0;
    bool number = false;               // false: no digit to read
    const Wording* wording = nullptr;  // the words' language

    // Empty when the number can be drawn; otherwise the line that says why not.
    std::string whyNot() const;
};

class Fields {
public:
    Fields(const DialogTemplate& dialogTemplate, const FieldHost& host, const Wording* wording = nullptr)
        : template_(dialogTemplate), host_(host), wording_(wording) {}

    FieldNumber number(int controlId) const;
    std::string text(int controlId) const;
    // The window's caption, in the user's language.
    std::string caption() const;
    // A marked pattern in the user's language, its "%1", "%2", ... filled with args.
    std::string say(const char* pattern, std::initializer_list<std::string_view> args = {}) const {
        return wording::fill(wording_, pattern, args);
    }

private:
    const DialogTemplate& template_;
    const FieldHost& host_;
    const Wording* wording_;
};

// True when every one of the fields can be drawn; otherwise the first that
// cannot becomes the figure's refusal.
bool allDrawable(Figure& figure, std::initializer_list<const FieldNumber*> fields);

// The bounds of some points, and the view that frames them with room around.
struct Bounds {
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
    bool empty = true;

    void add(Point p);
    double width() const { return right - left; }
    double height() const { return bottom <= top ? top - bottom : 0; }
    // Each side moved out by fraction of the larger extent, and never less than
    // minimum, so that a flat set still gets a view.
    View padded(double fraction, double minimum) const;
};

// The number as the program writes it, without a negative zero.
std::string numberText(double value);

// Lines of the axes where the view crosses them, with their names at the ends.
void addAxes(Figure& figure);

// One figure per solver, from its fields as they stand.
Figure lineFigure(const Fields& fields);
Figure triangleFigure(const Fields& fields);
Figure parabolaFigure(const Fields& fields);
Figure uncertaintyFigure(const Fields& fields);
Figure bendFigure(const Fields& fields);

}  // namespace figure
