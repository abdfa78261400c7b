// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/solvers/prefixes.h"

#include <algorithm>
#include <array>

#include "core/steps/wording.h"

namespace {

using enum Prefixes::Control;
using K = ControlKind;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kNoId, K::GroupBox, "Enter the power of 10...", 7, 7, 94, 40, 0},
    {kPower, K::Edit, "", 53, 20, 40, 12, style::kInputField, "Power of 10"},
    {kNoId, K::GroupBox, "Output...", 7, 48, 94, 64, 0},
    {kNoId, K::Label, "Factor:", 14, 63, 23, 8, 0},
    {kNoId, K::Label, "Prefix:", 14, 79, 20, 8, 0},
    {kNoId, K::Label, "Symbol:", 14, 94, 26, 8, 0},
    {kFactor, K::Edit, "", 53, 61, 40, 12, style::kOutputField, "Factor"},
    {kPrefix, K::Edit, "", 53, 76, 40, 12, style::kOutputField, "Prefix"},
    {kSymbol, K::Edit, "", 53, 92, 40, 12, style::kOutputField, "Symbol"},
    {kLookUp, K::PushButton, "Look up", 7, 115, 94, 14, style::kDefaultButton, "Look up",
     "Looks up the prefix of the power of 10 typed in the field"},
    {kClearData, K::PushButton, "Clear", 7, 131, 94, 14, style::kButton, "Clear"},
    {kPlusMinus, K::PushButton, "+/-", 14, 20, 18, 12, cf::Flat, "+/-"},
    {kNoId, K::GroupBox, "Keypad Input...", 105, 7, 118, 144, 0},
    {kKeyE1, K::PushButton, "10 ^ 1", 112, 20, 50, 14, cf::Flat, "10 ^ 1"},
    {kKeyE2, K::PushButton, "10 ^ 2", 112, 39, 50, 14, cf::Flat, "10 ^ 2"},
    {kKeyE3, K::PushButton, "10 ^ 3", 112, 58, 50, 14, cf::Flat, "10 ^ 3"},
    {kKeyE6, K::PushButton, "10 ^ 6", 112, 77, 50, 14, cf::Flat, "10 ^ 6"},
    {kKeyE9, K::PushButton, "10 ^ 9", 112, 96, 50, 14, cf::Flat, "10 ^ 9"},
    {kKeyE12, K::PushButton, "10 ^ 12", 167, 20, 50, 14, cf::Flat, "10 ^ 12"},
    {kKeyE15, K::PushButton, "10 ^ 15", 167, 39, 50, 14, cf::Flat, "10 ^ 15"},
    {kKeyE18, K::PushButton, "10 ^ 18", 167, 58, 50, 14, cf::Flat, "10 ^ 18"},
    {kKeyE21, K::PushButton, "10 ^ 21", 167, 77, 50, 14, cf::Flat, "10 ^ 21"},
    {kKeyE24, K::PushButton, "10 ^ 24", 167, 96, 50, 14, cf::Flat, "10 ^ 24"},
    {kKeypadPlusMinus, K::PushButton, "Plus / Minus", 112, 115, 105, 14, cf::Flat, "Plus / Minus"},
    {kKeypadLookUp, K::PushButton, "Look up", 112, 131, 105, 14, style::kButton, "Look up",
     "Looks up the prefix of the power of 10 set with the keypad"},
});

struct Prefix {
    int exponent;
    const char* name;
    const char* symbol;
};

constexpr std::array<Prefix, 20> kPrefixes{{
    {24, "yotta", "Y"},  {21, "zetta", "Z"},         {18, "exa", "E"},    {15, "peta", "P"},
    {12, "tera", "T"},   {9, "giga", "G"},           {6, "mega", "M"},    {3, "kilo", "k"},
    {2, "hecto", "h"},   {1, "deka", "da"},          {-1, "deci", "d"},   {-2, "centi", "c"},
    {-3, "milli", "m"},  {-6, "micro", "greek mue"}, {-9, "nano", "n"},   {-12, "pico", "p"},
    {-15, "femto", "f"}, {-18, "atto", "a"},         {-21, "zepto", "z"}, {-24, "yocto", "y"},
}};

