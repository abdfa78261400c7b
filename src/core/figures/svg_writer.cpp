// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/figures/svg_writer.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "core/figures/scene.h"
#include "core/text/charconv_shim.h"
#include "core/text/utf8.h"

namespace figure {

namespace {

constexpr double kFontSize = 13;

// Text as XML character data or an attribute value. What XML 1.0 has no
// place for is left out: control characters but tab and line feed, and the
// noncharacters U+FFFE and U+FFFF; bytes that are no UTF-8 become U+FFFD.
// (Surrogates and code points beyond U+10FFFF are no UTF-8 either.)
void appendEscaped(std::string& out, std::string_view text) {
    const std::string whole = utf8::replaceInvalid(text);
    for (std::size_t i = 0; i < whole.size(); ++i) {
        const char c = whole[i];
        // U+FFFE and U+FFFF are EF BF BE and EF BF BF.
        if (c == '\xEF' && whole.compare(i + 1, 1, "\xBF") == 0 && i + 2 < whole.size() &&
            (whole[i + 2] == '\xBE' || whole[i + 2] == '\xBF')) {
            i += 2;
            continue;
        }
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n') {
                    out += c;
                }
        }
    }
}

// Shortest round-trip form, so the problem's units lose nothing.
void appendExact(std::string& out, double value) {
    char buffer[32];
    const auto result = charconv::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

// Page coordinates to a thousandth of a pixel: finer than any screen shows.
void appendNumber(std::string& out, double value) {
    appendExact(out, std::round(value * 1000) / 1000 + 0.0);
}

void appendPoints(std::string& out, const std::vector<Point>& points, void (*append)(std::string&, double)) {
    const char* separator = "";
    for (const Point& p : points) {
        out += separator;
        append(out, p.x);
        out += ',';
        append(out, p.y);
        separator = " ";
    }
}

const char* roleName(Role role) {
    switch (role) {
        case Role::Axis:
            return "axis";
        case Role::Guide:
            return "guide";
        case Role::Result:
            return "result";
        case Role::Dimension:
            return "dimension";
        case Role::Shape:
            break;
    }
    return "shape";
}

const char* anchorName(Anchor anchor) {
    switch (anchor) {
        case Anchor::Middle:
            return "middle";
        case Anchor::End:
            return "end";
        case Anchor::Start:
            break;
    }
    return "start";
}

// The light colours are presentation attributes, which every renderer
// draws, also those without CSS (ImageMagick's own fills an unstyled line
// black). The dark ones, where the viewer prefers a dark scheme, come from
// the style sheet, which overrides the attributes where CSS is read.
struct Paint {
    const char* colour;
    const char* width;
    const char* dashes;  // nullptr: solid
};

Paint paintOf(Role role) {
    switch (role) {
        case Role::Axis:
            return {"#8c8c8c", "1", nullptr};
        case Role::Guide:
            return {"#8c8c8c", "1", "5 4"};
        case Role::Result:
            return {"#b3261e", "1.5", nullptr};
        case Role::Dimension:
            return {"#2e7d32", "1", nullptr};
        case Role::Shape:
            break;
    }
    return {"#1c4f9c", "1.5", nullptr};
}

constexpr const char* kTextColour = "#1a1a1a";

// class="role" and the attributes of a line, a filled shape or a text.
enum class Ink { Line, Area, Text };

void appendPaint(std::string& out, Role role, Ink ink) {
    const Paint paint = paintOf(role);
    out += "class=\"";
    out += roleName(role);
    switch (ink) {
        case Ink::Line:
            out += "\" fill=\"none\" stroke=\"";
            out += paint.colour;
            out += "\" stroke-width=\"";
            out += paint.width;
            out += "\" stroke-linejoin=\"round";
            if (paint.dashes != nullptr) {
                out += "\" stroke-dasharray=\"";
                out += paint.dashes;
            }
            break;
        case Ink::Area:
            out += "\" fill=\"";
            out += paint.colour;
            out += "\" stroke=\"none";
            break;
        case Ink::Text:
            out += "\" fill=\"";
            out += role == Role::Result || role == Role::Dimension ? paint.colour : kTextColour;
            out += "\" stroke=\"none";
            break;
    }
    out += '"';
}

constexpr std::string_view kStyle =
    "@media (prefers-color-scheme:dark){.page{fill:#1e1e1e}text{fill:#e6e6e6}.shape{stroke:#8ab4f8}"
    ".result{stroke:#f28b82}circle.result,text.result{fill:#f28b82}"
    ".dimension{stroke:#81c995}polygon.dimension,text.dimension{fill:#81c995}}";

// The document's opening: the page's size, its title and description, the
// dark scheme's style and the page's background.
void appendHead(std::string& out, const Figure& figure, double width, double height) {
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"";
    out += " width=\"";
    appendNumber(out, width);
    out += "\" height=\"";
    appendNumber(out, height);
    out += "\" viewBox=\"0 0 ";
    appendNumber(out, width);
    out += ' ';
    appendNumber(out, height);
    out += "\" font-size=\"";
    appendNumber(out, kFontSize);
    out += "\" font-family=\"Liberation Sans, Arial, sans-serif\">\n<title>";
    appendEscaped(out, figure.title);
    out += "</title>\n<desc>";
    appendEscaped(out, figure.drawable() ? figure.description : figure.refusal);
    out += "</desc>\n<style>";
    out += kStyle;
    out +=
        "</style>\n<rect class=\"page\" fill=\"#ffffff\" stroke=\"none\" width=\"100%\" height=\"100%\"/>\n";
}

void appendStroke(std::string& out, const Stroke& stroke) {
    out += stroke.closed ? "<polygon " : "<polyline ";
    appendPaint(out, stroke.role, Ink::Line);
    out += " points=\"";
    appendPoints(out, stroke.points, appendNumber);
    if (!stroke.source.empty()) {
        out += "\" data-points=\"";
        appendPoints(out, stroke.source, appendExact);
    }
    out += "\"/>\n";
}

void appendFill(std::string& out, const Fill& fill) {
    out += "<polygon ";
    appendPaint(out, fill.role, Ink::Area);
    out += " points=\"";
    appendPoints(out, fill.polygon, appendNumber);
    out += "\"/>\n";
}

void appendDot(std::string& out, const Dot& dot) {
    out += "<circle ";
    appendPaint(out, dot.role, Ink::Area);
    out += " cx=\"";
    appendNumber(out, dot.centre.x);
    out += "\" cy=\"";
    appendNumber(out, dot.centre.y);
    out += "\" r=\"";
    appendNumber(out, dot.radius);
    out += "\"/>\n";
}

void appendText(std::string& out, const Text& text) {
    out += "<text ";
    appendPaint(out, text.role, Ink::Text);
    out += " x=\"";
    appendNumber(out, text.at.x);
    out += "\" y=\"";
    appendNumber(out, text.at.y);
    out += "\" text-anchor=\"";
    out += anchorName(text.anchor);
    out += "\">";
    appendEscaped(out, text.text);
    out += "</text>\n";
}

}  // namespace

std::string toSvg(const Figure& figure, double width, double height) {
    const Scene scene = layOut(figure, width, height, kFontSize);
    std::string out;
    appendHead(out, figure, width, height);
    for (const Stroke& stroke : scene.strokes) {
        appendStroke(out, stroke);
    }
    for (const Fill& fill : scene.fills) {
        appendFill(out, fill);
    }
    for (const Dot& dot : scene.dots) {
        appendDot(out, dot);
    }
    for (const Text& text : scene.texts) {
        appendText(out, text);
    }
    out += "</svg>\n";
    return out;
}

}  // namespace figure
