#include "core/reference/periodic.h"

#include <array>
#include <cstddef>
#include <utility>

#include "core/reference/periodic_grid.h"

namespace {

using enum Periodic::Control;
using K = ControlKind;

// Everything of the periodic table window but its buttons. The two row
// labels end at one edge just left of the lower rows; the data fields are
// read-only, as the program has nothing to take from them.
constexpr auto kRest = std::to_array<ControlTemplate>({
    {kNoId, K::Label, "LANTHANIDES", 47, 166, 53, 8, 0},
    {kNoId, K::Label, "ACTINIDES", 60, 186, 40, 8, 0},
    {kNoId, K::GroupBox, "Element's Data:", 7, 200, 430, 47, 0},
    {kNoId, K::Label, "Symbol:", 13, 215, 26, 8, 0},
    {kSymbolField, K::Edit, "", 42, 215, 40, 12, style::kInputField | cf::ReadOnly, "Symbol"},
    {kNoId, K::Label, "Name:", 13, 229, 26, 8, 0},
    {kNameField, K::Edit, "", 42, 229, 40, 12, style::kInputField | cf::ReadOnly, "Name"},
    {kNoId, K::Label, "Atomic Weight:", 88, 215, 56, 8, 0},
    {kAtomicWeightField, K::Edit, "", 147, 215, 40, 12, style::kInputField | cf::ReadOnly, "Atomic Weight"},
    {kNoId, K::Label, "Atomic Number:", 88, 229, 56, 8, 0},
    {kAtomicNumberField, K::Edit, "", 147, 229, 40, 12, style::kInputField | cf::ReadOnly, "Atomic Number"},
});

// The element buttons come first, row by row and left to right as the table
// is read, so the window opens with the focus on "H" and Tab walks the table
// in reading order before it reaches the data box.
constexpr auto makeControls() {
    std::array<ControlTemplate, periodic::kGrid.size() + kRest.size()> controls{};
    std::size_t i = 0;
    for (const periodic::Cell& cell : periodic::kGrid) {
        controls[i++] = {cell.id,
                         K::PushButton,
                         cell.caption,
                         periodic::cellX(cell),
                         periodic::cellY(cell),
                         periodic::kButtonWidth,
                         periodic::kButtonHeight,
                         style::kButton,
                         cell.kind == periodic::CellKind::Element ? cell.caption : cell.name};
    }
    for (const ControlTemplate& control : kRest) {
        controls[i++] = control;
    }
    return controls;
}

constexpr auto kControls = makeControls();

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

const DialogTemplate Periodic::kTemplate{177,      "Periodic Table of Elements", 444, 254, DialogStyle::Tool,
                                         kControls};

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
