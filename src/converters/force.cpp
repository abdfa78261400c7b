#include "converters/force.h"

#include <array>

namespace {

using conversion::input;
using conversion::result;

constexpr auto x = input();
constexpr auto N = result(0);
constexpr auto lb = result(2);

// 0.225 lbf per newton; the tons row reaches newtons and dynes through pounds.
// clang-format off
constexpr std::array<Force::Row, 4> kRows{{
    //      N (1011)       dyn (1012)       lb (1013)      ton (1014)
    {1022, {x,             x * 100000,      x * 0.225,     lb / 2000}},
    {1023, {x / 100000,    x,               N * 0.225,     lb / 2000}},
    {1024, {x / 0.225,     N * 100000,      x,             x / 2000}},
    {1025, {lb / 0.225,    N * 100000,      x * 2000,      x}},
}};
// clang-format on
static_assert(conversion::wellFormed(kRows));

}  // namespace

Force::Force() : UnitConverter(kRows, {&m_input, {&m_N, &m_dyn, &m_lb, &m_ton}, {}}, ClearList::Everything) {
    bind(1010, m_input);
    bind(1011, m_N);
    bind(1012, m_dyn);
    bind(1013, m_lb);
    bind(1014, m_ton);
}

std::span<const MessageEntry<Force>> Force::messageMap() {
    static constexpr std::array<MessageEntry<Force>, 2> kMap{{
        {1022, 1025, &Force::OnUnitButton},
        {1001, &Force::OnClearData},
    }};
    return kMap;
}
