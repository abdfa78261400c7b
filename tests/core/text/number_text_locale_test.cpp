// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/text/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

namespace {

// The application switches to the user's locale at start; in one that writes
// ',' as its decimal mark the number texts must not change.
class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name :
             {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8", "fr_FR"}) {
            if (std::setlocale(LC_ALL, name) != nullptr &&
                std::string(std::localeconv()->decimal_point) == ",") {
                return;
            }
        }
        std::setlocale(LC_ALL, "C");
        GTEST_SKIP()
            << "no locale with a decimal comma is installed (localedef -i de_DE -f UTF-8 de_DE.UTF-8)";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(CommaLocale, TextsKeepThePoint) {
    // The C library itself now writes a comma, so the locale really is in force.
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", 0.5);
    ASSERT_EQ(std::string(buffer), "0,5");

    EXPECT_EQ(numtext::formatDouble(0.5), "0.5");
    EXPECT_EQ(numtext::formatDouble(-1234.25), "-1234.25");
    EXPECT_EQ(numtext::formatDouble(2.5e20), "2.5e+020");
    EXPECT_EQ(numtext::formatResult(1.0 / 3.0), "0.333333");
    EXPECT_EQ(numtext::formatResult(1234567.0), "1.23457E+006");
    EXPECT_EQ(numtext::formatInt(-1234567), "-1234567");
    EXPECT_EQ(numtext::scanDouble("1,5"), 1.0);
    EXPECT_EQ(numtext::scanDouble("2.5"), 2.5);
    EXPECT_EQ(numtext::scanInt("1.234"), 1);
    EXPECT_EQ(numtext::readNumber("2.5"), 2.5);
    EXPECT_EQ(numtext::readNumber("2,5"), 2.0);
}

}  // namespace
