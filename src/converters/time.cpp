#include "converters/time.h"

#include <array>

namespace {

using conversion::input;
using conversion::result;

constexpr auto x = input();
constexpr auto min = result(1);
constexpr auto h = result(2);
constexpr auto d = result(3);

// A month is 30.4375 days (365.25 / 12); the month and year rows use the
// products of those numbers as single constants.
// clang-format off
constexpr std::array<Time::Row, 6> kRows{{
    //      s (1011)         min (1012)     h (1013)       d (1014)        mo (1017)        yr (1016)
    {1022, {x,               x / 60,        min / 60,      h / 24,         d / 30.4375,     d / 365.25}},
    {1023, {x * 60,          x,             x / 60,        h / 24,         d / 30.4375,     d / 365.25}},
    {1024, {x * 3600,        x * 60,        x,             x / 24,         d / 30.4375,     d / 365.25}},
    {1025, {x * 86400,       x * 1440,      x * 24,        x,              x / 30.4375,     x / 365.25}},
    {1026, {x * 2629800,     x * 43830,     x * 730.5,     x * 30.4375,    x,               x / 12}},
    {1027, {x * 31557600,    x * 525960,    x * 8766,      x * 365.25,     x * 12,          x}},
}};
// clang-format on
static_assert(conversion::wellFormed(kRows));

}  // namespace

Time::Time()
    : UnitConverter(kRows, {&m_input, {&m_s, &m_min, &m_h, &m_d, &m_mo, &m_yr}, {}}, ClearList::Everything) {
    bind(1010, m_input);
    bind(1011, m_s);
    bind(1012, m_min);
    bind(1013, m_h);
    bind(1014, m_d);
    bind(1017, m_mo);
    bind(1016, m_yr);
}

std::span<const MessageEntry<Time>> Time::messageMap() {
    static constexpr std::array<MessageEntry<Time>, 2> kMap{{
        {1022, 1027, &Time::OnUnitButton},
        {1001, &Time::OnClearData},
    }};
    return kMap;
}
