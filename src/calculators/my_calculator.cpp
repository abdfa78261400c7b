#include "calculators/my_calculator.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

#include "dialog/number_text.h"
#include "dialog/utf8.h"

namespace {

constexpr int kFirstDigit = 1000;  // "1" .. "9" are 1000 .. 1008, "0" is 1009
constexpr int kZeroDigit = 1009;
constexpr int kFirstStore = 1016;
constexpr int kFirstRecall = 1019;

constexpr const char* kPi = "3.141592653589793238";
constexpr const char* kFactorialRange = "Please enter an integer between 1 and 170";
constexpr const char* kHelp =
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
const double kIndefinite = std::bit_cast<double>(std::uint64_t{0xFFF8'0000'0000'0000});

struct OperatorKey {
    int id;
    MyCalculator::Operation operation;
    const char* token;
};

constexpr std::array kOperators{
    OperatorKey{1023, MyCalculator::Add, " + "},      OperatorKey{1024, MyCalculator::Subtract, " - "},
    OperatorKey{1025, MyCalculator::Multiply, " * "}, OperatorKey{1026, MyCalculator::Divide, " / "},
    OperatorKey{1033, MyCalculator::Power, "^"},      OperatorKey{1049, MyCalculator::Remainder, " % "},
};

struct FunctionKey {
    int id;
    double (*apply)(double);
    const char* token;
};

constexpr std::array kFunctions{
    FunctionKey{1028, [](double x) { return x * x; }, "^2"},
    FunctionKey{1032, [](double x) { return x * (x * x); }, "^3"},
    FunctionKey{1034, [](double x) { return std::sqrt(x); }, "(sqrt)"},
    FunctionKey{1037, [](double x) { return std::sin(x); }, "(sin)"},
    FunctionKey{1038, [](double x) { return std::cos(x); }, "(cos)"},
    FunctionKey{1039, [](double x) { return std::tan(x); }, "(tan)"},
    FunctionKey{1040, [](double x) { return 1 / std::sin(x); }, "(csc)"},
    FunctionKey{1041, [](double x) { return 1 / std::cos(x); }, "(sec)"},
    FunctionKey{1042, [](double x) { return 1 / std::tan(x); }, "(cot)"},
    FunctionKey{1045, [](double x) { return std::log(x); }, "(log)"},
    FunctionKey{1046, [](double x) { return std::ceil(x); }, "(ceiling)"},
    FunctionKey{1047, [](double x) { return std::floor(x); }, "(floor)"},
    // Not fabs: negative zero is not less than zero and stays '-0'.
    FunctionKey{1048, [](double x) { return x < 0 ? x * -1 : x; }, "(abs)"},
    FunctionKey{1050, [](double x) { return 1 / x; }, "(1/x)"},
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

MyCalculator::MyCalculator() {
    bind(1010, m_display);
    bind(1015, m_memory3);
    bind(1013, m_memory1);
    bind(1014, m_memory2);
    bind(1052, m_history);
}

std::span<const MessageEntry<MyCalculator>> MyCalculator::messageMap() {
    using C = MyCalculator;
    static const MessageEntry<C> map[]{
        {1000, 1009, &C::OnDigit},
        {1012, &C::OnPoint},
        {1011, &C::OnSign},
        {1043, &C::OnBack},
        {1027, &C::OnClear},
        {1044, &C::OnClearHistory},
        {1016, 1018, &C::OnStore},
        {1019, 1021, &C::OnRecall},
        {1029, &C::OnMemoryClear},
        {1056, &C::OnHelp},
        {1022, &C::OnEquals},
        {1030, &C::OnEquals},
        {1023, 1026, &C::OnOperator},
        {1033, &C::OnOperator},
        {1049, &C::OnOperator},
        {1028, &C::OnFunction},
        {1032, &C::OnFunction},
        {1034, &C::OnFunction},
        {1037, 1042, &C::OnFunction},
        {1045, 1048, &C::OnFunction},
        {1050, &C::OnFunction},
        {1036, &C::OnFactorial},
        {1035, &C::OnPi},
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
    const char digit = id == kZeroDigit ? '0' : static_cast<char>('1' + (id - kFirstDigit));
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
    const int index = id - kFirstStore;
    memory(index) = m_display;
    m_history += "[sto";
    m_history += static_cast<char>('1' + index);
    m_history += ']';
    writeAllFields();
}

void MyCalculator::OnRecall(int id) {
    readAllFields();
    m_display = memory(id - kFirstRecall);
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
    message(kHelp);
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
    m_display = kPi;
    m_history += "Pi";
    writeAllFields();
}
