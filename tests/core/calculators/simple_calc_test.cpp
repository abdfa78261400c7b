// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/calculators/simple_calc.h"

#include <string>

#include <gtest/gtest.h>

#include "key_sequence.h"

namespace {

using enum SimpleCalc::Control;

struct Sequence {
    const char* name;
    const char* keys;  // button captions; "calc" is the "=" button
    const char* display;
};

std::ostream& operator<<(std::ostream& out, const Sequence& s) {
    return out << s.name;
}

class SimpleCalcSequence : public testing::TestWithParam<Sequence> {};

TEST_P(SimpleCalcSequence, ShowsDisplay) {
    OpenTool<SimpleCalc> calc;
    press(calc, GetParam().keys);
    EXPECT_EQ(calc.field(kDisplay), GetParam().display);
    EXPECT_TRUE(calc.host.messages.empty());
}

const Sequence kSequences[] = {
    {"Digits", "1 2 3 4 5 6 7 8 9 0", "1234567890"},
    {"NoLeadingZeros", "0 0 7", "7"},
    {"SingleZero", "0 0", "0"},
    {"Add", "1 2 + 3 4 calc", "46"},
    {"Subtract", "3 - 1 0 calc", "-7"},
    {"Multiply", "6 * 7 calc", "42"},
    {"Divide", "1 / 4 calc", "0.25"},
    {"FifteenDigits", "1 / 3 calc", "0.333333333333333"},
    {"ExponentForm", "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 calc", "1e+015"},
    {"ExponentFormOfResult", "1 0 0 0 0 0 0 0 0 * 1 0 0 0 0 0 0 0 0 calc", "1e+016"},
    {"SmallResult", "1 / 1 0 0 0 0 0 calc", "1e-005"},
    {"DivideByZero", "1 / 0 calc", "1.#INF"},
    {"NegativeDivideByZero", "1 +/- / 0 calc", "-1.#INF"},
    {"ZeroByZero", "0 / 0 calc", "-1.#IND"},
    {"NegativeZero", "5 +/- * 0 calc", "-0"},
    {"TenthsAddUp", "0 . 1 + 0 . 2 calc", "0.3"},
    {"LeftToRight", "2 + 3 * 4 calc", "20"},
    {"RunningValueShownAtOperator", "2 + 3 *", "5"},
    {"OperandShownAtOperator", "1 2 . +", "12"},
    {"LongChain", "1 + 2 + 3 - 4 * 5 calc", "10"},
    {"OnePointPerNumber", "1 . 5 . 2", "1.52"},
    {"PointStartsWithZero", ". 5", "0.5"},
    {"PointAfterSign", "+/- . 5", "-0.5"},
    {"PointInSecondNumber", "1 . 5 + . 5 calc", "2"},
    {"SignToggles", "5 +/- +/-", "5"},
    {"SignBeforeDigits", "+/- 5", "-5"},
    {"SignOnEmpty", "+/-", "-"},
    {"SignTwiceOnEmpty", "+/- +/-", ""},
    {"SignedSecondNumber", "8 + +/- 3 calc", "5"},
    {"SignWhileTypingSecond", "8 + 3 +/- calc", "5"},
    {"SignNegatesResult", "2 + 3 calc +/-", "-5"},
    {"NegatedResultCarriesOn", "2 + 3 calc +/- + 1 calc", "-4"},
    {"SignOfInfiniteResult", "1 / 0 calc +/-", "-1.#INF"},
    {"SignLeavesIndefiniteResult", "0 / 0 calc +/-", "-1.#IND"},
    {"DigitAfterResultStartsNew", "2 + 3 calc 7", "7"},
    {"PointAfterResultStartsNew", "2 + 3 calc . 5", "0.5"},
    {"ResultIsFirstOperand", "2 + 3 calc * 2 calc", "10"},
    {"InfiniteResultCarriesOn", "1 / 0 calc + 1 calc", "1.#INF"},
    {"SecondOperatorReplacesFirst", "5 + * 2 calc", "10"},
    {"EqualsAfterOperatorKeepsFirst", "5 + calc", "5"},
    {"EqualsRepeatedDoesNothing", "5 + 3 calc calc", "8"},
    {"EqualsFinishesEntry", "5 . calc", "5"},
    {"DigitAfterEqualsOnEntry", "5 calc 7", "7"},
    {"EqualsOnFreshCalculator", "calc", ""},
    {"OperatorOnFreshCalculatorStartsFromZero", "- 4 calc", "-4"},
    {"Back", "1 2 3 back", "12"},
    {"BackToEmpty", "1 back back", ""},
    {"BackRemovesPoint", "1 . back 5", "15"},
    {"BackLeavesResult", "2 + 3 calc back", "5"},
    {"BackLeavesOperand", "2 + back", "2"},
    {"ClearEmpties", "1 2 clear", ""},
    {"ClearCancelsPending", "5 + clear 3 calc", "3"},
    {"EntryCapped", "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1 2 3", "12345678901234567890"},
    {"CapLeavesOutSign", "+/- 1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1", "-12345678901234567890"},
    {"PointNeedsRoomForDigit", "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 .", "1234567890123456789"},
    {"CappedEntryComputes", "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 * 1 calc", "1e+019"},
};
INSTANTIATE_TEST_SUITE_P(Buttons, SimpleCalcSequence, testing::ValuesIn(kSequences),
                         [](const auto& info) { return std::string(info.param.name); });

struct Typed {
    const char* name;
    const char* keys;  // characters; 'B' is Backspace, 'D' is Delete, 'R' is Enter
    const char* display;
};

std::ostream& operator<<(std::ostream& out, const Typed& t) {
    return out << t.name;
}

class SimpleCalcKeys : public testing::TestWithParam<Typed> {};

TEST_P(SimpleCalcKeys, DriveTheCalculator) {
    OpenTool<SimpleCalc> calc;
    for (const char c : std::string_view(GetParam().keys)) {
        if (c == 'B') {
            EXPECT_TRUE(calc.tool.handleKey(ToolKey::Backspace, 0));
        } else if (c == 'D') {
            EXPECT_TRUE(calc.tool.handleKey(ToolKey::Delete, 0));
        } else if (c == 'R') {
            EXPECT_TRUE(calc.tool.handleKey(ToolKey::Enter, '\r'));
        } else {
            EXPECT_TRUE(calc.tool.handleKey(ToolKey::Character, c)) << c;
        }
    }
    EXPECT_EQ(calc.field(kDisplay), GetParam().display);
}

const Typed kTyped[] = {
    {"Add", "12+34=", "46"},
    {"Subtract", "3-10=", "-7"},
    {"Multiply", "6*7=", "42"},
    {"Divide", "1/8=", "0.125"},
    {"EveryDigit", "1234567890", "1234567890"},
    {"Point", "2.5*2=", "5"},
    {"Backspace", "123B", "12"},
    {"DeleteClears", "12+3D", ""},
    {"DeleteCancelsPending", "5+D3=", "3"},
    {"EnterIsEquals", "6*7R", "42"},
};
INSTANTIATE_TEST_SUITE_P(Keyboard, SimpleCalcKeys, testing::ValuesIn(kTyped),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SimpleCalc, LeavesOtherKeysToTheWindow) {
    OpenTool<SimpleCalc> calc;
    calc.tool.handleKey(ToolKey::Character, '7');
    for (const char c : {'x', ',', ' ', '%', '\x1b'}) {
        EXPECT_FALSE(calc.tool.handleKey(ToolKey::Character, c)) << int(c);
    }
    EXPECT_EQ(calc.field(kDisplay), "7");
}

}  // namespace
