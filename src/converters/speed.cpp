#include "converters/speed.h"

#include <array>

namespace {

using conversion::input;
using conversion::result;

constexpr auto x = input();
constexpr auto ms = result(0);

// 0.278 m/s per km/h is the converter's own factor, not 1/3.6.
// clang-format off
constexpr std::array<Speed::Row, 4> kRows{{
    //      m/s (1011)   ft/s (1012)   mi/h (1013)   km/h (1014)
    {1022, {x,           x * 3.28,     x * 2.24,     x / 0.278}},
    {1023, {x / 3.28,    x,            ms * 2.24,    ms / 0.278}},
    {1024, {x / 2.24,    ms * 3.28,    x,            x / 0.621}},
    {1025, {x * 0.278,   ms * 3.28,    x * 0.621,    x}},
}};
// clang-format on
static_assert(conversion::wellFormed(kRows));

}  // namespace

Speed::Speed()
    : UnitConverter(kRows, {&m_input, {&m_ms, &m_fts, &m_mih, &m_kmh}, {}}, ClearList::Everything) {
    bind(1010, m_input);
    bind(1011, m_ms);
    bind(1012, m_fts);
    bind(1013, m_mih);
    bind(1014, m_kmh);
}

std::span<const MessageEntry<Speed>> Speed::messageMap() {
    static constexpr std::array<MessageEntry<Speed>, 2> kMap{{
        {1022, 1025, &Speed::OnUnitButton},
        {1001, &Speed::OnClearData},
    }};
    return kMap;
}
