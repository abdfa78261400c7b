// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/commands/command_table.h"
#include "core/figures/scene.h"
#include "core/figures/svg_writer.h"
#include "core/solvers/bend.h"
#include "core/solvers/geo.h"
#include "core/solvers/pythegor.h"
#include "core/solvers/quad.h"
#include "core/solvers/uncert.h"
#include "support/fake_host.h"
#include "support/xml_check.h"

namespace {

struct Typed {
    int id;
    const char* text;
};

// A solver opened on texts, one button pressed, and its picture.
struct PictureCase {
    const char* name;
    ToolFactory factory;
    const DialogTemplate* dialogTemplate;
    std::vector<Typed> typed;
    int press;
    const char* expected;  // the description, or the one line that says what cannot be drawn
    bool drawable;
};

// The row of the tool built from the template.
const ToolCommand& commandOf(const DialogTemplate& dialogTemplate) {
    for (const ToolCommand& command : toolCommands()) {
        if (command.dialogTemplate == &dialogTemplate) {
            return command;
        }
    }
    throw std::logic_error("no tool has this template");
}

figure::Figure pictureOf(const PictureCase& c, ToolSession& session) {
    for (const Typed& typed : c.typed) {
        session.type(typed.id, typed.text);
    }
    session.click(c.press);
    std::optional<figure::Figure> made = commandOf(*c.dialogTemplate).picture(session.host);
    EXPECT_TRUE(made.has_value());
    return made.value_or(figure::Figure{});
}

// Every stroke and dot of the scene inside its page: nothing out of scale, nothing lost at infinity.
void expectOnPage(const figure::Scene& scene) {
    const auto check = [&](figure::Point p) {
        EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
        EXPECT_GE(p.x, -0.5);
        EXPECT_LE(p.x, scene.width + 0.5);
        EXPECT_GE(p.y, -0.5);
        EXPECT_LE(p.y, scene.height + 0.5);
    };
    for (const figure::Stroke& stroke : scene.strokes) {
        for (const figure::Point& p : stroke.points) {
            check(p);
        }
    }
    for (const figure::Dot& dot : scene.dots) {
        check(dot.centre);
    }
}

class Pictures : public ::testing::TestWithParam<PictureCase> {};

TEST_P(Pictures, SayWhatTheyShow) {
    const PictureCase& c = GetParam();
    ToolSession session(c.factory);
    const figure::Figure picture = pictureOf(c, session);
    EXPECT_EQ(c.drawable, picture.drawable());
    EXPECT_EQ(c.expected, picture.description);
    EXPECT_EQ(c.dialogTemplate->caption, picture.title);
    const figure::Scene scene = figure::layOut(picture, 640, 480, 13);
    expectOnPage(scene);
    if (!c.drawable) {
        EXPECT_TRUE(scene.strokes.empty());
        EXPECT_FALSE(scene.texts.empty());
    }
}

using enum Quad::Control;
const auto kQuad = &Quad::kTemplate;
const auto kGeo = &Geo::kTemplate;
const auto kPythegor = &Pythegor::kTemplate;
const auto kUncert = &Uncert::kTemplate;
const auto kBend = &Bend::kTemplate;

INSTANTIATE_TEST_SUITE_P(
    Solvers, Pictures,
    ::testing::Values(
        PictureCase{"TwoXValues",
                    makeTool<Quad>,
                    kQuad,
                    {{kA, "1"}, {kB, "-3"}, {kC, "2"}},
                    kFindRoots,
                    "Parabola opening upward; x-values 2 and 1; vertex at 1.5, -0.25",
                    true},
        PictureCase{"OneXValue",
                    makeTool<Quad>,
                    kQuad,
                    {{kA, "1"}, {kB, "2"}, {kC, "1"}},
                    kFindRoots,
                    "Parabola opening upward; one x-value, -1; vertex at -1, 0",
                    true},
        PictureCase{"NoRealXValue",
                    makeTool<Quad>,
                    kQuad,
                    {{kA, "1"}, {kB, "0"}, {kC, "1"}},
                    kFindRoots,
                    "Parabola opening upward; no real x-value; vertex at 0, 1",
                    true},
        PictureCase{"OpeningDownward",
                    makeTool<Quad>,
                    kQuad,
                    {{kA, "-1"}, {kB, "0"}, {kC, "4"}},
                    kFindRoots,
                    "Parabola opening downward; x-values -2 and 2; vertex at 0, 4",
                    true},
        PictureCase{"StaleXValuesLeftOut",
                    makeTool<Quad>,
                    kQuad,
                    {{kA, "1"}, {kB, "0"}, {kC, "-4"}, {kRoot1, "7"}, {kRoot2, "-2"}},
                    Quad::kA,
                    "Parabola opening upward; one x-value, -2; vertex at 0, -4",
                    true},
        PictureCase{"XValuesNotYetFound",
                    makeTool<Quad>,
                    kQuad,
                    {{kA, "1"}, {kB, "-3"}, {kC, "2"}},
                    Quad::kA,
                    "Parabola opening upward; x-values not yet found; vertex at 1.5, -0.25",
                    true},
        PictureCase{"NotQuadratic",
                    makeTool<Quad>,
                    kQuad,
                    {{kA, "0"}, {kB, "2"}, {kC, "4"}},
                    kFindRoots,
                    "Coefficient a is 0: the equation is not quadratic, so there is no parabola to draw.",
                    false},
        PictureCase{"InfiniteCoefficient",
                    makeTool<Quad>,
                    kQuad,
                    {{kA, "1.#INF"}},
                    Quad::kA,
                    "Coefficient a is 1.#INF, an infinite value: it cannot be drawn.",
                    false},
        PictureCase{"IndefiniteCoefficient",
                    makeTool<Quad>,
                    kQuad,
                    {{kA, "1"}, {kB, "-1.#IND"}},
                    Quad::kA,
                    "Coefficient b is -1.#IND, not a number: there is nothing to draw.",
                    false},
        PictureCase{"HugeCoefficient",
                    makeTool<Quad>,
                    kQuad,
                    {{kA, "1e300"}, {kB, "1"}},
                    kFindRoots,
                    "Coefficient a is 1e+300: too large to draw to scale.",
                    false},
        PictureCase{"VertexFarAway",
                    makeTool<Quad>,
                    kQuad,
                    {{kA, "1e-300"}, {kB, "1"}},
                    kFindRoots,
                    "The parabola's numbers are too large to draw to scale.",
                    false},
        PictureCase{"TextCoefficient",
                    makeTool<Quad>,
                    kQuad,
                    {{kA, "<a&b>"}},
                    Quad::kA,
                    "Coefficient a is \u201C<a&b>\u201D, not a number: there is nothing to draw.",
                    false},
        PictureCase{"Line",
                    makeTool<Geo>,
                    kGeo,
                    {{Geo::kX1, "1"}, {Geo::kY1, "2"}, {Geo::kX2, "3"}, {Geo::kY2, "6"}},
                    Geo::kCalculate,
                    "Line through (1, 2) and (3, 6); slope 2; y-intercept 0; distance 4.47213595499958; "
                    "midpoint 2, 4",
                    true},
        PictureCase{"VerticalLine",
                    makeTool<Geo>,
                    kGeo,
                    {{Geo::kX1, "2"}, {Geo::kY1, "5"}, {Geo::kX2, "2"}, {Geo::kY2, "9"}},
                    Geo::kCalculate,
                    "Vertical line through (2, 5) and (2, 9); slope undefined; distance 4; midpoint 2, 7",
                    true},
        PictureCase{"LineFarFromOrigin",
                    makeTool<Geo>,
                    kGeo,
                    {{Geo::kX1, "1000"}, {Geo::kY1, "1000"}, {Geo::kX2, "1001"}, {Geo::kY2, "1003"}},
                    Geo::kCalculate,
                    "Line through (1000, 1000) and (1001, 1003); slope 3; y-intercept -2000; "
                    "distance 3.16227766016838; midpoint 1000.5, 1001.5",
                    true},
        PictureCase{"SamePoint",
                    makeTool<Geo>,
                    kGeo,
                    {},
                    Geo::kCalculate,
                    "Both points are (0, 0): a line needs two different points.",
                    false},
        PictureCase{
            "PointsTooClose",
            makeTool<Geo>,
            kGeo,
            {{Geo::kX1, "1e11"}, {Geo::kY1, "0"}, {Geo::kX2, "100000000000.001"}, {Geo::kY2, "0"}},
            Geo::kCalculate,
            "The two points are too close together, for their distance from the origin, to draw apart.",
            false},
        PictureCase{"Triangle",
                    makeTool<Pythegor>,
                    kPythegor,
                    {{Pythegor::kSide1, "3"}, {Pythegor::kSide2, "4"}},
                    Pythegor::kFindHypotenuse,
                    "Right triangle; sides 3 and 4; hypotenuse 5; right angle between the sides",
                    true},
        PictureCase{"HypotenuseTooShort",
                    makeTool<Pythegor>,
                    kPythegor,
                    {{Pythegor::kSide1, "5"}, {Pythegor::kHypotenuse, "3"}},
                    Pythegor::kFindSide,
                    "Side 2 is -1.#IND, not a number: there is nothing to draw.",
                    false},
        PictureCase{"NegativeSide",
                    makeTool<Pythegor>,
                    kPythegor,
                    {{Pythegor::kSide1, "-3"}, {Pythegor::kSide2, "4"}},
                    Pythegor::kFindHypotenuse,
                    "Side 1 is -3: a right triangle needs both sides greater than 0.",
                    false},
        PictureCase{
            "Bend",
            makeTool<Bend>,
            kBend,
            {{Bend::kRadius, "2"}, {Bend::kThickness, "3"}, {Bend::kAngle, "90"}},
            Bend::kCalculate,
            "Sheet of thickness 3 bent 90 degrees around an inside radius of 2; neutral axis radius 3; "
            "bend allowance 4.7124 along the neutral axis",
            true},
        PictureCase{"SharpBend",
                    makeTool<Bend>,
                    kBend,
                    {{Bend::kRadius, "0"}, {Bend::kThickness, "1"}, {Bend::kAngle, "270"}},
                    Bend::kCalculate,
                    "Sheet of thickness 1 bent 270 degrees around an inside radius of 0; neutral axis radius "
                    "0.333333333333333; bend allowance 1.5708 along the neutral axis",
                    true},
        PictureCase{"BendAsOpened",
                    makeTool<Bend>,
                    kBend,
                    {},
                    Bend::kCalculate,
                    "Material thickness T is 0: a sheet needs a thickness greater than 0.",
                    false},
        PictureCase{"FullTurn",
                    makeTool<Bend>,
                    kBend,
                    {{Bend::kRadius, "1"}, {Bend::kThickness, "1"}, {Bend::kAngle, "360"}},
                    Bend::kCalculate,
                    "Angle of the bend A is 360: a bend of a full turn or more runs into itself.",
                    false},
        PictureCase{
            "Intervals",
            makeTool<Uncert>,
            kUncert,
            {{Uncert::kValue1, "200"},
             {Uncert::kPercent1, "50"},
             {Uncert::kValue2, "40"},
             {Uncert::kAbsUncertainty2, "2"}},
            Uncert::kCalcAbsUncertainty,
            "Number line; first value 200 \u00B1 50 %, from 100 to 300; second value 40 \u00B1 2, from "
            "38 to 42",
            true},
        PictureCase{"OneRowInfinite",
                    makeTool<Uncert>,
                    kUncert,
                    {{Uncert::kValue1, "1.#INF"}, {Uncert::kValue2, "-3"}, {Uncert::kAbsUncertainty2, "0.5"}},
                    Uncert::kValue1,
                    "Number line; second value -3 \u00B1 0.5, from -3.5 to -2.5",
                    true},
        PictureCase{"NoRowDrawable",
                    makeTool<Uncert>,
                    kUncert,
                    {{Uncert::kValue1, "-1.#IND"}, {Uncert::kValue2, "1e999"}},
                    Uncert::kValue1,
                    "First value is -1.#IND, not a number: there is nothing to draw.",
                    false}),
    [](const auto& info) { return std::string(info.param.name); });

// The odd numbers a field can hold, in every field of every solver that
// draws, after every one of its buttons: always a picture on the page or a
// line of text, never a value out of scale.
TEST(Pictures, OddNumbersStayOnThePage) {
    const char* const kOdd[] = {"0",       "-0",    "-1",     "1e-300",   "1e300",
                                "1e12",    "-1e12", "1.#INF", "-1.#INF",  "-1.#IND",
                                "1.#QNAN", "abc",   "",       "4.9e-324", "1e15"};
    int pictures = 0;
    for (const ToolCommand& command : toolCommands()) {
        if (!command.draws()) {
            continue;
        }
        ++pictures;
        for (const ControlTemplate& field : command.dialogTemplate->controls) {
            if (field.kind != ControlKind::Edit || field.id == kNoId) {
                continue;
            }
            for (const ControlTemplate& button : command.dialogTemplate->controls) {
                if (button.kind != ControlKind::PushButton) {
                    continue;
                }
                for (const char* odd : kOdd) {
                    SCOPED_TRACE(std::string(command.className) + " " + field.name + "=" + odd + " " +
                                 button.caption);
                    ToolSession session(command.create);
                    for (const ControlTemplate& other : command.dialogTemplate->controls) {
                        if (other.kind == ControlKind::Edit && other.id != Pythegor::kMessage) {
                            session.type(other.id, "2");
                        }
                    }
                    session.type(field.id, odd);
                    session.click(button.id);
                    const std::optional<figure::Figure> picture = command.picture(session.host);
                    ASSERT_TRUE(picture.has_value());
                    EXPECT_FALSE(picture->description.empty());
                    const figure::Scene scene = figure::layOut(*picture, 400, 300, 13);
                    expectOnPage(scene);
                    EXPECT_FALSE(scene.strokes.empty() && scene.texts.empty());
                }
            }
        }
    }
    EXPECT_EQ(5, pictures);
}

std::unique_ptr<xml_check::Element> parsedSvg(const figure::Figure& picture) {
    const std::string svg = figure::toSvg(picture);
    xml_check::Reader reader(svg);
    std::unique_ptr<xml_check::Element> root = reader.parse();
    EXPECT_NE(nullptr, root) << reader.error() << "\n" << svg;
    return root;
}

std::vector<std::string> textsOf(const xml_check::Element& root) {
    std::vector<const xml_check::Element*> found;
    root.collect("text", found);
    std::vector<std::string> texts;
    for (const xml_check::Element* text : found) {
        texts.push_back(text->text);
    }
    return texts;
}

bool contains(const std::vector<std::string>& texts, const std::string& wanted) {
    return std::find(texts.begin(), texts.end(), wanted) != texts.end();
}

TEST(PictureSvg, ParabolaPointsLieOnTheCurveAndLabelsNameTheFields) {
    ToolSession quad(makeTool<Quad>);
    quad.type(kA, "0.5");
    quad.type(kB, "-3");
    quad.type(kC, "2");
    quad.click(kFindRoots);
    const figure::Figure picture = *commandOf(Quad::kTemplate).picture(quad.host);
    const auto root = parsedSvg(picture);
    ASSERT_NE(nullptr, root);
    EXPECT_EQ("svg", root->name);
    const std::vector<std::string> texts = textsOf(*root);
    EXPECT_TRUE(contains(texts, "x = " + quad.field(kRoot1)));
    EXPECT_TRUE(contains(texts, "x = " + quad.field(kRoot2)));
    std::vector<const xml_check::Element*> desc;
    root->collect("desc", desc);
    ASSERT_EQ(1u, desc.size());
    EXPECT_EQ(picture.description, desc.front()->text);

    std::vector<const xml_check::Element*> lines;
    root->collect("polyline", lines);
    const xml_check::Element* curve = nullptr;
    for (const xml_check::Element* line : lines) {
        if (line->attributes.count("data-points") != 0) {
            curve = line;
        }
    }
    ASSERT_NE(nullptr, curve);
    std::istringstream source(curve->attributes.at("data-points"));
    std::istringstream drawn(curve->attributes.at("points"));
    std::vector<std::pair<double, double>> sourcePoints;
    std::vector<std::pair<double, double>> drawnPoints;
    double x = 0;
    double y = 0;
    char comma = 0;
    while (source >> x >> comma >> y) {
        EXPECT_NEAR(0.5 * x * x - 3 * x + 2, y, 1e-9 * (1 + std::abs(y)));
        sourcePoints.emplace_back(x, y);
    }
    while (drawn >> x >> comma >> y) {
        drawnPoints.emplace_back(x, y);
    }
    ASSERT_GT(sourcePoints.size(), 100u);
    ASSERT_EQ(sourcePoints.size(), drawnPoints.size());
    // The drawing is the same curve: one linear map per axis from the problem's units to the page.
    const auto& [x0, y0] = sourcePoints.front();
    const auto& [u0, v0] = drawnPoints.front();
    const std::size_t middle = sourcePoints.size() / 2;  // near the vertex, the lowest point
    const auto& [x1, y1] = sourcePoints[middle];
    const auto& [u1, v1] = drawnPoints[middle];
    const double scaleX = (u1 - u0) / (x1 - x0);
    const double scaleY = (v1 - v0) / (y1 - y0);
    EXPECT_GT(scaleX, 0);
    EXPECT_LT(scaleY, 0);  // up in the problem is up on the page
    // Written to a thousandth of a pixel.
    for (std::size_t i = 0; i < sourcePoints.size(); ++i) {
        EXPECT_NEAR(u0 + (sourcePoints[i].first - x0) * scaleX, drawnPoints[i].first, 2e-3);
        EXPECT_NEAR(v0 + (sourcePoints[i].second - y0) * scaleY, drawnPoints[i].second, 2e-3);
    }
}

TEST(Pictures, LongRefusalsWrapWhateverTheirBytes) {
    figure::Figure refused;
    refused.refusal = "Coefficient a is \xE2" + std::string(60, '\x80') + " not a number";
    const figure::Scene scene = figure::layOut(refused, 100, 300, 13);
    ASSERT_GT(scene.texts.size(), 2u);
    // Nothing lost but the blanks where the lines break.
    std::string joined;
    for (const figure::Text& line : scene.texts) {
        EXPECT_FALSE(line.text.empty());
        joined += line.text;
    }
    std::string whole = refused.refusal;
    std::erase(whole, ' ');
    std::erase(joined, ' ');
    EXPECT_EQ(whole, joined);
}

TEST(PictureSvg, EscapesWhatTheUserTyped) {
    ToolSession pythegor(makeTool<Pythegor>);
    pythegor.type(Pythegor::kSide1, "3");
    pythegor.type(Pythegor::kSide2, "4");
    pythegor.click(Pythegor::kFindHypotenuse);
    // Controls and the noncharacters U+FFFE and U+FFFF have no place in XML.
    pythegor.type(Pythegor::kMessage, "a<b & \"c\" 'd'\x01\uFFFE\uFFFF>");
    const figure::Figure picture = *commandOf(Pythegor::kTemplate).picture(pythegor.host);
    const auto root = parsedSvg(picture);
    ASSERT_NE(nullptr, root);
    const std::vector<std::string> texts = textsOf(*root);
    EXPECT_TRUE(contains(texts, "a<b & \"c\" 'd'>"));
    EXPECT_TRUE(contains(texts, "Side 1: 3"));
    EXPECT_TRUE(contains(texts, "Hypothenuse: 5"));
}

TEST(PictureSvg, RefusalIsTheOnlyText) {
    ToolSession bend(makeTool<Bend>);
    const figure::Figure picture = *commandOf(Bend::kTemplate).picture(bend.host);
    const auto root = parsedSvg(picture);
    ASSERT_NE(nullptr, root);
    EXPECT_EQ(std::vector<std::string>{picture.refusal}, textsOf(*root));
}

TEST(Pictures, OnlyTheFiveSolversDraw) {
    std::vector<std::string> drawing;
    for (const ToolCommand& command : toolCommands()) {
        FakeHost host;
        if (command.picture(host).has_value()) {
            drawing.emplace_back(command.className);
        }
    }
    EXPECT_EQ((std::vector<std::string>{"Geo", "Pythegor", "Quad", "Uncert", "Bend"}), drawing);
}

}  // namespace
