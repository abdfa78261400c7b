#include "core/figures/figure_fields.h"

#include <algorithm>
#include <cmath>

#include "core/dialog/dialog_template.h"
#include "core/dialog/field_host.h"
#include "core/dialog/number_text.h"
#include "core/dialog/utf8.h"

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
    const std::string shown = text.empty() ? std::string("empty") : text;
    if (!number) {
        return name + " is " + (text.empty() ? shown : "\u201C" + shown + "\u201D") +
               ", not a number: there is nothing to draw.";
    }
    if (std::isnan(value)) {
        return name + " is " + shown + ", not a number: there is nothing to draw.";
    }
    if (std::isinf(value)) {
        return name + " is " + shown + ", an infinite value: it cannot be drawn.";
    }
    if (std::abs(value) > kLargest) {
        return name + " is " + shown + ": too large to draw to scale.";
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
    for (const ControlTemplate& row : template_.controls) {
        if (row.id == controlId && row.name != nullptr) {
            field.name = row.name;
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

const char* Fields::caption() const {
    return template_.caption;
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
