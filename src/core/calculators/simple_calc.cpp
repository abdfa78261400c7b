// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/calculators/simple_calc.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/calculators/keypad_keys.h"
#include "core/text/number_text.h"
#include "core/text/utf8.h"

namespace {

using enum SimpleCalc::Control;
using K = ControlKind;

using namespace keypad_style;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kDisplay, K::Edit, "", 7, 7, 105, 14, kDisplayStyle, "Display"},
    {kDigit1, K::PushButton, "1", 14, 31, 19, 17, kKey, "1"},
    {kDigit2, K::PushButton, "2", 38, 31, 19, 17, kKey, "2"},
    {kDigit3, K::PushButton, "3", 62, 31, 19, 17, kKey, "3"},
    {kDigit4, K::PushButton, "4", 14, 51, 19, 17, kKey, "4"},
    {kDigit5, K::PushButton, "5", 38, 51, 19, 17, kKey, "5"},
    {kDigit6, K::PushButton, "6", 62, 51, 19, 17, kKey, "6"},
    {kDigit7, K::PushButton, "7", 14, 72, 19, 17, kKey, "7"},
    {kDigit8, K::PushButton, "8", 38, 72, 19, 17, kKey, "8"},
    {kDigit9, K::PushButton, "9", 62, 72, 19, 17, kKey, "9"},
    {kDigit0, K::PushButton, "0", 14, 93, 19, 17, kKey, "0"},
    {kSign, K::PushButton, "+/-", 38, 93, 19, 17, kKey, "+/-"},
    {kPoint, K::PushButton, ".", 62, 93, 19, 17, kKey, "."},
    {kNoId, K::GroupBox, "", 7, 22, 105, 95, kKeypadFrame},
    {kPlus, K::PushButton, "+", 86, 31, 19, 17, kKey, "+", "plus"},
    {kMinus, K::PushButton, "-", 86, 51, 19, 17, kKey, "-", "minus"},
    {kTimes, K::PushButton, "*", 86, 72, 19, 17, kKey, "*", "times"},
    {kDividedBy, K::PushButton, "/", 86, 93, 19, 17, kKey, "/", "divided by"},
    {kClear, K::PushButton, "Clear", 43, 120, 34, 16, kKey, "Clear"},
    {kBack, K::PushButton, "Back", 7, 120, 34, 16, kKey, "Back"},
    {kEquals, K::PushButton, "=", 79, 120, 34, 16, kDefaultKey, "="},
});

// Enter means "=" on a calculator, also after a click has left the focus on
// a key (Space still presses the focused key).
constexpr auto kKeys = [] {
    constexpr auto keypad = keypadKeys<SimpleCalc>();
    std::array<KeyBinding, keypad.size() + 1> keys{};
    std::copy(keypad.begin(), keypad.end(), keys.begin());
    keys.back() = {ToolKey::Enter, 0, kEquals};
    return keys;
}();

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

const DialogTemplate SimpleCalc::kTemplate{133, "Calculator", 120, 143, DialogStyle::Tool, kControls};

SimpleCalc::SimpleCalc() {
    bind(kDisplay, m_display);
}

std::span<const MessageEntry<SimpleCalc>> SimpleCalc::messageMap() {
    using C = SimpleCalc;
    static const MessageEntry<C> map[]{
        {kDigit1, kDigit0, &C::OnDigit}, {kSign, &C::OnSign},
        {kPoint, &C::OnPoint},           {kPlus, kDividedBy, &C::OnOperator},
        {kClear, &C::OnClear},           {kBack, &C::OnBack},
        {kEquals, &C::OnEquals},
    };
    return map;
}

std::span<const KeyBinding> SimpleCalc::keyBindings() const {
    return kKeys;
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
    const char digit = id == kDigit0 ? '0' : static_cast<char>('1' + (id - kDigit1));
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
    // The operator buttons are in operation-code order.
    m_pendingOp = Add + (id - kPlus);
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
