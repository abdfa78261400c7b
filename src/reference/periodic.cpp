#include "reference/periodic.h"

#include <array>
#include <utility>

#include "reference/periodic_grid.h"

namespace {

constexpr MessageEntry<Periodic> entryFor(const periodic::Cell& cell) {
    switch (cell.kind) {
        case periodic::CellKind::Unnamed:
            return {cell.id, &Periodic::OnUnnamedElement};
        case periodic::CellKind::Empty:
            return {cell.id, &Periodic::OnEmptyElement};
        case periodic::CellKind::Element:
            break;
    }
    return {cell.id, &Periodic::OnElement};
}

// One entry per button, straight from the grid: the ids are scattered and two
// of them inside the button range belong to fields, so no id range would do.
constexpr auto kMessageMap = []<std::size_t... I>(std::index_sequence<I...>) {
    return std::array{entryFor(periodic::kGrid[I])...};
}
(std::make_index_sequence<periodic::kGrid.size()>{});

}  // namespace

Periodic::Periodic() {
    bind(kSymbolField, m_symbol);
    bind(kNameField, m_name);
    bind(kAtomicWeightField, m_atomicWeight);
    bind(kAtomicNumberField, m_atomicNumber);
}

std::span<const MessageEntry<Periodic>> Periodic::messageMap() {
    return kMessageMap;
}

void Periodic::OnElement(int id) {
    const periodic::Cell* cell = periodic::findCell(id);
    show(cell != nullptr ? cell->caption : "", "", "", "");
}

void Periodic::OnUnnamedElement() {
    show("Unnamed", "", "", "");
}

void Periodic::OnEmptyElement() {
    show("Empty", "Empty", "Empty", "Empty");
}

void Periodic::show(std::string symbol, std::string name, std::string atomicWeight,
                    std::string atomicNumber) {
    readAllFields();
    m_symbol = std::move(symbol);
    m_name = std::move(name);
    m_atomicWeight = std::move(atomicWeight);
    m_atomicNumber = std::move(atomicNumber);
    writeAllFields();
}
