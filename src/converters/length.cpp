#include "converters/length.h"

#include <array>

namespace {

using conversion::input;
using conversion::result;

constexpr auto x = input();
constexpr auto m = result(0);
constexpr auto in = result(2);
constexpr auto ft = result(3);
constexpr auto mi = result(4);

// The rounded factors (39.4 in/m, 3.28 ft/m, 1610 m/mi, 1.61 km/mi) are the
// converter's own; the rows are therefore not exact inverses of each other.
// clang-format off
constexpr std::array<Length::Row, 7> kRows{{
    //      m (1011)      cm (1012)     in (1013)   ft (1014)   mi (1017)     km (1016)    ly (1018)
    {1022, {x,            x * 100,      x * 39.4,   x * 3.28,   x / 1610,     x / 1000,    x / 9.46e15}},
    {1023, {x / 100,      x,            x * 0.394,  x * 0.0328, x / 161000,   x / 100000,  x / 9.46e17}},
    {1024, {x / 39.4,     x * 2.54,     x,          x / 12,     ft / 5280,    m / 1000,    m / 9.46e15}},
    {1025, {x / 3.28,     x / 0.0328,   x * 12,     x,          x / 5280,     mi * 1.61,   m / 9.46e15}},
    {1026, {x * 1610,     x * 161000,   ft * 12,    x * 5280,   x,            x * 1.61,    m / 9.46e15}},
    {1027, {x * 1000,     x * 100000,   x * 39400,  x * 3280,   x / 1.61,     x,           x / 9.46e12}},
    {1053, {x * 9.46e15,  m * 100,      m * 39.4,   in / 12,    ft / 5280,    m / 1000,    x}},
}};
// clang-format on
static_assert(conversion::wellFormed(kRows));

}  // namespace

Length::Length()
    : UnitConverter(kRows, {&m_input, {&m_m, &m_cm, &m_in, &m_ft, &m_mi, &m_km, &m_ly}, {}},
                    ClearList::Everything) {
    bind(1010, m_input);
    bind(1011, m_m);
    bind(1012, m_cm);
    bind(1013, m_in);
    bind(1014, m_ft);
    bind(1017, m_mi);
    bind(1016, m_km);
    bind(1018, m_ly);
}

std::span<const MessageEntry<Length>> Length::messageMap() {
    static constexpr std::array<MessageEntry<Length>, 3> kMap{{
        {1022, 1027, &Length::OnUnitButton},
        {1053, &Length::OnUnitButton},
        {1001, &Length::OnClearData},
    }};
    return kMap;
}
