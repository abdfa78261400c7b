#include <gtest/gtest.h>

#include <string>

#include "core/solvers/pythegor.h"
#include "support/fake_host.h"

namespace {

using enum Pythegor::Control;

struct TriangleCase {
    const char* name;
    const char* side1;
    const char* side2;
    const char* hypotenuse;
    int button;
    const char* shown1;
    const char* shown2;
    const char* shownHypotenuse;
    const char* shownMessage;
};

class PythegorButtons : public ::testing::TestWithParam<TriangleCase> {};

TEST_P(PythegorButtons, WritesTheFields) {
    const TriangleCase& c = GetParam();
    OpenTool<Pythegor> tool;
    tool.type(kSide1, c.side1);
    tool.type(kSide2, c.side2);
    tool.type(kHypotenuse, c.hypotenuse);
    tool.type(kMessage, "earlier text");
    ASSERT_TRUE(tool.click(c.button));
    EXPECT_EQ(c.shown1, tool.field(kSide1));
    EXPECT_EQ(c.shown2, tool.field(kSide2));
    EXPECT_EQ(c.shownHypotenuse, tool.field(kHypotenuse));
    EXPECT_EQ(c.shownMessage, tool.field(kMessage));
    EXPECT_TRUE(tool.host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PythegorButtons,
    ::testing::Values(
        TriangleCase{"HypotenuseKeepsMessage", "3", "4", "0", kFindHypotenuse, "3", "4", "5", "earlier text"},
        TriangleCase{"HypotenuseOfUnitSides", "1", "1", "7", kFindHypotenuse, "1", "1", "1.4142135623731",
                     "earlier text"},
        TriangleCase{"SideOverwritesTypedSide", "3", "99", "5", kFindSide, "3", "4", "5", "earlier text"},
        TriangleCase{"SideFromSecondWhenFirstIsZero", "0", "4", "5", kFindSide, "3", "4", "5",
                     "earlier text"},
        TriangleCase{"SideFromSecondWhenFirstIsNegative", "-2", "4", "5", kFindSide, "3", "4", "5",
                     "earlier text"},
        TriangleCase{"NoPositiveSide", "0", "-1", "5", kFindSide, "0", "-1", "5", "No data entered."},
        TriangleCase{"HypotenuseTooShort", "5", "1", "3", kFindSide, "5", "-1.#IND", "3", "earlier text"},
        TriangleCase{"TripleWhole", "3", "4", "5", kCheckTriple, "3", "4", "5", "Yes, Pythegorean Tripple!"},
        TriangleCase{"TripleFractional", "1.5", "2", "2.5", kCheckTriple, "1.5", "2", "2.5",
                     "Yes, Pythegorean Tripple!"},
        TriangleCase{"TripleAllZero", "0", "0", "0", kCheckTriple, "0", "0", "0",
                     "Yes, Pythegorean Tripple!"},
        TriangleCase{"NoTriple", "3", "4", "6", kCheckTriple, "3", "4", "6", "No, Not a Tripple!"},
        TriangleCase{"RoundedRootIsNoTriple", "1", "1", "1.4142135623731", kCheckTriple, "1", "1",
                     "1.4142135623731", "No, Not a Tripple!"},
        TriangleCase{"Clear", "3", "4", "5", kClearData, "0", "0", "0", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Pythegor, NotANumberSideReadsBackAsMinusOne) {
    OpenTool<Pythegor> tool;
    tool.type(kSide1, "5");
    tool.type(kHypotenuse, "3");
    tool.click(kFindSide);
    ASSERT_EQ("-1.#IND", tool.field(kSide2));
    tool.click(kCheckTriple);
    EXPECT_EQ("-1", tool.field(kSide2));
    EXPECT_EQ("No, Not a Tripple!", tool.field(kMessage));
    EXPECT_TRUE(tool.host.messages.empty());
}

TEST(Pythegor, MessageFieldIsPlainTextBothWays) {
    OpenTool<Pythegor> tool;
    tool.type(kMessage, "  typed, 12 ");
    tool.click(kFindHypotenuse);
    EXPECT_EQ("  typed, 12 ", tool.field(kMessage));
}

TEST(Pythegor, RefusedSideStillComputes) {
    OpenTool<Pythegor> tool;
    tool.type(kSide1, "3");
    tool.type(kSide2, "four");
    tool.type(kHypotenuse, "5");
    tool.click(kFindHypotenuse);
    ASSERT_EQ(std::vector<std::string>{"Please enter a number."}, tool.host.messages);
    // Side 2 and the hypotenuse kept 0.
    EXPECT_EQ("0", tool.field(kSide2));
    EXPECT_EQ("3", tool.field(kHypotenuse));
}

TEST(Pythegor, FindSideDecidesByTheSidesOnly) {
    OpenTool<Pythegor> tool;
    tool.type(kSide1, "0");
    tool.type(kSide2, "0");
    tool.type(kHypotenuse, "5");
    tool.click(kFindSide);
    EXPECT_EQ("No data entered.", tool.field(kMessage));
    // A later successful search leaves the old message on screen.
    tool.type(kSide1, "4");
    tool.click(kFindSide);
    EXPECT_EQ("3", tool.field(kSide2));
    EXPECT_EQ("No data entered.", tool.field(kMessage));
}

}  // namespace
