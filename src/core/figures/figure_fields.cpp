// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/figures/figure_fields.h"

#include <algorithm>
#include <cmath>

#include "core/templates/dialog_template.h"
#include "core/text/number_text.h"
#include "core/text/utf8.h"
#include "core/tool/field_host.h"

namespace figure {

namespace {

std::string trimmed(std::string text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.back())) {
        text.pop_back();
    }
    std::size_t start = 0;
    while (start < text.size() && blank(text[start])) {
        ++start;
    }
    return text.substr(start);
}

// A label stays a label: a pasted page of text is cut short.
std::string shortened(std::string text) {
    constexpr std::size_t kLongest = 40;
    if (text.size() <= kLongest) {
        return text;
    }
    return text.substr(0, utf8::wholeCut(text, kLongest)) + "\u2026";
}

}  // namespace

std::string FieldNumber::whyNot() const {
    const auto say = [this](const char* pattern, std::string_view shown) {
        return wording::fill(wording, pattern, {name, shown});
    };
    if (!number) {
        return text.empty() ? say(N_("%1 is empty, not a number: there is nothing to draw."), {})
                            : say(N_("%1 is \u201C%2\u201D, not a number: there is nothing to draw."), text);
    }
    if (std::isnan(value)) {
        return say(N_("%1 is %2, not a number: there is nothing to draw."), text);
    }
    if (std::isinf(value)) {
        return say(N_("%1 is %2, an infinite value: it cannot be drawn."), text);
    }
    if (std::abs(value) > kLargest) {
        return say(N_("%1 is %2: too large to draw to scale."), text);
    }
    return {};
}

bool allDrawable(Figure& figure, std::initializer_list<const FieldNumber*> fields) {
    for (const FieldNumber* field : fields) {
        if (std::string why = field->whyNot(); !why.empty()) {
            figure.refusal = std::move(why);
            return false;
        }
    }
    return true;
}

FieldNumber Fields::number(int controlId) const {
    FieldNumber field;
    field.wording = wording_;
    for (const ControlTemplate& row : template_.controls) {
        if (row.id == controlId && row.name != nullptr) {
            field.name = wording::of(wording_, row.name);
        }
    }
    const std::string whole = trimmed(host_.text(controlId, std::string::npos));
    field.text = shortened(whole);
    const std::optional<double> value = numtext::scanShown(whole);
    field.number = value.has_value();
    field.value = value.value_or(0);
    return field;
}

std::string Fields::text(int controlId) const {
    return shortened(trimmed(host_.text(controlId, std::string::npos)));
}

std::string Fields::caption() const {
    return wording::of(wording_, template_.caption);
}

void Bounds::add(Point p) {
    if (empty) {
        left = right = p.x;
        bottom = top = p.y;
        empty = false;
        return;
    }
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    bottom = std::min(bottom, p.y);
    top = std::max(top, p.y);
}

View Bounds::padded(double fraction, double minimum) const {
    const double pad = std::max(std::max(width(), height()) * fraction, minimum);
    return {left - pad, bottom - pad, right + pad, top + pad};
}

std::string numberText(double value) {
    return numtext::formatDouble(value == 0 ? 0.0 : value);
}

void addAxes(Figure& figure) {
    const View& v = figure.view;
    if (v.bottom <= 0 && v.top >= 0) {
        figure.polylines.push_back({{{v.left, 0}, {v.right, 0}}, Role::Axis});
        figure.labels.push_back({{v.right, 0}, "x", Place::BelowLeft, Role::Axis});
    }
    if (v.left <= 0 && v.right >= 0) {
        figure.polylines.push_back({{{0, v.bottom}, {0, v.top}}, Role::Axis});
        figure.labels.push_back({{0, v.top}, "y", Place::BelowRight, Role::Axis});
    }
}

}  // namespace figure
