// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <gtest/gtest.h>

#include <string>

#include "core/solvers/pythegor.h"
#include "support/fake_host.h"

namespace {

using enum Pythegor::Control;

const FieldLayout kTriangleLayout{{kSide1, kSide2, kHypotenuse}, {kSide1, kSide2, kHypotenuse, kMessage}};

class PythegorButtons : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(PythegorButtons, WritesTheFields) {
    OpenTool<Pythegor> tool;
    tool.type(kMessage, "earlier text");
    expectWorkedCase(tool, kTriangleLayout, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PythegorButtons,
    ::testing::Values(
        WorkedCase{
            "HypotenuseKeepsMessage", {"3", "4", "0"}, kFindHypotenuse, {"3", "4", "5", "earlier text"}},
        WorkedCase{"HypotenuseOfUnitSides",
                   {"1", "1", "7"},
                   kFindHypotenuse,
                   {"1", "1", "1.4142135623731", "earlier text"}},
        WorkedCase{"SideOverwritesTypedSide", {"3", "99", "5"}, kFindSide, {"3", "4", "5", "earlier text"}},
        WorkedCase{
            "SideFromSecondWhenFirstIsZero", {"0", "4", "5"}, kFindSide, {"3", "4", "5", "earlier text"}},
        WorkedCase{"SideFromSecondWhenFirstIsNegative",
                   {"-2", "4", "5"},
                   kFindSide,
                   {"3", "4", "5", "earlier text"}},
        WorkedCase{"NoPositiveSide", {"0", "-1", "5"}, kFindSide, {"0", "-1", "5", "No data entered."}},
        WorkedCase{"HypotenuseTooShort", {"5", "1", "3"}, kFindSide, {"5", "-1.#IND", "3", "earlier text"}},
        WorkedCase{
            "TripleWhole", {"3", "4", "5"}, kCheckTriple, {"3", "4", "5", "Yes, Pythegorean Tripple!"}},
        WorkedCase{"TripleFractional",
                   {"1.5", "2", "2.5"},
                   kCheckTriple,
                   {"1.5", "2", "2.5", "Yes, Pythegorean Tripple!"}},
        WorkedCase{
            "TripleAllZero", {"0", "0", "0"}, kCheckTriple, {"0", "0", "0", "Yes, Pythegorean Tripple!"}},
        WorkedCase{"NoTriple", {"3", "4", "6"}, kCheckTriple, {"3", "4", "6", "No, Not a Tripple!"}},
        WorkedCase{"RoundedRootIsNoTriple",
                   {"1", "1", "1.4142135623731"},
                   kCheckTriple,
                   {"1", "1", "1.4142135623731", "No, Not a Tripple!"}},
        WorkedCase{"Clear", {"3", "4", "5"}, kClearData, {"0", "0", "0", ""}}),
    workedCaseName);

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
