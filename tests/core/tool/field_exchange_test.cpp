// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/tool/field_exchange.h"
#include "support/fake_host.h"

namespace {

// Three double fields A, B, C, an integer field and a text field, in that order.
struct Values {
    double a = 1;
    double b = 2;
    double c = 3;
    int n = 4;
    std::string s = "five";

    std::vector<Binding> bindings() { return {{10, &a}, {11, &b}, {12, &c}, {13, &n}, {14, &s}}; }
};

struct ReadCase {
    const char* name;
    std::map<int, std::string> texts;
    bool result;
    double a, b, c;
    int n;
    std::string s;
    std::vector<std::string> messages;
    std::vector<int> focused;
};

class ReadAll : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadAll, StopsAtTheFirstRefusal) {
    const ReadCase& row = GetParam();
    Values values;
    FakeHost host;
    host.texts = row.texts;
    const std::vector<Binding> bindings = values.bindings();
    EXPECT_EQ(exchange::readAll(host, bindings), row.result);
    EXPECT_EQ(values.a, row.a);
    EXPECT_EQ(values.b, row.b);
    EXPECT_EQ(values.c, row.c);
    EXPECT_EQ(values.n, row.n);
    EXPECT_EQ(values.s, row.s);
    EXPECT_EQ(host.messages, row.messages);
    EXPECT_EQ(host.focused, row.focused);
}

const std::map<int, std::string> kGood{{10, "10"}, {11, "11"}, {12, "12"}, {13, "13"}, {14, "  text  "}};

std::map<int, std::string> with(int id, std::string text) {
    std::map<int, std::string> texts = kGood;
    texts[id] = std::move(text);
    return texts;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadAll,
    testing::Values(
        ReadCase{"AllRead", kGood, true, 10, 11, 12, 13, "  text  ", {}, {}},
        ReadCase{"WordInMiddleDouble",
                 with(11, "x"),
                 false,
                 10,
                 2,
                 3,
                 4,
                 "five",
                 {"Please enter a number."},
                 {11}},
        ReadCase{
            "EmptyFirstDouble", with(10, ""), false, 1, 2, 3, 4, "five", {"Please enter a number."}, {10}},
        ReadCase{"TrailingJunkIsIgnored", with(12, "12abc"), true, 10, 11, 12, 13, "  text  ", {}, {}},
        ReadCase{
            "IntegerRefused", with(13, ""), false, 10, 11, 12, 4, "five", {"Please enter an integer."}, {13}},
        ReadCase{"IntegerTakesLeadingNumber", with(13, "12.7"), true, 10, 11, 12, 12, "  text  ", {}, {}},
        ReadCase{
            "InfTextIsRefused", with(10, "inf"), false, 1, 2, 3, 4, "five", {"Please enter a number."}, {10}},
        ReadCase{"NonFiniteTextReadsAsOne", with(10, "1.#INF"), true, 1, 11, 12, 13, "  text  ", {}, {}},
        ReadCase{"IndefiniteReadsAsMinusOne", with(10, "-1.#IND"), true, -1, 11, 12, 13, "  text  ", {}, {}},
        ReadCase{"TextFieldNeverRefuses", with(14, ""), true, 10, 11, 12, 13, "", {}, {}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(ReadAll, SeesOnly399CharactersOfADoubleField) {
    // 399 digits of '1' then an exponent that the buffer cuts off.
    const std::string digits(399, '1');
    double value = 0;
    FakeHost host;
    host.texts[1] = digits + "e-400";
    const Binding binding{1, &value};
    ASSERT_TRUE(exchange::readAll(host, {&binding, 1}));
    EXPECT_TRUE(std::isinf(value));

    host.texts[1] = std::string(399, ' ') + "5";  // the digit lies beyond the buffer
    EXPECT_FALSE(exchange::readAll(host, {&binding, 1}));
}

TEST(ReadAll, SeesOnly63CharactersOfAnIntegerField) {
    int value = 7;
    FakeHost host;
    host.texts[1] = std::string(63, ' ') + "5";
    const Binding binding{1, &value};
    EXPECT_FALSE(exchange::readAll(host, {&binding, 1}));
    EXPECT_EQ(value, 7);
    host.texts[1] = std::string(62, ' ') + "56";
    EXPECT_TRUE(exchange::readAll(host, {&binding, 1}));
    EXPECT_EQ(value, 5);
}

TEST(ReadAll, MegabyteTextFieldIsReadWhole) {
    std::string value;
    FakeHost host;
    host.texts[1] = std::string(1 << 20, 'x');
    const Binding binding{1, &value};
    EXPECT_TRUE(exchange::readAll(host, {&binding, 1}));
    EXPECT_EQ(value.size(), std::size_t{1} << 20);
}

TEST(WriteAll, FormatsEachKindAndSetsOnlyChangedTexts) {
    Values values;
    values.a = 1.0 / 3;
    values.b = -0.0;
    values.c = 1e15;
    values.n = -12;
    values.s = "  kept  ";
    FakeHost host;
    const std::vector<Binding> bindings = values.bindings();
    exchange::writeAll(host, bindings);
    EXPECT_EQ(host[10], "0.333333333333333");
    EXPECT_EQ(host[11], "-0");
    EXPECT_EQ(host[12], "1e+015");
    EXPECT_EQ(host[13], "-12");
    EXPECT_EQ(host[14], "  kept  ");
    EXPECT_EQ(host.setTextCalls, 5);

    exchange::writeAll(host, bindings);
    EXPECT_EQ(host.setTextCalls, 5) << "unchanged fields must not be set again";

    values.c = 2;
    exchange::writeAll(host, bindings);
    EXPECT_EQ(host.setTextCalls, 6);
    EXPECT_EQ(host[12], "2");
}

TEST(WriteAll, RefusedTextTurnsBackIntoTheValue) {
    Values values;
    FakeHost host;
    const std::vector<Binding> bindings = values.bindings();
    exchange::writeAll(host, bindings);
    host.texts[11] = "word";
    EXPECT_FALSE(exchange::readAll(host, bindings));
    exchange::writeAll(host, bindings);
    EXPECT_EQ(host[11], "2");
}

TEST(WriteAll, NonFiniteTexts) {
    volatile double zero = 0;
    double values[] = {1 / zero, -1 / zero, zero / zero};
    FakeHost host;
    const Binding bindings[] = {{1, &values[0]}, {2, &values[1]}, {3, &values[2]}};
    exchange::writeAll(host, bindings);
    EXPECT_EQ(host[1], "1.#INF");
    EXPECT_EQ(host[2], "-1.#INF");
    EXPECT_EQ(host[3], "-1.#IND");
}

}  // namespace
