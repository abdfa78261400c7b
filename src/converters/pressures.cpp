#include "converters/pressures.h"

#include <array>

namespace {

using conversion::input;
using conversion::result;

constexpr auto x = input();
constexpr auto mmHg = result(1);
constexpr auto Pa = result(3);

// mm Hg and torr are one unit here, as are Pa and N/m^2. Quotients come after
// the product: x * 760 / 101325 is (x * 760) / 101325.
// clang-format off
constexpr std::array<Pressures::Row, 6> kRows{{
    //      atm (1011)    mmHg (1012)         torr (1013)  Pa (1014)          kPa (1017)          Nm2 (1016)
    {1022, {x,            x * 760,            x * 760,     x * 101325,        x * 101.325,       x * 101325}},
    {1023, {x / 760,      x,                  x,           x * 101325 / 760,  x * 101.325 / 760,  Pa}},
    {1024, {x / 760,      x,                  x,           x * 101325 / 760,  x * 101.325 / 760,  Pa}},
    {1025, {x / 101325,   x * 760 / 101325,   mmHg,        x,                 x / 1000,           x}},
    {1026, {x / 101.325,  x * 760 / 101.325,  mmHg,        x * 1000,          x,                  Pa}},
    {1027, {x / 101325,   x * 760 / 101325,   mmHg,        x,                 x / 1000,           x}},
}};
// clang-format on
static_assert(conversion::wellFormed(kRows));

}  // namespace

Pressures::Pressures()
    : UnitConverter(kRows, {&m_input, {&m_atm, &m_mmHg, &m_torr, &m_Pa, &m_kPa, &m_Nm2}, {}},
                    ClearList::Everything) {
    bind(1010, m_input);
    bind(1011, m_atm);
    bind(1012, m_mmHg);
    bind(1013, m_torr);
    bind(1014, m_Pa);
    bind(1017, m_kPa);
    bind(1016, m_Nm2);
}

std::span<const MessageEntry<Pressures>> Pressures::messageMap() {
    static constexpr std::array<MessageEntry<Pressures>, 2> kMap{{
        {1022, 1027, &Pressures::OnUnitButton},
        {1000, &Pressures::OnClearData},
    }};
    return kMap;
}
