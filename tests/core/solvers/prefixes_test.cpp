// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/solvers/prefixes.h"
#include "support/fake_host.h"

namespace {

using enum Prefixes::Control;

struct LookUpCase {
    const char* typed;
    const char* factor;
    const char* prefix;
    const char* symbol;
};

class PrefixLookUp : public ::testing::TestWithParam<LookUpCase> {};

TEST_P(PrefixLookUp, BothLookUpButtons) {
    const LookUpCase& c = GetParam();
    for (const int button : {kLookUp, kKeypadLookUp}) {
        SCOPED_TRACE(button);
        OpenTool<Prefixes> tool;
        tool.type(kPower, c.typed);
        ASSERT_TRUE(tool.click(button));
        EXPECT_EQ(c.factor, tool.field(kFactor));
        EXPECT_EQ(c.prefix, tool.field(kPrefix));
        EXPECT_EQ(c.symbol, tool.field(kSymbol));
        EXPECT_TRUE(tool.host.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, PrefixLookUp,
    ::testing::Values(LookUpCase{"24", "24", "yotta", "Y"}, LookUpCase{"21", "21", "zetta", "Z"},
                      LookUpCase{"18", "18", "exa", "E"}, LookUpCase{"15", "15", "peta", "P"},
                      LookUpCase{"12", "12", "tera", "T"}, LookUpCase{"9", "9", "giga", "G"},
                      LookUpCase{"6", "6", "mega", "M"}, LookUpCase{"3", "3", "kilo", "k"},
                      LookUpCase{"2", "2", "hecto", "h"}, LookUpCase{"1", "1", "deka", "da"},
                      LookUpCase{"-1", "-1", "deci", "d"}, LookUpCase{"-2", "-2", "centi", "c"},
                      LookUpCase{"-3", "-3", "milli", "m"}, LookUpCase{"-6", "-6", "micro", "greek mue"},
                      LookUpCase{"-9", "-9", "nano", "n"}, LookUpCase{"-12", "-12", "pico", "p"},
                      LookUpCase{"-15", "-15", "femto", "f"}, LookUpCase{"-18", "-18", "atto", "a"},
                      LookUpCase{"-21", "-21", "zepto", "z"}, LookUpCase{"-24", "-24", "yocto", "y"},
                      LookUpCase{"0", "0", "Invalid", "Invalid"}, LookUpCase{"4", "4", "Invalid", "Invalid"},
                      LookUpCase{"-4", "-4", "Invalid", "Invalid"},
                      LookUpCase{"27", "27", "Invalid", "Invalid"},
                      // Integer reading stops at the point.
                      LookUpCase{"6.9", "6", "mega", "M"}, LookUpCase{" +3", "3", "kilo", "k"}));

struct Key {
    int id;
    const char* power;
};

class PrefixKeypad : public ::testing::TestWithParam<Key> {};

TEST_P(PrefixKeypad, SetsOnlyTheExponent) {
    OpenTool<Prefixes> tool;
    tool.type(kPower, "-3");
    tool.click(kLookUp);
    ASSERT_TRUE(tool.click(GetParam().id));
    EXPECT_EQ(GetParam().power, tool.field(kPower));
    // The old lookup stays on screen until the next "Look up".
    EXPECT_EQ("-3", tool.field(kFactor));
    EXPECT_EQ("milli", tool.field(kPrefix));
    EXPECT_EQ("m", tool.field(kSymbol));
}

INSTANTIATE_TEST_SUITE_P(Buttons, PrefixKeypad,
                         ::testing::Values(Key{kKeyE1, "1"}, Key{kKeyE2, "2"}, Key{kKeyE3, "3"},
                                           Key{kKeyE6, "6"}, Key{kKeyE9, "9"}, Key{kKeyE12, "12"},
                                           Key{kKeyE15, "15"}, Key{kKeyE18, "18"}, Key{kKeyE21, "21"},
                                           Key{kKeyE24, "24"}));

TEST(Prefixes, KeypadSignLookUp) {
    OpenTool<Prefixes> tool;
    tool.click(kKeyE6);
    tool.click(kPlusMinus);
    tool.click(kLookUp);
    EXPECT_EQ("-6", tool.field(kPower));
    EXPECT_EQ("-6", tool.field(kFactor));
    EXPECT_EQ("micro", tool.field(kPrefix));
    EXPECT_EQ("greek mue", tool.field(kSymbol));
}

TEST(Prefixes, BothSignKeysNegate) {
    const struct {
        const char* typed;
        const char* once;
    } cases[] = {
        {"0", "0"},
        {"9", "-9"},
        {"-24", "24"},
        {"2147483647", "-2147483647"},
        // Has no opposite: stays as two's-complement wrapping leaves it.
        {"-2147483648", "-2147483648"},
    };
    for (const int key : {kPlusMinus, kKeypadPlusMinus}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(::testing::Message() << key << " on " << c.typed);
            OpenTool<Prefixes> tool;
            tool.type(kPower, c.typed);
            tool.click(key);
            EXPECT_EQ(c.once, tool.field(kPower));
            tool.click(key);
            EXPECT_EQ(c.typed, tool.field(kPower));
            EXPECT_EQ("0", tool.field(kFactor));
            EXPECT_EQ("", tool.field(kPrefix));
        }
    }
}

TEST(Prefixes, ClearEmptiesTheDialog) {
    OpenTool<Prefixes> tool;
    tool.click(kKeyE24);
    tool.click(kLookUp);
    ASSERT_EQ("yotta", tool.field(kPrefix));
    tool.click(kClearData);
    EXPECT_EQ("0", tool.field(kPower));
    EXPECT_EQ("0", tool.field(kFactor));
    EXPECT_EQ("", tool.field(kPrefix));
    EXPECT_EQ("", tool.field(kSymbol));
}

TEST(Prefixes, RefusedExponentKeepsTheOldOne) {
    OpenTool<Prefixes> tool;
    tool.click(kKeyE3);
    tool.type(kPower, "kilo");
    tool.click(kLookUp);
    EXPECT_EQ(std::vector<std::string>{"Please enter an integer."}, tool.host.messages);
    EXPECT_EQ(std::vector<int>{kPower}, tool.host.focused);
    EXPECT_EQ("3", tool.field(kPower));
    EXPECT_EQ("3", tool.field(kFactor));
    EXPECT_EQ("kilo", tool.field(kPrefix));
}

TEST(Prefixes, RefusedFactorStopsBeforeItButNotBeforeTheExponent) {
    // Exchange order is prefix, symbol, exponent, factor: a word in the factor
    // field is refused after the exponent was read.
    OpenTool<Prefixes> tool;
    tool.type(kPower, "12");
    tool.type(kFactor, "many");
    tool.type(kPrefix, "typed text");
    tool.click(kLookUp);
    EXPECT_EQ(std::vector<std::string>{"Please enter an integer."}, tool.host.messages);
    EXPECT_EQ("12", tool.field(kFactor));
    EXPECT_EQ("tera", tool.field(kPrefix));
}

}  // namespace
