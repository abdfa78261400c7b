// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <ostream>
#include <regex>
#include <sstream>
#include <string>

#include "core/reference/planets.h"
#include "support/fake_host.h"

namespace {

using enum Planets::Control;

// The ten fields in the order the sheet lists them.
constexpr std::array<int, 10> kFields{
    kMeanDistance, kRevolutionPeriod, kRotationPeriod, kOrbitalSpeed,   kDiameter,
    kMass,         kDensity,          kGravity,        kEscapeVelocity, kMoons};

struct PlanetCase {
    const char* name;
    int id;
    const char* nasa;  // the figures of kFields but the moons, in NASA's units
    int moons;
};

// NASA NSSDCA Planetary Fact Sheet, 2024, and its planets' own sheets, in NASA's units: 10^6 km, d,
// h, km/s, km, 10^24 kg, kg/m^3, m/s^2, km/s. Moons: IAU Minor Planet Center, 11 March 2025.
const std::array<PlanetCase, 9> kPlanets{{
    {"Mercury", kMercury, "57.9 88.0 1407.6 47.4 4879 0.33010 5429 3.70 4.3", 0},
    {"Venus", kVenus, "108.2 224.7 -5832.6 35.0 12,104 4.8673 5243 8.87 10.4", 0},
    {"Earth", kEarth, "149.6 365.2 23.9345 29.8 12,756 5.9722 5514 9.78 11.2", 1},
    {"Mars", kMars, "228.0 687.0 24.6229 24.1 6792 0.64169 3934 3.69 5.0", 2},
    {"Jupiter", kJupiter, "778.5 4331 9.9250 13.1 142,984 1898.13 1326 23.12 59.5", 95},
    {"Saturn", kSaturn, "1432.0 10,747 10.656 9.67 120,536 568.32 687 8.96 35.5", 274},
    {"Uranus", kUranus, "2867.0 30,589 -17.24 6.8 51,118 86.811 1270 8.69 21.3", 28},
    {"Neptune", kNeptune, "4515.0 59,800 16.11 5.4 49,528 102.409 1638 11.00 23.5", 16},
    {"Pluto", kPluto, "5906.4 90,560 -153.2928 4.7 2376 0.01303 1850 0.62 1.21", 5},
}};
// NASA's units to the sheet's: years of 365.25 d, days of 24 h, Earth masses, water densities.
constexpr std::array<double, 9> kToSheet{1, 1 / 365.25, 1 / 24.0, 1, 1, 1 / 5.9722, 1 / 1000.0, 1, 1};

void PrintTo(const PlanetCase& planet, std::ostream* os) {
    *os << planet.name;
}

// The step of a figure's last digit: 0.01 for "5.43", 10 for "4520".
double step(const std::string& figure) {
    const std::size_t dot = figure.find('.');
    return std::pow(10.0, dot == std::string::npos ? double(figure.size() - 1 - figure.find_last_not_of('0'))
                                                   : double(dot + 1) - double(figure.size()));
}

// Each figure is NASA's within the rounding of both, written as the sheet
// writes numbers: a minus sign, thousands commas from five digits on.
void expectPlanet(OpenTool<Planets>& window, const PlanetCase& planet) {
    const std::regex sheetStyle(R"(-?(\d{1,4}|\d{2,3},\d{3})(\.\d+)?)");
    std::istringstream figures(planet.nasa);
    for (std::size_t i = 0; i < kToSheet.size(); ++i) {
        std::string shown = window.field(kFields[i]), nasa;
        figures >> nasa;
        EXPECT_TRUE(std::regex_match(shown, sheetStyle)) << planet.name << " " << shown;
        std::erase(shown, ','), std::erase(nasa, ',');
        EXPECT_NEAR(std::stod(shown), std::stod(nasa) * kToSheet[i],
                    (step(shown) + step(nasa) * kToSheet[i]) / 2 + 1e-9)
            << planet.name << " field " << kFields[i];
    }
    EXPECT_EQ(std::atoi(window.field(kMoons).c_str()), planet.moons) << planet.name;
}

class PlanetButton : public testing::TestWithParam<PlanetCase> {};

TEST_P(PlanetButton, ShowsNasasFiguresInTheSheetsStyle) {
    OpenTool<Planets> window;
    ASSERT_TRUE(window.click(GetParam().id));
    expectPlanet(window, GetParam());
    EXPECT_TRUE(window.host.messages.empty());
}

TEST_P(PlanetButton, ReplacesWhateverTheFieldsHeld) {
    OpenTool<Planets> window;
    ASSERT_TRUE(window.click(GetParam().id == kEarth ? kMars : kEarth));
    for (const int id : kFields) {
        window.type(id, "  typed over  ");
    }
    ASSERT_TRUE(window.click(GetParam().id));
    expectPlanet(window, GetParam());
    EXPECT_TRUE(window.host.messages.empty());
}

TEST_P(PlanetButton, PressedTwiceGivesTheSameTexts) {
    OpenTool<Planets> window;
    ASSERT_TRUE(window.click(GetParam().id));
    ASSERT_TRUE(window.click(GetParam().id));
    expectPlanet(window, GetParam());
}

TEST_P(PlanetButton, TemplateButton) {
    const PlanetCase& planet = GetParam();
    const ControlTemplate* button = control<Planets>(planet.id);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->kind, ControlKind::PushButton);
    EXPECT_STREQ(button->caption, planet.name);
    EXPECT_EQ(button->x, 14 + 36 * (planet.id - kMercury));
    EXPECT_EQ(button->y, 20);
    EXPECT_EQ(button->w, 34);
    EXPECT_EQ(button->h, 14);
    EXPECT_EQ(button->flags, cf::Flat | cf::TabStop);
}

