#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "core/reference/periodic.h"
#include "support/fake_host.h"

namespace {

constexpr int kSymbol = 1010;
constexpr int kName = 1052;
constexpr int kWeight = 1122;
constexpr int kNumber = 1123;

struct Shown {
    std::string symbol, name, weight, number;
};

Shown shown(OpenTool<Periodic>& window) {
    return {window.field(kSymbol), window.field(kName), window.field(kWeight), window.field(kNumber)};
}

void expectShown(OpenTool<Periodic>& window, const Shown& expected) {
    const Shown actual = shown(window);
    EXPECT_EQ(actual.symbol, expected.symbol);
    EXPECT_EQ(actual.name, expected.name);
    EXPECT_EQ(actual.weight, expected.weight);
    EXPECT_EQ(actual.number, expected.number);
}

// Elements 1 to 109 by atomic number, with the id of their button.
struct Element {
    const char* symbol;
    int id;
};

constexpr std::array<Element, 109> kElements{{
    {"H", 1000},  {"He", 1087}, {"Li", 1001}, {"Be", 1007}, {"B", 1054},  {"C", 1063},  {"N", 1069},
    {"O", 1075},  {"F", 1081},  {"Ne", 1088}, {"Na", 1002}, {"Mg", 1008}, {"Al", 1055}, {"Si", 1064},
    {"P", 1070},  {"S", 1076},  {"Cl", 1082}, {"Ar", 1089}, {"K", 1003},  {"Ca", 1011}, {"Sc", 1015},
    {"Ti", 1019}, {"V", 1023},  {"Cr", 1027}, {"Mn", 1031}, {"Fe", 1034}, {"Co", 1038}, {"Ni", 1042},
    {"Cu", 1045}, {"Zn", 1049}, {"Ga", 1057}, {"Ge", 1065}, {"As", 1071}, {"Se", 1077}, {"Br", 1083},
    {"Kr", 1090}, {"Rb", 1004}, {"Sr", 1012}, {"Y", 1016},  {"Zr", 1020}, {"Nb", 1024}, {"Mo", 1028},
    {"Tc", 1009}, {"Ru", 1035}, {"Rh", 1039}, {"Pd", 1043}, {"Ag", 1046}, {"Cd", 1050}, {"In", 1058},
    {"Sn", 1066}, {"Sb", 1072}, {"Te", 1078}, {"I", 1084},  {"Xe", 1091}, {"Cs", 1005}, {"Ba", 1013},
    {"La", 1017}, {"Ce", 1094}, {"Pr", 1095}, {"Nd", 1096}, {"Pm", 1097}, {"Sm", 1098}, {"Eu", 1099},
    {"Gd", 1100}, {"Tb", 1101}, {"Dy", 1102}, {"Ho", 1103}, {"Er", 1104}, {"Tm", 1105}, {"Yb", 1106},
    {"Lu", 1107}, {"Hf", 1021}, {"Ta", 1025}, {"W", 1029},  {"Re", 1032}, {"Os", 1036}, {"Ir", 1040},
    {"Pt", 1044}, {"Au", 1047}, {"Hg", 1051}, {"Tl", 1061}, {"Pb", 1067}, {"Bi", 1073}, {"Po", 1079},
    {"At", 1085}, {"Rn", 1092}, {"Fr", 1006}, {"Ra", 1014}, {"Ac", 1018}, {"Th", 1108}, {"Pa", 1109},
    {"U", 1110},  {"Np", 1111}, {"Pu", 1112}, {"Am", 1113}, {"Cm", 1114}, {"Bk", 1115}, {"Cf", 1116},
    {"Es", 1117}, {"Fm", 1118}, {"Md", 1119}, {"No", 1120}, {"Lr", 1121}, {"Rf", 1022}, {"Db", 1026},
    {"Sg", 1030}, {"Bh", 1033}, {"Hs", 1037}, {"Mt", 1041},
}};

constexpr int kLanthanides = 8;
constexpr int kActinides = 9;

struct Place {
    int row, column;
};

// Where the ordinary periodic table puts an element, with cerium to lutetium
// and thorium to lawrencium in two rows below from column 5 on.
Place placeOf(int z) {
    struct Period {
        int first, last, row;
    };
    if (z >= 58 && z <= 71) {
        return {kLanthanides, z - 58 + 5};
    }
    if (z >= 90 && z <= 103) {
        return {kActinides, z - 90 + 5};
    }
    if (z == 1) {
        return {1, 1};
    }
    if (z == 2) {
        return {1, 18};
    }
    for (const Period p : {Period{3, 10, 2}, Period{11, 18, 3}}) {
        if (z >= p.first && z <= p.last) {
            const int k = z - p.first;
            return {p.row, k < 2 ? k + 1 : k + 11};
        }
    }
    if (z <= 36) {
        return {4, z - 18};
    }
    if (z <= 54) {
        return {5, z - 36};
    }
    if (z <= 57) {
        return {6, z - 54};
    }
    if (z <= 86) {
        return {6, z - 72 + 4};
    }
    if (z <= 89) {
        return {7, z - 86};
    }
    return {7, z - 104 + 4};
}

constexpr std::array<int, 18> kColumnX{7,   31,  55,  79,  103, 127, 151, 176, 200,
                                       224, 248, 272, 296, 320, 344, 368, 392, 416};
constexpr std::array<int, 9> kRowY{7, 27, 48, 69, 90, 111, 131, 161, 181};

int expectedX(Place p) {
    const int x = kColumnX[static_cast<std::size_t>(p.column - 1)];
    return p.row >= kLanthanides && p.column >= 8 && p.column <= 11 ? x - 1 : x;
}

int expectedY(Place p) {
    const int y = kRowY[static_cast<std::size_t>(p.row - 1)];
    return p.row == 5 && p.column >= 10 ? y - 1 : y;
}

struct Blank {
    int id;
    int column;  // in row 7
    bool empty;  // "Empty" in all four fields rather than "Unnamed"
};

constexpr std::array<Blank, 9> kBlanks{{
    {1056, 10, false},
    {1048, 11, false},
    {1053, 12, false},
    {1062, 13, true},
    {1068, 14, false},
    {1074, 15, true},
    {1080, 16, false},
    {1086, 17, true},
    {1093, 18, false},
}};

const ControlTemplate* control(int id) {
    for (const ControlTemplate& c : Periodic::kTemplate.controls) {
        if (c.id == id) {
            return &c;
        }
    }
    return nullptr;
}

std::vector<const ControlTemplate*> buttons() {
    std::vector<const ControlTemplate*> result;
    for (const ControlTemplate& c : Periodic::kTemplate.controls) {
        if (c.kind == ControlKind::PushButton) {
            result.push_back(&c);
        }
    }
    return result;
}

TEST(PeriodicTemplate, HoldsTheElementsUpToMeitneriumWhereTheTableHasThem) {
    for (std::size_t i = 0; i < kElements.size(); ++i) {
        const int z = static_cast<int>(i) + 1;
        const Element& element = kElements[i];
        SCOPED_TRACE(element.symbol);
        const ControlTemplate* button = control(element.id);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->kind, ControlKind::PushButton);
        EXPECT_STREQ(button->caption, element.symbol);
        const Place place = placeOf(z);
        EXPECT_EQ(button->x, expectedX(place));
        EXPECT_EQ(button->y, expectedY(place));
    }
}

