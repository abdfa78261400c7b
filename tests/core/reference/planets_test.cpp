#include <gtest/gtest.h>

#include <array>
#include <ostream>
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
    std::array<const char*, 10> texts;  // in the order of kFields
};

const std::array<PlanetCase, 9> kPlanets{{
    {"Mercury", kMercury, {"57.9", "0.241", "58.7", "47.9", "4880", "0.0558", "5.60", "3.78", "4.3", "None"}},
    {"Venus", kVenus, {"108", "0.615", "-243", "35.0", "12,100", "0.815", "5.20", "8.60", "10.3", "None"}},
    {"Earth", kEarth, {"150", "1.00", "0.997", "29.8", "12,800", "1.000", "5.52", "9.78", "11.2", "1"}},
    {"Mars", kMars, {"228", "1.88", "1.03", "24.1", "6790", "0.107", "3.95", "3.72", "5.0", "2"}},
    {"Jupiter",
     kJupiter,
     {"778", "11.9", "0.409", "13.1", "143,000", "318", "1.31", "22.9", "59.5", "16 + ring"}},
    {"Saturn",
     kSaturn,
     {"1430", "29.5", "0.426", "9.64", "120,000", "95.1", "0.704", "9.05", "35.6", "18 + rings"}},
    {"Uranus",
     kUranus,
     {"2870", "84.0", "-0.451", "6.81", "51,800", "14.5", "1.21", "7.77", "21.2", "15 + rings"}},
    {"Neptune",
     kNeptune,
     {"4500", "165", "0.658", "5.43", "49,500", "17.2", "1.67", "11.0", "23.6", "8 + rings"}},
    {"Pluto", kPluto, {"5900", "248", "6.39", "4.74", "2300", "0.002", "2.03", "0.5", "1.1", "1"}},
}};

void PrintTo(const PlanetCase& planet, std::ostream* os) {
    *os << planet.name;
}

void expectPlanet(OpenTool<Planets>& window, const PlanetCase& planet) {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        EXPECT_EQ(window.field(kFields[i]), planet.texts[i]) << planet.name << " field " << kFields[i];
    }
}

const ControlTemplate* control(int id) {
    return findControl(Planets::kTemplate, id);
}

class PlanetButton : public testing::TestWithParam<PlanetCase> {};

TEST_P(PlanetButton, ShowsItsRowVerbatim) {
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
    const ControlTemplate* button = control(planet.id);
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
        const ControlTemplate* field = control(expected.id);
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
        {"NOTES:", 7, 146, 335, 39, 2},
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
    const auto controls = Planets::kTemplate.controls;
    ASSERT_GE(controls.size(), 2u);
    const ControlTemplate& first = controls[controls.size() - 2];
    const ControlTemplate& second = controls[controls.size() - 1];
    EXPECT_STREQ(first.caption, "1.  Venus and Uranus rotate opposite their orbital motion.");
    EXPECT_EQ(first.x, 13);
    EXPECT_EQ(first.y, 160);
    EXPECT_STREQ(second.caption, "2.  Gravitational acceleration (g) measured at the planet's equator.");
    EXPECT_EQ(second.x, 13);
    EXPECT_EQ(second.y, 170);
}

}  // namespace