INSTANTIATE_TEST_SUITE_P(Sheet, PlanetButton, testing::ValuesIn(kPlanets),
                         [](const testing::TestParamInfo<PlanetCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(Planets, FreshWindowShowsTenEmptyFields) {
    OpenTool<Planets> window;
    for (const int id : kFields) {
        EXPECT_EQ(window.field(id), "") << id;
    }
}

TEST(Planets, TypedTextStaysUntilTheNextPlanet) {
    OpenTool<Planets> window;
    ASSERT_TRUE(window.click(kVenus));
    window.type(kRotationPeriod, "backwards");
    EXPECT_EQ(window.field(kRotationPeriod), "backwards");
    ASSERT_TRUE(window.click(kEarth));
    expectPlanet(window, kPlanets[2]);
}

TEST(Planets, BindingsInExchangeOrderAreTextFields) {
    Planets tool;
    ASSERT_EQ(tool.bindings().size(), kFields.size());
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        EXPECT_EQ(tool.bindings()[i].controlId, kFields[i]);
        EXPECT_EQ(tool.bindings()[i].kind(), FieldKind::Text);
    }
}

TEST(Planets, OnlyThePlanetButtonsHaveHandlers) {
    Planets tool;
    for (const ControlTemplate& c : Planets::kTemplate.controls) {
        EXPECT_EQ(tool.hasHandler(c.id), c.kind == ControlKind::PushButton) << c.id;
    }
}

TEST(PlanetsTemplate, Window) {
    EXPECT_EQ(Planets::kTemplate.id, 153);
    EXPECT_STREQ(Planets::kTemplate.caption, "Some Planets' Properties");
    EXPECT_EQ(Planets::kTemplate.width, 349);
    EXPECT_EQ(Planets::kTemplate.height, 193);
    EXPECT_EQ(Planets::kTemplate.style, DialogStyle::Tool);
    for (const ControlTemplate& c : Planets::kTemplate.controls) {
        EXPECT_EQ(c.flags & cf::Default, 0u) << c.id;
        EXPECT_LE(c.x + c.w, Planets::kTemplate.width) << c.caption;
        EXPECT_LE(c.y + c.h, Planets::kTemplate.height) << c.caption;
    }
}

TEST(PlanetsTemplate, FieldsAreEditableWithoutTabStopAndLabelled) {
    struct Field {
        int id, x, y;
        const char* label;
    };
    const std::array<Field, 10> fields{{
        {kMeanDistance, 132, 58, "Mean distance from Sun, 10^6 km:"},
        {kRevolutionPeriod, 132, 73, "Period of revolution, years:"},
        {kRotationPeriod, 132, 89, "Period of rotation, days:"},
        {kOrbitalSpeed, 132, 105, "Orbital speed, km/s:"},
        {kDiameter, 132, 122, "Equatorial diameter, km:"},
        {kMass, 294, 58, "Mass (Earth=1):"},
        {kDensity, 294, 73, "Density (Water=1):"},
        {kGravity, 294, 89, "Acceleration (g):"},
        {kEscapeVelocity, 294, 105, "Escape velocity, km/s:"},
        {kMoons, 294, 122, "Known satellites (moons):"},
    }};
    for (const Field& expected : fields) {
        SCOPED_TRACE(expected.id);
        const ControlTemplate* field = control<Planets>(expected.id);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->kind, ControlKind::Edit);
        EXPECT_EQ(field->x, expected.x);
        EXPECT_EQ(field->y, expected.y);
        EXPECT_EQ(field->w, 40);
        EXPECT_EQ(field->h, 12);
        EXPECT_EQ(field->flags, cf::AutoHScroll);
        // The label stands just before its field, left of it on the same line.
        ASSERT_GT(field, Planets::kTemplate.controls.data());
        const ControlTemplate& label = *(field - 1);
        EXPECT_EQ(label.kind, ControlKind::Label);
        EXPECT_STREQ(label.caption, expected.label);
        EXPECT_LE(label.x + label.w, field->x);
        EXPECT_GE(label.y, field->y);
        EXPECT_LE(label.y + label.h, field->y + field->h);
    }
}