TEST(PeriodicTemplate, BlankButtonsFillTheRestOfRowSeven) {
    for (const Blank& blank : kBlanks) {
        SCOPED_TRACE(blank.id);
        const ControlTemplate* button = control(blank.id);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->kind, ControlKind::PushButton);
        EXPECT_STREQ(button->caption, "");
        EXPECT_EQ(button->x, expectedX({7, blank.column}));
        EXPECT_EQ(button->y, expectedY({7, blank.column}));
    }
}

TEST(PeriodicTemplate, ButtonsAreFlatTabStopsOfOneSizeThatNeverOverlap) {
    const std::vector<const ControlTemplate*> all = buttons();
    ASSERT_EQ(all.size(), 118u);
    std::set<int> ids;
    for (const ControlTemplate* b : all) {
        SCOPED_TRACE(b->id);
        ids.insert(b->id);
        EXPECT_EQ(b->w, 21);
        EXPECT_EQ(b->h, 18);
        EXPECT_EQ(b->flags, cf::Flat | cf::TabStop);
        EXPECT_LE(b->x + b->w, Periodic::kTemplate.width);
        for (const ControlTemplate* other : all) {
            if (other != b) {
                const bool apart = b->x + b->w <= other->x || other->x + other->w <= b->x ||
                                   b->y + b->h <= other->y || other->y + other->h <= b->y;
                EXPECT_TRUE(apart) << "overlaps " << other->id;
            }
        }
    }
    EXPECT_EQ(ids.size(), 118u);
}

