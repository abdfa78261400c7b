#include "core/calculators/my_calculator.h"
#include "core/calculators/simple_calc.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "key_sequence.h"

namespace {

using enum MyCalculator::Control;

struct Sequence {
    const char* name;
    const char* keys;
    const char* display;
    const char* history;
};

std::ostream& operator<<(std::ostream& out, const Sequence& s) {
    return out << s.name;
}

class MyCalculatorSequence : public testing::TestWithParam<Sequence> {};

TEST_P(MyCalculatorSequence, ShowsDisplayAndHistory) {
    OpenTool<MyCalculator> calc;
    press(calc, GetParam().keys);
    EXPECT_EQ(calc.field(kDisplay), GetParam().display);
    EXPECT_EQ(calc.field(kHistory), GetParam().history);
}

const Sequence kEntry[] = {
    {"PointAndSign", "1 . 5 +/-", "-1.5", "1.5(-)"},
    {"StoreClearRecall", "1 . 5 +/- sto2 clear rec2", "-1.5", "1.5(-)[sto2][clr]-1.5"},
    {"LeadingZerosKept", "0 0 7", "007", "007"},
    {"EveryDigit", "1 2 3 4 5 6 7 8 9 0", "1234567890", "1234567890"},
    {"SignAlwaysPrepends", "5 +/- +/-", "--5", "5(-)(-)"},
    {"SignOnEmpty", "+/- +/-", "--", "(-)(-)"},
    {"BackOnEmpty", "back", "", "[del]"},
    {"BackKeepsHistory", "1 2 back", "1", "12[del]"},
    {"BackAfterSign", "5 +/- back back back", "", "5(-)[del][del][del]"},
    {"BackRemovesWholeCharacters", "@memory1=5é€😀 rec1 back back", "5é", "5é€😀[del][del]"},
    {"BackRemovesAStrayByteAlone", "@memory1=5\xA9\xA9 rec1 back", "5\xA9", "5\xA9\xA9[del]"},
    {"TwoPoints", ". .", "..", ".."},
    {"PointsInsideNumber", "1 . . 2", "1..2", "1..2"},
    {"ClearKeepsPendingOperation", "5 + clear 3 =", "8", "5 + [clr]3 = 8;  "},
    {"ClearHistoryOnly", "5 + 3 ch", "3", ""},
    {"ClearHistoryKeepsPending", "5 + 3 ch =", "8", " = 8;  "},
    {"StoreEmptyDisplay", "sto3", "", "[sto3]"},
    {"MemoryClear", "4 sto1 sto2 mc", "4", "4[sto1][sto2][mc]"},
    {"RecallAppendsText", "4 2 sto1 clear rec1 rec1", "42", "42[sto1][clr]4242"},
    {"DigitAfterResultExtends", "5 + 0 = 7", "57", "5 + 0 = 5;  7"},
    {"HelpWritesNothing", "5 help", "5", "5"},
    {"TypedHistoryIsReadBack", "1 @history=ab 2", "12", "ab2"},
};
INSTANTIATE_TEST_SUITE_P(Entry, MyCalculatorSequence, testing::ValuesIn(kEntry),
                         [](const auto& info) { return std::string(info.param.name); });

const Sequence kOperations[] = {
    {"Add", "2 + 3 =", "5", "2 + 3 = 5;  "},
    {"Subtract", "9 - 4 =", "5", "9 - 4 = 5;  "},
    {"Multiply", "6 * 7 =", "42", "6 * 7 = 42;  "},
    {"Divide", "1 / 4 =", "0.25", "1 / 4 = 0.25;  "},
    {"CalculateButton", "2 + 3 calc", "5", "2 + 3 = 5;  "},
    {"LeftToRight", "2 + 3 * 4 =", "20", "2 + 3 = 5;   * 4 = 20;  "},
    {"EqualsWithNothingPending", "5 =", "5", "5"},
    {"EqualsTwiceDoesNotRepeat", "2 + 3 = =", "5", "2 + 3 = 5;  "},
    {"EmptySecondOperand", "5 + =", "5", "5 +  = 5;  "},
    {"TwoOperatorsInARow", "5 + * 2 =", "10", "5 +  = 5;   * 2 = 10;  "},
    {"OperatorLeavesDisplayEmpty", "5 + *", "", "5 +  = 5;   * "},
    {"SixDigitsCarried", "1 / 3 = * 3 =", "0.999999", "1 / 3 = 0.333333;   * 3 = 0.999999;  "},
    {"LargeResultInExponentForm", "1 2 3 4 5 6 7 * 1 =", "1.23457E+006", "1234567 * 1 = 1.23457E+006;  "},
    {"SmallResultInExponentForm", "1 / 1 0 0 0 0 0 =", "1E-005", "1 / 100000 = 1E-005;  "},
    {"Mod", "7 mod 3 =", "1", "7 % 3 = 1;  "},
    {"ModNegativeDividend", "7 +/- mod 3 =", "-1", "7(-) % 3 = -1;  "},
    {"ModTruncatesOperands", "7 . 9 mod 2 . 5 =", "1", "7.9 % 2.5 = 1;  "},
    {"ModByZero", "7 mod 0 =", "-1.#IND", "7 % 0 = -1.#IND;  "},
    {"ModByEmpty", "7 mod =", "-1.#IND", "7 %  = -1.#IND;  "},
    {"Power", "2 x^y 1 0 =", "1024", "2^10 = 1024;  "},
    {"PowerNegativeBaseFraction", "2 +/- x^y . 5 =", "-1.#IND", "2(-)^.5 = -1.#IND;  "},
    {"DivideByZero", "5 / 0 =", "1.#INF", "5 / 0 = 1.#INF;  "},
    {"NegativeDivideByZero", "5 +/- / 0 =", "-1.#INF", "5(-) / 0 = -1.#INF;  "},
    {"ZeroByZero", "0 / 0 =", "-1.#IND", "0 / 0 = -1.#IND;  "},
    {"InfinityReadsAsOne", "5 / 0 = + 1 =", "2", "5 / 0 = 1.#INF;   + 1 = 2;  "},
    {"DoubleMinusReadsAsZero", "5 +/- +/- + 1 =", "1", "5(-)(-) + 1 = 1;  "},
    {"DoublePointReadsUpToIt", "1 . . 5 + 1 =", "2", "1..5 + 1 = 2;  "},
    {"PiTimesTwo", "2 * pi =", "6.28319", "2 * Pi = 6.28319;  "},
    {"PiText", "pi", "3.141592653589793238", "Pi"},
    {"DigitExtendsPi", "pi 1", "3.1415926535897932381", "Pi1"},
    {"FunctionOnSecondOperand", "2 + 9 sqrt =", "5", "2 + 9(sqrt) = 3;   = 5;  "},
    {"ExponentBeyondDouble", "1 0 x^y 3 0 8 = 5 + 1 =", "1.#INF", "10^308 = 1E+308;  5 + 1 = 1.#INF;  "},
    {"ResultBeyondDouble", "1 0 x^y 3 0 9 =", "1.#INF", "10^309 = 1.#INF;  "},
};
INSTANTIATE_TEST_SUITE_P(Operations, MyCalculatorSequence, testing::ValuesIn(kOperations),
                         [](const auto& info) { return std::string(info.param.name); });

const Sequence kFunctions[] = {
    {"Square", "3 x^2", "9", "3^2 = 9;  "},
    {"Cube", "2 +/- x^3", "-8", "2(-)^3 = -8;  "},
    {"SquareRoot", "2 sqrt", "1.41421", "2(sqrt) = 1.41421;  "},
    {"SquareRootOfNegative", "4 +/- sqrt", "-1.#IND", "4(-)(sqrt) = -1.#IND;  "},
    {"SineInRadians", "3 0 sin", "-0.988032", "30(sin) = -0.988032;  "},
    {"Cosine", "2 cos", "-0.416147", "2(cos) = -0.416147;  "},
    {"Tangent", "1 tan", "1.55741", "1(tan) = 1.55741;  "},
    {"Cosecant", "1 csc", "1.1884", "1(csc) = 1.1884;  "},
    {"CosecantOfZero", "0 csc", "1.#INF", "0(csc) = 1.#INF;  "},
    {"Secant", "1 sec", "1.85082", "1(sec) = 1.85082;  "},
    {"Cotangent", "1 cot", "0.642093", "1(cot) = 0.642093;  "},
    {"NaturalLog", "1 0 log", "2.30259", "10(log) = 2.30259;  "},
    {"LogOfZero", "0 log", "-1.#INF", "0(log) = -1.#INF;  "},
    {"Ceiling", "2 . 1 ceil", "3", "2.1(ceiling) = 3;  "},
    {"CeilingNegative", "2 . 1 +/- ceil", "-2", "2.1(-)(ceiling) = -2;  "},
    {"Floor", "2 . 1 +/- flo", "-3", "2.1(-)(floor) = -3;  "},
    {"Abs", "4 +/- abs", "4", "4(-)(abs) = 4;  "},
    {"AbsKeepsNegativeZero", "0 +/- abs", "-0", "0(-)(abs) = -0;  "},
    {"Reciprocal", "4 1/x", "0.25", "4(1/x) = 0.25;  "},
    {"ReciprocalOfZero", "0 1/x", "1.#INF", "0(1/x) = 1.#INF;  "},
    {"ReciprocalOfEmpty", "1/x", "1.#INF", "(1/x) = 1.#INF;  "},
    {"FactorialOfZero", "0 n!", "1", "0! = 1;  "},
    {"FactorialOfEmpty", "n!", "1", "! = 1;  "},
    {"FactorialOfOne", "1 n!", "1", "1! = 1;  "},
    {"Factorial", "1 0 n!", "3.6288E+006", "10! = 3.6288E+006;  "},
    {"FactorialLargest", "1 7 0 n!", "7.25742E+306", "170! = 7.25742E+306;  "},
    {"FactorialCutsFraction", "5 . 9 n!", "120", "5.9! = 120;  "},
    {"FactorialTooLarge", "1 7 1 n!", "", "171! = ;  "},
    {"FactorialNegative", "3 +/- n!", "", "3(-)! = ;  "},
};
INSTANTIATE_TEST_SUITE_P(Functions, MyCalculatorSequence, testing::ValuesIn(kFunctions),
                         [](const auto& info) { return std::string(info.param.name); });

struct RecalledText {
    const char* name;
    const char* typed;  // into memory 1
    const char* keys;   // after "rec1"
    const char* display;
};

class MyCalculatorRecalledText : public testing::TestWithParam<RecalledText> {};

TEST_P(MyCalculatorRecalledText, ReadsAsANumber) {
    OpenTool<MyCalculator> calc;
    calc.type(kMemory1, GetParam().typed);
    press(calc, "rec1");
    press(calc, GetParam().keys);
    EXPECT_EQ(calc.field(kDisplay), GetParam().display);
}

const RecalledText kRecalled[] = {
    {"Word", "abc", "7", "abc7"},
    {"ExponentLetterD", "2d3", "+ 0 =", "2000"},
    {"TrailingText", "12abc", "+ 0 =", "12"},
    {"LoneExponentLetter", "5e", "+ 0 =", "5"},
    {"LeadingBlanks", "  .5", "+ 0 =", "0.5"},
    {"WordReadsAsZero", "abc", "+ 1 =", "1"},
    {"InfinityText", "1.#INF", "* 3 =", "3"},
    {"IndefiniteText", "-1.#IND", "* 3 =", "-3"},
    {"OverlongNumber", "1E+3085", "+ 1 =", "1.#INF"},
    {"UnderflowingNumber", "1E-3085", "* 1 =", "0"},
    {"ModLowestInt", "-2147483648", "mod 1 +/- =", "0"},
    {"ModLowestIntByZero", "-2147483648", "mod 0 =", "-1.#IND"},
    {"ModSaturatesDividend", "99999999999", "mod 1 0 =", "7"},
    {"ModSaturatesNegative", "-99999999999", "mod 1 0 =", "-8"},
    {"FactorialOfSaturatedInteger", "99999999999", "n!", ""},
    {"FactorialOfExponentText", "1E+006", "n!", "1"},
};
INSTANTIATE_TEST_SUITE_P(Texts, MyCalculatorRecalledText, testing::ValuesIn(kRecalled),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MyCalculator, BindsItsFiveTextFieldsInExchangeOrder) {
    const MyCalculator calc;
    std::vector<int> ids;
    for (const Binding& binding : calc.bindings()) {
        EXPECT_EQ(binding.kind(), FieldKind::Text);
        ids.push_back(binding.controlId);
    }
    EXPECT_EQ(ids, (std::vector<int>{kDisplay, kMemory3, kMemory1, kMemory2, kHistory}));
}

TEST(MyCalculator, StoresIntoEachMemory) {
    OpenTool<MyCalculator> calc;
    press(calc, "1 sto1 clear 2 sto2 clear 3 sto3");
    EXPECT_EQ(calc.field(kMemory1), "1");
    EXPECT_EQ(calc.field(kMemory2), "2");
    EXPECT_EQ(calc.field(kMemory3), "3");
    EXPECT_EQ(calc.field(kHistory), "1[sto1][clr]2[sto2][clr]3[sto3]");
    press(calc, "rec2 rec1 rec3");
    EXPECT_EQ(calc.field(kDisplay), "3");
    EXPECT_EQ(calc.field(kHistory), "1[sto1][clr]2[sto2][clr]3[sto3]213");
    press(calc, "mc");
    EXPECT_EQ(calc.field(kMemory1), "");
    EXPECT_EQ(calc.field(kMemory2), "");
    EXPECT_EQ(calc.field(kMemory3), "");
}

TEST(MyCalculator, StoringEmptyDisplayEmptiesMemory) {
    OpenTool<MyCalculator> calc;
    press(calc, "@memory2=old sto2");
    EXPECT_EQ(calc.field(kMemory2), "");
}

TEST(MyCalculator, TypedMemoryTextCountsAtAnyNextPress) {
    OpenTool<MyCalculator> calc;
    press(calc, "@memory2=q 5");
    EXPECT_EQ(calc.field(kMemory2), "q");
    calc.type(kMemory2, "");  // the user erases it again after the press was read
    press(calc, "rec2");
    EXPECT_EQ(calc.field(kDisplay), "");
    press(calc, "@memory3=xyz ch rec3");
    EXPECT_EQ(calc.field(kDisplay), "xyz");
    EXPECT_EQ(calc.field(kHistory), "xyz");
}

TEST(MyCalculator, OperatorStoresDisplayAsFirstOperand) {
    OpenTool<MyCalculator> calc;
    press(calc, "@memory1=abc 1 2 - rec1");
    EXPECT_EQ(calc.field(kDisplay), "abc");
    press(calc, "=");
    EXPECT_EQ(calc.field(kDisplay), "12");
    EXPECT_EQ(calc.field(kHistory), "12 - abc = 12;  ");
}

TEST(MyCalculator, HelpShowsItsTextAndTouchesNoField) {
    OpenTool<MyCalculator> calc;
    calc.type(kMemory1, "typed");
    press(calc, "5");
    calc.type(kDisplay, "unread");
    const int writes = calc.host.setTextCalls;
    press(calc, "help");
    EXPECT_EQ(calc.host.setTextCalls, writes);
    EXPECT_EQ(calc.field(kDisplay), "unread");
    ASSERT_EQ(calc.host.messages.size(), 1u);
    EXPECT_EQ(calc.host.messages[0],
              "Explanation of the meaning of 'not-so-obvious' buttons!\n\n"
              "[Sto] puts the display number in memory 1, 2, or 3.\n"
              "[Rcl] takes a number from the memory and puts it back onto the display.\n"
              "[MC] clears memory locations.\n"
              "[Back] removes last character from the display (backspace button).\n"
              "[CH] clear history button - removes the history at the bottom of the screen.\n\n"
              "Click [OK] to go back.");
}

TEST(MyCalculator, FactorialOutOfRangeWarnsOnce) {
    for (const char* keys : {"1 7 1 n!", "1 +/- n!", "4 0 0 0 0 0 0 0 0 0 0 n!"}) {
        SCOPED_TRACE(keys);
        OpenTool<MyCalculator> calc;
        press(calc, keys);
        ASSERT_EQ(calc.host.messages.size(), 1u);
        EXPECT_EQ(calc.host.messages[0], "Please enter an integer between 1 and 170");
        EXPECT_EQ(calc.field(kDisplay), "");
    }
}

TEST(MyCalculator, NoMessageOutsideFactorialAndHelp) {
    OpenTool<MyCalculator> calc;
    press(calc, "5 / 0 = 0 / 0 = 4 +/- sqrt log 7 mod 0 = clear 1 7 0 n!");
    EXPECT_TRUE(calc.host.messages.empty());
}

TEST(MyCalculator, BlankButtonsDoNothing) {
    OpenTool<MyCalculator> calc;
    press(calc, "5");
    for (const int id : {kUnusedKey1, kUnusedKey2, kUnusedKey3, kUnusedKey4, kUnusedKey5, kUnusedKey6}) {
        EXPECT_FALSE(calc.click(id)) << id;
        EXPECT_FALSE(calc.tool.hasHandler(id)) << id;
    }
    EXPECT_EQ(calc.field(kDisplay), "5");
    EXPECT_EQ(calc.field(kHistory), "5");
}

struct TypedKeys {
    const char* name;
    const char* typed;  // characters; 'B' is Backspace, 'D' is Delete
    const char* pressed;
};

std::ostream& operator<<(std::ostream& out, const TypedKeys& t) {
    return out << t.name;
}

class MyCalculatorKeys : public testing::TestWithParam<TypedKeys> {};

// A typed key does what a click on its button does: display, memories,
// pending operation and history alike.
TEST_P(MyCalculatorKeys, TypedKeysPressTheirButtons) {
    OpenTool<MyCalculator> typed;
    OpenTool<MyCalculator> clicked;
    press(typed, "5 sto1");
    press(clicked, "5 sto1");
    for (const char c : std::string_view(GetParam().typed)) {
        const ToolKey key = c == 'B' ? ToolKey::Backspace : c == 'D' ? ToolKey::Delete : ToolKey::Character;
        EXPECT_TRUE(typed.tool.handleKey(key, c)) << c;
    }
    press(clicked, GetParam().pressed);
    press(typed, "* 2 =");
    press(clicked, "* 2 =");
    for (const int field : {kDisplay, kMemory1, kMemory2, kMemory3, kHistory}) {
        EXPECT_EQ(typed.field(field), clicked.field(field)) << field;
    }
}

const TypedKeys kTypedKeys[] = {
    {"Add", "12+3=", "1 2 + 3 ="},
    {"Subtract", "7.5-10=", "7 . 5 - 1 0 ="},
    {"Divide", "1/8", "1 / 8"},
    {"Multiply", "6*0", "6 * 0"},
    {"Backspace", "123BB", "1 2 3 back back"},
    {"Delete", "9+4D", "9 + 4 clear"},
    {"Points", "1..2", "1 . . 2"},
};

INSTANTIATE_TEST_SUITE_P(Keys, MyCalculatorKeys, testing::ValuesIn(kTypedKeys),
                         [](const auto& info) { return std::string(info.param.name); });

// Enter is the window's (a focused button, else "Calculate (=)"); letters
// press nothing.
TEST(MyCalculator, LeavesEnterAndLettersAlone) {
    OpenTool<MyCalculator> calc;
    EXPECT_FALSE(calc.tool.handleKey(ToolKey::Enter, '\r'));
    EXPECT_FALSE(calc.tool.handleKey(ToolKey::Character, 'x'));
    EXPECT_FALSE(calc.tool.handleKey(ToolKey::Character, '%'));
    EXPECT_EQ(calc.field(kHistory), "");
}

TEST(MyCalculator, MillionDigitDisplayReadsAsInfinity) {
    OpenTool<MyCalculator> calc;
    calc.type(kMemory1, "1" + std::string(1'000'000, '0'));
    press(calc, "rec1 + 1 =");
    EXPECT_EQ(calc.field(kDisplay), "1.#INF");
    EXPECT_EQ(calc.field(kHistory).size(), 1'000'001u + std::string(" + 1 = 1.#INF;  ").size());
}

// The displays show results the user cannot type over; the memories can be
// typed into and the history cannot, and Tab passes the history and the six
// blank keys by: every key that works is a stop.
TEST(CalculatorFaces, DisplayMemoriesAndHistory) {
    for (const auto& [face, display] : {std::pair{&MyCalculator::kTemplate, int{kDisplay}},
                                        std::pair{&SimpleCalc::kTemplate, int{SimpleCalc::kDisplay}}}) {
        ASSERT_NE(findControl(*face, display), nullptr);
        EXPECT_EQ(findControl(*face, display)->flags & (cf::ReadOnly | cf::RightAlign | cf::NoBorder),
                  cf::ReadOnly | cf::RightAlign);
        EXPECT_STREQ(face->caption, "Calculator");
    }
    for (const int id : {kMemory1, kMemory2, kMemory3}) {
        EXPECT_EQ(findControl(MyCalculator::kTemplate, id)->flags & (cf::ReadOnly | cf::NoBorder),
                  cf::NoBorder)
            << id;
    }
    EXPECT_EQ(findControl(MyCalculator::kTemplate, kHistory)->flags &
                  (cf::ReadOnly | cf::MultiLine | cf::HScrollBar | cf::NoBorder),
              cf::ReadOnly | cf::MultiLine | cf::HScrollBar);
    const MyCalculator calculator;
    for (const ControlTemplate& c : MyCalculator::kTemplate.controls) {
        const bool blank = c.kind == ControlKind::PushButton && !calculator.hasHandler(c.id);
        const bool skipped = blank || c.id == kHistory || c.id == kNoId;
        EXPECT_EQ((c.flags & cf::TabStop) == 0, skipped) << c.id;
    }
}

}  // namespace
