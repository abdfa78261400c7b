#include "converters/degrees.h"

#include <array>

namespace {

using conversion::input;
using conversion::result;

constexpr auto x = input();
constexpr auto c = result(0);  // the Celsius value written first, reused for the second result

// 5/9 is its nearest double written out, and the Kelvin row multiplies by 1.8
// where the Celsius row divides by 5: the three rows round differently.
// clang-format off
constexpr std::array<Degrees::Row, 3> kRows{{
    //      first (1011)                     second (1012)       first unit   second unit
    {1022, {x * 9 / 5 + 32,                   x + 273.15},        {"Farengeit", "Kelvin"}},
    {1023, {(x - 32) * 0.5555555555555556,    c + 273.15},        {"Celcius", "Kelvin"}},
    {1024, {x - 273.15,                       c * 1.8 + 32},      {"Celcius", "Farengeit"}},
}};
// clang-format on
static_assert(conversion::wellFormed(kRows));

}  // namespace

Degrees::Degrees()
    : UnitConverter(kRows, {&m_input, {&m_first, &m_second}, {&m_firstUnit, &m_secondUnit}},
                    ClearList::Everything) {
    bind(1010, m_input);
    bind(1011, m_first);
    bind(1012, m_second);
    bind(1013, m_firstUnit);
    bind(1014, m_secondUnit);
}

std::span<const MessageEntry<Degrees>> Degrees::messageMap() {
    static constexpr std::array<MessageEntry<Degrees>, 2> kMap{{
        {1022, 1024, &Degrees::OnUnitButton},
        {1000, &Degrees::OnClearData},
    }};
    return kMap;
}