TEST(PeriodicTemplate, ButtonsComeFirstInReadingOrder) {
    const std::vector<const ControlTemplate*> all = buttons();
    ASSERT_EQ(all.size(), 118u);
    EXPECT_EQ(&Periodic::kTemplate.controls[0], all.front());
    EXPECT_STREQ(all.front()->caption, "H");
    for (std::size_t i = 1; i < all.size(); ++i) {
        const ControlTemplate& before = *all[i - 1];
        const ControlTemplate& after = *all[i];
        SCOPED_TRACE(after.id);
        EXPECT_EQ(&after, &before + 1);
        // Row 5 dips by one unit to the right, so compare rows with some slack.
        const bool sameRow = std::abs(after.y - before.y) <= 1;
        EXPECT_TRUE((sameRow && after.x > before.x) || after.y > before.y + 1);
    }
}

TEST(PeriodicTemplate, DataBoxAndRowLabels) {
    EXPECT_EQ(Periodic::kTemplate.id, 177);
    EXPECT_STREQ(Periodic::kTemplate.caption, "Periodic Table of Elements");
    EXPECT_EQ(Periodic::kTemplate.width, 444);
    EXPECT_EQ(Periodic::kTemplate.height, 254);
    EXPECT_EQ(Periodic::kTemplate.style, DialogStyle::Tool);

    struct Static {
        ControlKind kind;
        const char* caption;
        int x, y, w, h;
    };
    const std::array<Static, 7> statics{{
        {ControlKind::Label, "LANTHANIDES", 47, 166, 0, 0},
        {ControlKind::Label, "ACTINIDES", 60, 186, 0, 0},
        {ControlKind::GroupBox, "Element's Data:", 7, 200, 430, 47},
        {ControlKind::Label, "Symbol:", 13, 215, 0, 0},
        {ControlKind::Label, "Name:", 13, 229, 0, 0},
        {ControlKind::Label, "Atomic Weight:", 88, 215, 0, 0},
        {ControlKind::Label, "Atomic Number:", 88, 229, 0, 0},
    }};
    for (const Static& expected : statics) {
        SCOPED_TRACE(expected.caption);
        int found = 0;
        for (const ControlTemplate& c : Periodic::kTemplate.controls) {
            if (std::string(c.caption) == expected.caption) {
                ++found;
                EXPECT_EQ(c.id, kNoId);
                EXPECT_EQ(c.kind, expected.kind);
                EXPECT_EQ(c.x, expected.x);
                EXPECT_EQ(c.y, expected.y);
                if (expected.w != 0) {
                    EXPECT_EQ(c.w, expected.w);
                    EXPECT_EQ(c.h, expected.h);
                }
            }
        }
        EXPECT_EQ(found, 1);
    }
    EXPECT_EQ(Periodic::kTemplate.controls.size(), 118u + 11u);
}

