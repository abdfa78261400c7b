#include "converters/weight.h"

#include <array>

namespace {

using conversion::input;
using conversion::result;

constexpr auto x = input();
constexpr auto g = result(0);
constexpr auto kg = result(1);

// 2.21 lb/kg one way and 0.45 kg/lb the other; ounces reach pounds as
// x * 2.21 / 35, not x / 16.
// clang-format off
constexpr std::array<Weight::Row, 4> kRows{{
    //      g (1011)       kg (1012)      lb (1013)        oz (1014)
    {1022, {x,             x / 1000,      kg * 2.21,       x * 0.035}},
    {1023, {x * 1000,      x,             x * 2.21,        g * 0.035}},
    {1024, {kg * 1000,     x * 0.45,      x,               g * 0.035}},
    {1025, {x * 28.35,     g / 1000,      x * 2.21 / 35,   x}},
}};
// clang-format on
static_assert(conversion::wellFormed(kRows));

}  // namespace

// Unlike the other converters, Clear Data keeps the input.
Weight::Weight() : UnitConverter(kRows, {&m_input, {&m_g, &m_kg, &m_lb, &m_oz}, {}}, ClearList::ResultsOnly) {
    bind(1010, m_input);
    bind(1011, m_g);
    bind(1012, m_kg);
    bind(1013, m_lb);
    bind(1014, m_oz);
}

std::span<const MessageEntry<Weight>> Weight::messageMap() {
    static constexpr std::array<MessageEntry<Weight>, 2> kMap{{
        {1022, 1025, &Weight::OnUnitButton},
        {1000, &Weight::OnClearData},
    }};
    return kMap;
}