constexpr const char* kInvalid = N_("Invalid");

struct Key {
    int controlId;
    int exponent;
};

// The keypad's ids are not contiguous, so each button is a row of its own.
constexpr std::array<Key, 10> kKeypad{{
    {kKeyE1, 1},
    {kKeyE2, 2},
    {kKeyE3, 3},
    {kKeyE6, 6},
    {kKeyE9, 9},
    {kKeyE12, 12},
    {kKeyE15, 15},
    {kKeyE18, 18},
    {kKeyE21, 21},
    {kKeyE24, 24},
}};

// Two's-complement negation: the lowest int has no opposite and stays as it
// is, computed in unsigned arithmetic so that it is not undefined behaviour.
int negated(int value) {
    return static_cast<int>(0u - static_cast<unsigned>(value));
}

}  // namespace

std::span<const char* const> Prefixes::fieldWords() const {
    static constexpr const char* kWords[] = {kInvalid};
    return kWords;
}

const DialogTemplate Prefixes::kTemplate{149, "SI Prefixes", 230, 158, DialogStyle::Tool, kControls};

Prefixes::Prefixes() {
    bind(kPrefix, m_prefix);
    bind(kSymbol, m_symbol);
    bind(kPower, m_power);
    bind(kFactor, m_factor);
}

std::span<const MessageEntry<Prefixes>> Prefixes::messageMap() {
    static constexpr std::array<MessageEntry<Prefixes>, 15> kMap{{
        {kLookUp, &Prefixes::OnLookUp},
        {kKeypadLookUp, &Prefixes::OnLookUp},
        {kClearData, &Prefixes::OnClearData},
        {kPlusMinus, &Prefixes::OnPlusMinus},
        {kKeypadPlusMinus, &Prefixes::OnPlusMinus},
        {kKeyE1, &Prefixes::OnKeypadPower},
        {kKeyE2, &Prefixes::OnKeypadPower},
        {kKeyE3, &Prefixes::OnKeypadPower},
        {kKeyE6, &Prefixes::OnKeypadPower},
        {kKeyE9, &Prefixes::OnKeypadPower},
        {kKeyE12, &Prefixes::OnKeypadPower},
        {kKeyE15, &Prefixes::OnKeypadPower},
        {kKeyE18, &Prefixes::OnKeypadPower},
        {kKeyE21, &Prefixes::OnKeypadPower},
        {kKeyE24, &Prefixes::OnKeypadPower},
    }};
    return kMap;
}

void Prefixes::OnLookUp() {
    readAllFields();
    step(N_("Look up 10^%1 among the twenty SI prefixes (24, 21, …, 3, 2, 1, -1, -2, -3, …, -24)"),
         {m_power});
    const auto* found = std::find_if(kPrefixes.begin(), kPrefixes.end(),
                                     [this](const Prefix& prefix) { return prefix.exponent == m_power; });
    if (found != kPrefixes.end()) {
        m_prefix = found->name;
        m_symbol = found->symbol;
        step(N_("10^%1 is %2, symbol %3"), {m_power, found->name, found->symbol});
    } else {
        m_prefix = kInvalid;
        m_symbol = kInvalid;
        step(N_("No prefix is 10^%1: prefix and symbol \"Invalid\""), {m_power});
    }
    m_factor = m_power;
    step(N_("Factor = %1, the exponent looked up"), {m_factor});
    writeAllFields();
}

void Prefixes::OnClearData() {
    readAllFields();
    clearAllFields();
}

void Prefixes::OnPlusMinus() {
    readAllFields();
    const int before = m_power;
    m_power = negated(m_power);
    if (m_power == before && before != 0) {
        step(N_("%1 has no opposite among the integers the field holds: it stays %2"), {before, m_power});
    } else {
        step(N_("Power of ten = −(%1) = %2; nothing is looked up"), {before, m_power});
    }
    writeAllFields();
}

void Prefixes::OnKeypadPower(int controlId) {
    readAllFields();
    for (const Key& key : kKeypad) {
        if (key.controlId == controlId) {
            m_power = key.exponent;
            step(N_("Power of ten = %1 (%2); nothing is looked up"), {m_power, controlName(controlId)});
        }
    }
    writeAllFields();
}