TEST(PeriodicTemplate, FourReadOnlyFieldsInExchangeOrder) {
    struct Field {
        int id, x, y;
    };
    const std::array<Field, 4> fields{
        {{kSymbol, 42, 215}, {kName, 42, 229}, {kWeight, 147, 215}, {kNumber, 147, 229}}};
    Periodic tool;
    ASSERT_EQ(tool.bindings().size(), fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        SCOPED_TRACE(fields[i].id);
        EXPECT_EQ(tool.bindings()[i].controlId, fields[i].id);
        EXPECT_EQ(tool.bindings()[i].kind(), FieldKind::Text);
        const ControlTemplate* field = control(fields[i].id);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->kind, ControlKind::Edit);
        EXPECT_EQ(field->x, fields[i].x);
        EXPECT_EQ(field->y, fields[i].y);
        EXPECT_EQ(field->w, 40);
        EXPECT_EQ(field->h, 12);
        EXPECT_EQ(field->flags, cf::ReadOnly | cf::TabStop | cf::AutoHScroll);
    }
}

TEST(PeriodicTemplate, NoDefaultButtonSoEnterConfirms) {
    for (const ControlTemplate& c : Periodic::kTemplate.controls) {
        EXPECT_EQ(c.flags & cf::Default, 0u) << c.id;
    }
}

TEST(Periodic, FreshWindowShowsFourEmptyFields) {
    OpenTool<Periodic> window;
    expectShown(window, {"", "", "", ""});
}

TEST(Periodic, EveryCaptionedButtonShowsItsCaptionAndEmptiesTheRest) {
    for (const Element& element : kElements) {
        SCOPED_TRACE(element.symbol);
        OpenTool<Periodic> window;
        window.type(kName, "left over");
        window.type(kNumber, "26");
        ASSERT_TRUE(window.click(element.id));
        expectShown(window, {element.symbol, "", "", ""});
    }
}

TEST(Periodic, BlankButtonsShowTheirPlaceholder) {
    for (const Blank& blank : kBlanks) {
        SCOPED_TRACE(blank.id);
        OpenTool<Periodic> window;
        window.type(kSymbol, "Fe");
        ASSERT_TRUE(window.click(blank.id));
        if (blank.empty) {
            expectShown(window, {"Empty", "Empty", "Empty", "Empty"});
        } else {
            expectShown(window, {"Unnamed", "", "", ""});
        }
    }
}

TEST(Periodic, EveryTemplateButtonHasAHandlerAndNothingElseDoes) {
    Periodic tool;
    for (const ControlTemplate& c : Periodic::kTemplate.controls) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(tool.hasHandler(c.id), c.kind == ControlKind::PushButton);
    }
    for (const int id : {999, 1059, 1060, 1124}) {
        EXPECT_FALSE(tool.hasHandler(id)) << id;
    }
}

struct PressCase {
    const char* name;
    std::vector<int> presses;
    Shown expected;
};

void PrintTo(const PressCase& press, std::ostream* os) {
    *os << press.name;
}

class PeriodicPresses : public testing::TestWithParam<PressCase> {};

TEST_P(PeriodicPresses, ShowTheLastButtonPressed) {
    OpenTool<Periodic> window;
    for (const int id : GetParam().presses) {
        ASSERT_TRUE(window.click(id)) << id;
    }
    expectShown(window, GetParam().expected);
    EXPECT_TRUE(window.host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, PeriodicPresses,
    testing::Values(PressCase{"Iron", {1034}, {"Fe", "", "", ""}},
                    PressCase{"Technetium", {1009}, {"Tc", "", "", ""}},
                    PressCase{"EmptyThenSodium", {1062, 1002}, {"Na", "", "", ""}},
                    PressCase{"EmptyThenUnnamed", {1074, 1056}, {"Unnamed", "", "", ""}},
                    PressCase{"UnnamedThenEmpty", {1093, 1086}, {"Empty", "Empty", "Empty", "Empty"}},
                    PressCase{"SameButtonTwice", {1121, 1121}, {"Lr", "", "", ""}},
                    PressCase{"LanthanideAfterActinide", {1110, 1094}, {"Ce", "", "", ""}}),
    [](const testing::TestParamInfo<PressCase>& info) { return std::string(info.param.name); });

}  // namespace
