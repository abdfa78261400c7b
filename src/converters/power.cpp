#include "converters/power.h"

#include <array>

namespace {

using conversion::input;
using conversion::result;

constexpr auto x = input();
constexpr auto hp = result(0);

// 746 W (not 745.7) and 550 ft-lb/s to the horsepower.
// clang-format off
constexpr std::array<Power::Row, 3> kRows{{
    //      hp (1011)    W (1012)      ftlbs (1013)
    {1022, {x,           x * 746,      x * 550}},
    {1023, {x / 746,     x,            hp * 550}},
    {1024, {x / 550,     hp * 746,     x}},
}};
// clang-format on
static_assert(conversion::wellFormed(kRows));

}  // namespace

Power::Power() : UnitConverter(kRows, {&m_input, {&m_hp, &m_W, &m_ftlbs}, {}}, ClearList::Everything) {
    bind(1010, m_input);
    bind(1011, m_hp);
    bind(1012, m_W);
    bind(1013, m_ftlbs);
}

std::span<const MessageEntry<Power>> Power::messageMap() {
    static constexpr std::array<MessageEntry<Power>, 2> kMap{{
        {1022, 1024, &Power::OnUnitButton},
        {1001, &Power::OnClearData},
    }};
    return kMap;
}
