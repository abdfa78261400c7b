// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/text/pattern.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PatternCase {
    const char* pattern;
    std::size_t count;  // values, each filled in as "<its number>"
    const char* expected;
};

TEST(PatternFill, NamesValuesByTheirPlace) {
    const PatternCase cases[] = {
        {"%1 = %2 + %3", 3, "<1> = <2> + <3>"},
        {"%3 ÷ %1 (%2)", 3, "<3> ÷ <1> (<2>)"},  // reordered
        {"%2 is %2", 2, "<2> is <2>"},           // one value twice, the other left out
        {"50 % of %1, %", 1, "50 % of <1>, %"},
        {"%%1%", 1, "%<1>%"},
        {"%0 %01 %3", 2, "%0 %01 %3"},  // no value of theirs
        {"%10 %1", 3, "<1>0 <1>"},      // the longest number that names a value
        {"%10 %9%11 %123", 12, "<10> <9><11> <12>3"},
        {"%1", 0, "%1"},
    };
    for (const PatternCase& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(pattern::fill(c.pattern, c.count,
                                [](std::string& out, std::size_t index, std::string_view) {
                                    out += "<" + std::to_string(index + 1) + ">";
                                }),
                  c.expected);
    }
    // A value goes in as it stands, and what follows its place is the pattern's.
    EXPECT_EQ(pattern::fill("%2%1", {"%2", "%1"}), "%1%2");
    EXPECT_EQ(
        pattern::fill("%1²", 1, [](std::string& out, std::size_t, std::string_view after) { out += after; }),
        "²²");
}

}  // namespace