TEST(PlanetsTemplate, GroupBoxesHoldTheirControls) {
    struct Box {
        const char* caption;
        int x, y, w, h;
        std::size_t members;  // controls after it in the template that lie inside
    };
    const std::array<Box, 3> boxes{{
        {"Choose a planet...", 7, 7, 335, 35, 9},
        {"Planet's Stats...", 7, 45, 335, 98, 20},
        {"NOTES:", 7, 146, 335, 39, 3},
    }};
    std::size_t index = 0;
    for (const Box& box : boxes) {
        SCOPED_TRACE(box.caption);
        ASSERT_LT(index, Planets::kTemplate.controls.size());
        const ControlTemplate& group = Planets::kTemplate.controls[index];
        EXPECT_EQ(group.kind, ControlKind::GroupBox);
        EXPECT_EQ(group.id, kNoId);
        EXPECT_STREQ(group.caption, box.caption);
        EXPECT_EQ(group.x, box.x);
        EXPECT_EQ(group.y, box.y);
        EXPECT_EQ(group.w, box.w);
        EXPECT_EQ(group.h, box.h);
        for (std::size_t i = 1; i <= box.members; ++i) {
            ASSERT_LT(index + i, Planets::kTemplate.controls.size());
            const ControlTemplate& c = Planets::kTemplate.controls[index + i];
            SCOPED_TRACE(c.caption);
            EXPECT_NE(c.kind, ControlKind::GroupBox);
            EXPECT_GT(c.x, group.x);
            EXPECT_GT(c.y, group.y);
            EXPECT_LT(c.x + c.w, group.x + group.w);
            EXPECT_LT(c.y + c.h, group.y + group.h);
        }
        index += box.members + 1;
    }
    EXPECT_EQ(index, Planets::kTemplate.controls.size());
}

TEST(PlanetsTemplate, NoteLines) {
    const char* const notes[] = {"1.  Venus, Uranus and Pluto rotate opposite their orbital motion.",
                                 "2.  Gravitational acceleration (g) measured at the planet's equator.",
                                 "3.  Moons as counted by the IAU Minor Planet Center, 11 March 2025."};
    const auto controls = Planets::kTemplate.controls.last(3);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        EXPECT_STREQ(controls[i].caption, notes[i]);
        EXPECT_EQ(controls[i].x, 13);
        EXPECT_EQ(controls[i].y, 156 + 9 * int(i));
    }
}

}  // namespace
