#include "solvers/prefixes.h"

#include <algorithm>
#include <array>

namespace {

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

constexpr const char* kInvalid = "Invalid";

struct Key {
    int controlId;
    int exponent;
};

// The keypad's ids are not contiguous, so each button is a row of its own.
constexpr std::array<Key, 10> kKeypad{{
    {1003, 1},
    {1004, 2},
    {1005, 3},
    {1006, 6},
    {1007, 9},
    {1008, 12},
    {1014, 15},
    {1015, 18},
    {1016, 21},
    {1017, 24},
}};

// Two's-complement negation: the lowest int has no opposite and stays as it
// is, computed in unsigned arithmetic so that it is not undefined behaviour.
int negated(int value) {
    return static_cast<int>(0u - static_cast<unsigned>(value));
}

}  // namespace

Prefixes::Prefixes() {
    bind(1012, m_prefix);
    bind(1013, m_symbol);
    bind(1010, m_power);
    bind(1011, m_factor);
}

std::span<const MessageEntry<Prefixes>> Prefixes::messageMap() {
    static constexpr std::array<MessageEntry<Prefixes>, 15> kMap{{
        {1000, &Prefixes::OnLookUp},
        {1019, &Prefixes::OnLookUp},
        {1001, &Prefixes::OnClearData},
        {1002, &Prefixes::OnPlusMinus},
        {1018, &Prefixes::OnPlusMinus},
        {1003, &Prefixes::OnKeypadPower},
        {1004, &Prefixes::OnKeypadPower},
        {1005, &Prefixes::OnKeypadPower},
        {1006, &Prefixes::OnKeypadPower},
        {1007, &Prefixes::OnKeypadPower},
        {1008, &Prefixes::OnKeypadPower},
        {1014, &Prefixes::OnKeypadPower},
        {1015, &Prefixes::OnKeypadPower},
        {1016, &Prefixes::OnKeypadPower},
        {1017, &Prefixes::OnKeypadPower},
    }};
    return kMap;
}

void Prefixes::OnLookUp() {
    readAllFields();
    const auto* found = std::find_if(kPrefixes.begin(), kPrefixes.end(),
                                     [this](const Prefix& prefix) { return prefix.exponent == m_power; });
    if (found != kPrefixes.end()) {
        m_prefix = found->name;
        m_symbol = found->symbol;
    } else {
        m_prefix = kInvalid;
        m_symbol = kInvalid;
    }
    m_factor = m_power;
    writeAllFields();
}

void Prefixes::OnClearData() {
    readAllFields();
    m_power = 0;
    m_factor = 0;
    m_prefix.clear();
    m_symbol.clear();
    writeAllFields();
}

void Prefixes::OnPlusMinus() {
    readAllFields();
    m_power = negated(m_power);
    writeAllFields();
}

void Prefixes::OnKeypadPower(int controlId) {
    readAllFields();
    for (const Key& key : kKeypad) {
        if (key.controlId == controlId) {
            m_power = key.exponent;
        }
    }
    writeAllFields();
}
