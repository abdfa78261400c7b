// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/calculators/my_calculator.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

#include "core/calculators/keypad_keys.h"
#include "core/text/charconv_shim.h"
#include "core/text/number_text.h"
#include "core/text/utf8.h"

namespace {

using enum MyCalculator::Control;
using K = ControlKind;

using namespace keypad_style;
constexpr unsigned kMemoryStyle = cf::TabStop | cf::NoBorder | cf::AutoHScroll;
// The six blank keys do nothing: drawn, but never visited by Tab.
constexpr unsigned kBlankKeyStyle = cf::Flat;
constexpr unsigned kHistoryStyle = cf::MultiLine | cf::ReadOnly | cf::HScrollBar | cf::AutoHScroll;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kDisplay, K::Edit, "", 136, 7, 142, 14, kDisplayStyle, "Display"},
    {kDigit1, K::PushButton, "1", 204, 31, 19, 17, kKey, "1"},
    {kDigit2, K::PushButton, "2", 228, 31, 19, 17, kKey, "2"},
    {kDigit3, K::PushButton, "3", 252, 31, 19, 17, kKey, "3"},
    {kDigit4, K::PushButton, "4", 204, 51, 19, 17, kKey, "4"},
    {kDigit5, K::PushButton, "5", 228, 51, 19, 17, kKey, "5"},
    {kDigit6, K::PushButton, "6", 252, 51, 19, 17, kKey, "6"},
    {kDigit7, K::PushButton, "7", 204, 72, 19, 17, kKey, "7"},
    {kDigit8, K::PushButton, "8", 228, 72, 19, 17, kKey, "8"},
    {kDigit9, K::PushButton, "9", 252, 72, 19, 17, kKey, "9"},
    {kDigit0, K::PushButton, "0", 204, 93, 19, 17, kKey, "0"},
    {kSign, K::PushButton, "+/-", 228, 93, 19, 17, kKey, "+/-"},
    {kPoint, K::PushButton, ".", 252, 93, 19, 17, kKey, "."},
    {kNoId, K::GroupBox, "Memory Managment", 7, 7, 121, 62, cf::Flat},
    {kMemory1, K::Edit, "", 14, 20, 40, 12, kMemoryStyle, "Memory 1"},
    {kMemory2, K::Edit, "", 14, 35, 40, 12, kMemoryStyle, "Memory 2"},
    {kMemory3, K::Edit, "", 14, 50, 40, 12, kMemoryStyle, "Memory 3"},
    {kStore1, K::PushButton, "Sto", 57, 20, 17, 12, style::kButton, "Sto", "Stores the display in memory 1"},
    {kStore2, K::PushButton, "Sto", 57, 35, 17, 12, style::kButton, "Sto", "Stores the display in memory 2"},
    {kStore3, K::PushButton, "Sto", 57, 50, 17, 12, style::kButton, "Sto", "Stores the display in memory 3"},
    {kRecall1, K::PushButton, "Rec", 77, 20, 17, 12, style::kButton, "Rec", "Recalls memory 1"},
    {kRecall2, K::PushButton, "Rec", 77, 35, 17, 12, style::kButton, "Rec", "Recalls memory 2"},
    {kRecall3, K::PushButton, "Rec", 77, 50, 17, 12, style::kButton, "Rec", "Recalls memory 3"},
    {kEquals, K::PushButton, "=", 143, 114, 19, 24, kKey, "="},
    {kNoId, K::GroupBox, "", 174, 22, 104, 95, kKeypadFrame},
    {kPlus, K::PushButton, "+", 143, 31, 19, 17, kKey, "+", "plus"},
    {kMinus, K::PushButton, "-", 143, 51, 19, 17, kKey, "-", "minus"},
    {kTimes, K::PushButton, "*", 143, 72, 19, 17, kKey, "*", "times"},
    {kDividedBy, K::PushButton, "/", 143, 93, 19, 17, kKey, "/", "divided by"},
    {kNoId, K::GroupBox, "", 136, 22, 33, 122, kKeypadFrame},
    {kClear, K::PushButton, "Clear", 180, 51, 19, 17, kKey, "Clear"},
    {kMemoryClear, K::PushButton, "MC", 100, 20, 19, 42, style::kButton, "MC"},
    {kHistory, K::Edit, "", 7, 149, 271, 27, kHistoryStyle, "History"},
    {kNoId, K::GroupBox, "", 7, 70, 121, 74, cf::Flat},
    {kSquare, K::PushButton, "x^2", 12, 78, 16, 13, style::kButton, "x^2"},
    {kCube, K::PushButton, "x^3", 31, 78, 16, 13, style::kButton, "x^3"},
    {kRaise, K::PushButton, "x^y", 50, 78, 16, 13, style::kButton, "x^y"},
    {kSqrt, K::PushButton, "sqrt", 12, 94, 16, 13, style::kButton, "sqrt"},
    {kPi, K::PushButton, "Pi", 50, 94, 16, 13, style::kButton, "Pi"},
    {kFactorial, K::PushButton, "n!", 31, 94, 16, 13, style::kButton, "n!"},
    {kSin, K::PushButton, "Sin", 69, 78, 16, 13, style::kButton, "Sin"},
    {kCos, K::PushButton, "Cos", 88, 78, 16, 13, style::kButton, "Cos"},
    {kTan, K::PushButton, "Tan", 107, 78, 16, 13, style::kButton, "Tan"},
    {kCsc, K::PushButton, "Csc", 69, 94, 16, 13, style::kButton, "Csc"},
    {kSec, K::PushButton, "Sec", 88, 94, 16, 13, style::kButton, "Sec"},
    {kCot, K::PushButton, "Cot", 107, 94, 16, 13, style::kButton, "Cot"},
    {kBack, K::PushButton, "Back", 180, 31, 19, 17, kKey, "Back"},
    {kClearHistory, K::PushButton, "CH", 180, 72, 19, 17, kKey, "CH"},
    {kHelp, K::PushButton, "Help", 180, 93, 19, 17, kKey, "Help"},
    {kLog, K::PushButton, "log", 12, 110, 16, 13, style::kButton, "log"},
    {kCeil, K::PushButton, "ceil", 31, 110, 16, 13, style::kButton, "ceil"},
    {kFloor, K::PushButton, "flo", 50, 110, 16, 13, style::kButton, "flo"},
    {kAbs, K::PushButton, "abs", 69, 110, 16, 13, style::kButton, "abs"},
    {kMod, K::PushButton, "mod", 88, 110, 16, 13, style::kButton, "mod"},
    {kReciprocal, K::PushButton, "1/x", 107, 110, 16, 13, style::kButton, "1/x"},
    {kUnusedKey1, K::PushButton, "", 12, 126, 16, 13, kBlankKeyStyle, "Unused key"},
    {kUnusedKey2, K::PushButton, "", 31, 126, 16, 13, kBlankKeyStyle, "Unused key"},
    {kUnusedKey3, K::PushButton, "", 50, 126, 16, 13, kBlankKeyStyle, "Unused key"},
    {kUnusedKey4, K::PushButton, "", 69, 126, 16, 13, kBlankKeyStyle, "Unused key"},
    {kUnusedKey5, K::PushButton, "", 88, 126, 16, 13, kBlankKeyStyle, "Unused key"},
    {kUnusedKey6, K::PushButton, "", 107, 126, 16, 13, kBlankKeyStyle, "Unused key"},
    {kCalculate, K::PushButton, "Calculate (=)", 174, 123, 104, 20, kDefaultKey, "Calculate (=)"},
});

