#include "calculators/simple_calc.h"

#include <array>
#include <cmath>

#include "dialog/number_text.h"
#include "dialog/utf8.h"

namespace {

constexpr int kFirstDigit = 1000;  // "1" .. "9" are 1000 .. 1008, "0" is 1009
constexpr int kZeroDigit = 1009;
constexpr int kSign = 1011;
constexpr int kPoint = 1012;
constexpr int kClear = 1027;
constexpr int kBack = 1043;
constexpr int kEquals = 1030;

struct OperatorKey {
    int id;
    char key;
};

// In operation-code order: Add, Subtract, Multiply, Divide.
constexpr std::array kOperators{
    OperatorKey{1023, '+'},
    OperatorKey{1024, '-'},
    OperatorKey{1025, '*'},
    OperatorKey{1026, '/'},
};

int digitId(char digit) {
    return digit == '0' ? kZeroDigit : kFirstDigit + (digit - '1');
}

double apply(int operation, double first, double second) {
    switch (operation) {
        case SimpleCalc::Add:
            return first + second;
        case SimpleCalc::Subtract:
            return first - second;
        case SimpleCalc::Multiply:
            return first * second;
        default:
            return first / second;
    }
}

}  // namespace

SimpleCalc::SimpleCalc() {
    bind(1010, m_display);
}

std::span<const MessageEntry<SimpleCalc>> SimpleCalc::messageMap() {
    using C = SimpleCalc;
    static const MessageEntry<C> map[]{
        {1000, 1009, &C::OnDigit}, {kSign, &C::OnSign}, {kPoint, &C::OnPoint},   {1023, 1026, &C::OnOperator},
        {kClear, &C::OnClear},     {kBack, &C::OnBack}, {kEquals, &C::OnEquals},
    };
    return map;
}

bool SimpleCalc::handleKey(ToolKey key, char character) {
    switch (key) {
        case ToolKey::Character:
            break;
        case ToolKey::Backspace:
            return handle(kBack);
        case ToolKey::Delete:
            return handle(kClear);
        case ToolKey::Enter:
            // On a calculator Enter means "=", also after a click has left the
            // focus on a key (Space still presses the focused key).
            return handle(kEquals);
    }
    if (character >= '0' && character <= '9') {
        return handle(digitId(character));
    }
    if (character == '.') {
        return handle(kPoint);
    }
    if (character == '=') {
        return handle(kEquals);
    }
    for (const OperatorKey& op : kOperators) {
        if (op.key == character) {
            return handle(op.id);
        }
    }
    return false;
}

std::size_t SimpleCalc::entryLength() const {
    return m_display.size() - (!m_display.empty() && m_display.front() == '-' ? 1 : 0);
}

void SimpleCalc::beginEntry() {
    if (!m_entering) {
        m_display.clear();
        m_entering = true;
    }
}

void SimpleCalc::showValue() {
    m_display = numtext::formatDouble(m_value);
    m_entering = false;
}

void SimpleCalc::OnDigit(int id) {
    readAllFields();
    const char digit = id == kZeroDigit ? '0' : static_cast<char>('1' + (id - kFirstDigit));
    beginEntry();
    const std::size_t sign = m_display.size() - entryLength();
    if (m_display.size() == sign + 1 && m_display.back() == '0') {
        m_display.back() = digit;  // no leading zeros
    } else if (entryLength() < kMaxEntry) {
        m_display += digit;
    }
    writeAllFields();
}

void SimpleCalc::OnPoint() {
    readAllFields();
    beginEntry();
    // A point needs room for a digit after it.
    if (m_display.find('.') == std::string::npos && entryLength() + 1 < kMaxEntry) {
        if (entryLength() == 0) {
            m_display += '0';
        }
        m_display += '.';
    }
    writeAllFields();
}

void SimpleCalc::OnSign() {
    readAllFields();
    if (m_entering) {
        if (!m_display.empty() && m_display.front() == '-') {
            m_display.erase(0, 1);
        } else {
            m_display.insert(0, 1, '-');
        }
    } else if (m_pendingOp == NoOperation && !m_display.empty()) {
        // A result is negated in place and stays a result.
        if (!std::isnan(m_value)) {
            m_value = -m_value;
            showValue();
        }
    } else {
        // Nothing typed yet: the number about to be typed is negative.
        beginEntry();
        m_display = "-";
    }
    writeAllFields();
}

void SimpleCalc::OnBack() {
    readAllFields();
    if (m_entering && !m_display.empty()) {
        utf8::dropLast(m_display);
    }
    writeAllFields();
}

void SimpleCalc::OnClear() {
    readAllFields();
    m_display.clear();
    m_value = 0;
    m_pendingOp = NoOperation;
    m_entering = false;
    writeAllFields();
}

void SimpleCalc::OnOperator(int id) {
    readAllFields();
    if (m_entering) {
        const double entry = numtext::readNumber(m_display);
        m_value = m_pendingOp == NoOperation ? entry : apply(m_pendingOp, m_value, entry);
        showValue();
    }
    // Without a new number the operator replaces the pending one, or starts
    // from the result (or from 0 on a cleared calculator).
    m_pendingOp = Add + (id - kOperators.front().id);
    writeAllFields();
}

void SimpleCalc::OnEquals() {
    readAllFields();
    if (m_pendingOp != NoOperation && m_entering) {
        m_value = apply(m_pendingOp, m_value, numtext::readNumber(m_display));
        showValue();
    } else if (m_pendingOp != NoOperation) {
        // "=" straight after an operator drops the operator; the first number stands.
        showValue();
    } else if (m_entering) {
        m_value = numtext::readNumber(m_display);
        showValue();
    }
    m_pendingOp = NoOperation;
    writeAllFields();
}
