#include "converters/energy.h"

#include <array>

namespace {

using conversion::input;
using conversion::result;

constexpr auto x = input();
constexpr auto J = result(0);

// Every row goes through joules, with 0.239 cal/J and 0.738 ft-lb/J.
// clang-format off
constexpr std::array<Energy::Row, 5> kRows{{
    //      J (1011)           erg (1012)        cal (1013)    ftlb (1014)   kWh (1017)
    {1022, {x,                 x * 10000000,     x * 0.239,    x * 0.738,    x / 3600000}},
    {1023, {x / 10000000,      x,                J * 0.239,    J * 0.738,    J / 3600000}},
    {1024, {x / 0.239,         J * 10000000,     x,            J * 0.738,    J / 3600000}},
    {1025, {x / 0.738,         J * 10000000,     J * 0.239,    x,            J / 3600000}},
    {1026, {x * 3600000,       J * 10000000,     J * 0.239,    J * 0.738,    x}},
}};
// clang-format on
static_assert(conversion::wellFormed(kRows));

}  // namespace

Energy::Energy()
    : UnitConverter(kRows, {&m_input, {&m_J, &m_erg, &m_cal, &m_ftlb, &m_kWh}, {}}, ClearList::Everything) {
    bind(1010, m_input);
    bind(1011, m_J);
    bind(1012, m_erg);
    bind(1013, m_cal);
    bind(1014, m_ftlb);
    bind(1017, m_kWh);
}

std::span<const MessageEntry<Energy>> Energy::messageMap() {
    static constexpr std::array<MessageEntry<Energy>, 2> kMap{{
        {1022, 1026, &Energy::OnUnitButton},
        {1001, &Energy::OnClearData},
    }};
    return kMap;
}