// Enter is the window's: it presses a focused button, else "Calculate (=)".
constexpr auto kKeys = keypadKeys<MyCalculator>();

constexpr const char* kPiDigits = "3.141592653589793238";
constexpr const char* kFactorialRange = "Please enter an integer between 1 and 170";
constexpr const char* kHelpText =
    "Explanation of the meaning of 'not-so-obvious' buttons!\n"
    "\n"
    "[Sto] puts the display number in memory 1, 2, or 3.\n"
    "[Rcl] takes a number from the memory and puts it back onto the display.\n"
    "[MC] clears memory locations.\n"
    "[Back] removes last character from the display (backspace button).\n"
    "[CH] clear history button - removes the history at the bottom of the screen.\n"
    "\n"
    "Click [OK] to go back.";

// The quiet NaN with the sign bit set and an empty payload: what an invalid
// operation yields on x86, written as '-1.#IND'.
const double kIndefinite = charconv::bit_cast<double>(std::uint64_t{0xFFF8'0000'0000'0000});

struct OperatorKey {
    int id;
    MyCalculator::Operation operation;
    const char* token;
};

constexpr std::array kOperators{
    OperatorKey{kPlus, MyCalculator::Add, " + "},       OperatorKey{kMinus, MyCalculator::Subtract, " - "},
    OperatorKey{kTimes, MyCalculator::Multiply, " * "}, OperatorKey{kDividedBy, MyCalculator::Divide, " / "},
    OperatorKey{kRaise, MyCalculator::Power, "^"},      OperatorKey{kMod, MyCalculator::Remainder, " % "},
};

struct FunctionKey {
    int id;
    double (*apply)(double);
    const char* token;
};

constexpr std::array kFunctions{
    FunctionKey{kSquare, [](double x) { return x * x; }, "^2"},
    FunctionKey{kCube, [](double x) { return x * (x * x); }, "^3"},
    FunctionKey{kSqrt, [](double x) { return std::sqrt(x); }, "(sqrt)"},
    FunctionKey{kSin, [](double x) { return std::sin(x); }, "(sin)"},
    FunctionKey{kCos, [](double x) { return std::cos(x); }, "(cos)"},
    FunctionKey{kTan, [](double x) { return std::tan(x); }, "(tan)"},
    FunctionKey{kCsc, [](double x) { return 1 / std::sin(x); }, "(csc)"},
    FunctionKey{kSec, [](double x) { return 1 / std::cos(x); }, "(sec)"},
    FunctionKey{kCot, [](double x) { return 1 / std::tan(x); }, "(cot)"},
    FunctionKey{kLog, [](double x) { return std::log(x); }, "(log)"},
    FunctionKey{kCeil, [](double x) { return std::ceil(x); }, "(ceiling)"},
    FunctionKey{kFloor, [](double x) { return std::floor(x); }, "(floor)"},
    // Not fabs: negative zero is not less than zero and stays '-0'.
    FunctionKey{kAbs, [](double x) { return x < 0 ? x * -1 : x; }, "(abs)"},
    FunctionKey{kReciprocal, [](double x) { return 1 / x; }, "(1/x)"},
};

// Integer remainder of the two texts read as int. Widened to 64 bits so that
// the lowest int modulo -1 gives its true remainder 0 instead of trapping; a
// zero divisor has no remainder and gives the indefinite NaN, as fmod does.
double remainder(const std::string& dividendText, const std::string& divisorText) {
    const std::int64_t dividend = numtext::readInteger(dividendText);
    const std::int64_t divisor = numtext::readInteger(divisorText);
    if (divisor == 0) {
        return kIndefinite;
    }
    return static_cast<double>(dividend % divisor);
}

double compute(int operation, const std::string& first, const std::string& second) {
    const auto a = [&] { return numtext::readNumber(first); };
    const auto b = [&] { return numtext::readNumber(second); };
    switch (operation) {
        case MyCalculator::Add:
            return a() + b();
        case MyCalculator::Subtract:
            return a() - b();
        case MyCalculator::Multiply:
            return a() * b();
        case MyCalculator::Divide:
            return a() / b();
        case MyCalculator::Power:
            return std::pow(a(), b());
        default:
            return remainder(first, second);
    }
}

}  // namespace

const DialogTemplate MyCalculator::kTemplate{172, "Calculator", 285, 183, DialogStyle::Tool, kControls};

MyCalculator::MyCalculator() {
    bind(kDisplay, m_display);
    bind(kMemory3, m_memory3);
    bind(kMemory1, m_memory1);
    bind(kMemory2, m_memory2);
    bind(kHistory, m_history);
}

std::span<const KeyBinding> MyCalculator::keyBindings() const {
    return kKeys;
}

std::span<const char* const> MyCalculator::messageTexts() const {
    static constexpr const char* kTexts[] = {kFactorialRange, kHelpText};
    return kTexts;
}

std::span<const MessageEntry<MyCalculator>> MyCalculator::messageMap() {
    using C = MyCalculator;
    static const MessageEntry<C> map[]{
        {kDigit1, kDigit0, &C::OnDigit},
        {kPoint, &C::OnPoint},
        {kSign, &C::OnSign},
        {kBack, &C::OnBack},
        {kClear, &C::OnClear},
        {kClearHistory, &C::OnClearHistory},
        {kStore1, kStore3, &C::OnStore},
        {kRecall1, kRecall3, &C::OnRecall},
        {kMemoryClear, &C::OnMemoryClear},
        {kHelp, &C::OnHelp},
        {kEquals, &C::OnEquals},
        {kCalculate, &C::OnEquals},
        {kPlus, kDividedBy, &C::OnOperator},
        {kRaise, &C::OnOperator},
        {kMod, &C::OnOperator},
        {kSquare, &C::OnFunction},
        {kCube, &C::OnFunction},
        {kSqrt, &C::OnFunction},
        {kSin, kCot, &C::OnFunction},
        {kLog, kAbs, &C::OnFunction},
        {kReciprocal, &C::OnFunction},
        {kFactorial, &C::OnFactorial},
        {kPi, &C::OnPi},
    };
    return map;
}

std::string& MyCalculator::memory(int index) {
    static constexpr std::array kMemories{&MyCalculator::m_memory1, &MyCalculator::m_memory2,
                                          &MyCalculator::m_memory3};
    return this->*kMemories[static_cast<std::size_t>(index)];
}

void MyCalculator::OnDigit(int id) {
    readAllFields();
    const char digit = id == kDigit0 ? '0' : static_cast<char>('1' + (id - kDigit1));
    m_display += digit;
    m_history += digit;
    writeAllFields();
}

void MyCalculator::OnPoint() {
    readAllFields();
    m_display += '.';
    m_history += '.';
    writeAllFields();
}

void MyCalculator::OnSign() {
    readAllFields();
    m_display.insert(0, 1, '-');
    m_history += "(-)";
    writeAllFields();
}

void MyCalculator::OnBack() {
    readAllFields();
    if (!m_display.empty()) {
        utf8::dropLast(m_display);
    }
    m_history += "[del]";
    writeAllFields();
}

void MyCalculator::OnClear() {
    readAllFields();
    m_display.clear();
    m_history += "[clr]";
    writeAllFields();
}

void MyCalculator::OnClearHistory() {
    readAllFields();
    m_history.clear();
    writeAllFields();
}

void MyCalculator::OnStore(int id) {
    readAllFields();
    const int index = id - kStore1;
    memory(index) = m_display;
    m_history += "[sto";
    m_history += static_cast<char>('1' + index);
    m_history += ']';
    writeAllFields();
}

void MyCalculator::OnRecall(int id) {
    readAllFields();
    m_display = memory(id - kRecall1);
    m_history += m_display;
    writeAllFields();
}

void MyCalculator::OnMemoryClear() {
    readAllFields();
    m_memory1.clear();
    m_memory2.clear();
    m_memory3.clear();
    m_history += "[mc]";
    writeAllFields();
}

void MyCalculator::OnHelp() {
    message(kHelpText);
}

void MyCalculator::showResult(double result) {
    m_display = numtext::formatResult(result);
    m_history.append(" = ").append(m_display).append(";  ");
}

void MyCalculator::evaluate() {
    if (m_pendingOp != NoOperation) {
        showResult(compute(m_pendingOp, m_operand, m_display));
    }
    m_pendingOp = NoOperation;
}

void MyCalculator::OnEquals() {
    readAllFields();
    evaluate();
    writeAllFields();
}

void MyCalculator::OnOperator(int id) {
    OnEquals();
    readAllFields();
    for (const OperatorKey& key : kOperators) {
        if (key.id == id) {
            m_operand = m_display;
            m_display.clear();
            m_pendingOp = key.operation;
            m_history += key.token;
        }
    }
    writeAllFields();
}

void MyCalculator::OnFunction(int id) {
    readAllFields();
    for (const FunctionKey& key : kFunctions) {
        if (key.id == id) {
            const double x = numtext::readNumber(m_display);
            m_history += key.token;
            showResult(key.apply(x));
        }
    }
    writeAllFields();
}

void MyCalculator::OnFactorial() {
    readAllFields();
    const int n = numtext::readInteger(m_display);
    // Taken unsigned, a negative n is beyond 170 as well.
    if (static_cast<unsigned>(n) > 170u) {
        message(kFactorialRange);
        m_display.clear();
    } else if (n == 0) {
        m_display = "1";
    } else {
        double factorial = 1;
        for (int k = n; k >= 1; --k) {
            factorial *= k;
        }
        m_display = numtext::formatResult(factorial);
    }
    m_history.append("!").append(" = ").append(m_display).append(";  ");
    writeAllFields();
}

void MyCalculator::OnPi() {
    readAllFields();
    m_display = kPiDigits;
    m_history += "Pi";
    writeAllFields();
}
