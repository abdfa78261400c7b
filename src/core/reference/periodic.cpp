// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/reference/periodic.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <string_view>
#include <utility>

#include "core/reference/periodic_grid.h"
#include "core/templates/button_grid.h"

namespace {

using enum Periodic::Control;
using K = ControlKind;

// Everything of the periodic table window but its buttons. The two row
// labels end at one edge just left of the lower rows; the data fields are
// read-only, as the program has nothing to take from them.
constexpr auto kRest = std::to_array<ControlTemplate>({
    {kNoId, K::Label, "LANTHANIDES", 47, 166, 53, 8, cf::KeepOrder},
    {kNoId, K::Label, "ACTINIDES", 60, 186, 40, 8, cf::KeepOrder},
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

constexpr const char* symbolOf(const periodic::Cell& cell) {
    return periodic::element(cell.number).symbol;
}

// The element buttons come first, row by row and left to right as the table
// is read, so the window opens with the focus on "H" and Tab walks the table
// in reading order before it reaches the data box.
constexpr auto makeControls() {
    std::array<ControlTemplate, periodic::kGrid.size() + kRest.size()> controls{};
    std::size_t i = 0;
    for (const periodic::Cell& cell : periodic::kGrid) {
        controls[i++] = {cell.id,
                         K::PushButton,
                         symbolOf(cell),
                         periodic::cellX(cell),
                         periodic::cellY(cell),
                         periodic::kButtonWidth,
                         periodic::kButtonHeight,
                         style::kButton | cf::KeepOrder,
                         symbolOf(cell)};
    }
    for (const ControlTemplate& control : kRest) {
        controls[i++] = control;
    }
    return controls;
}

constexpr auto kControls = makeControls();

// One entry per button, straight from the grid: the ids are scattered and two
// of them inside the button range belong to fields, so no id range would do.
constexpr auto kMessageMap = []<std::size_t... I>(std::index_sequence<I...>) {
    return std::array{MessageEntry<Periodic>{periodic::kGrid[I].id, &Periodic::OnElement}...};
}
(std::make_index_sequence<periodic::kGrid.size()>{});

constexpr auto kGridButtons = []<std::size_t... I>(std::index_sequence<I...>) {
    return std::array{
        GridButton{periodic::kGrid[I].id, periodic::kGrid[I].row, periodic::kGrid[I].column}...};
}
(std::make_index_sequence<periodic::kGrid.size()>{});

const periodic::Cell* cellOf(int number) {
    for (const periodic::Cell& cell : periodic::kGrid) {
        if (cell.number == number) {
            return &cell;
        }
    }
    return nullptr;
}

bool sameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The table as the keyboard walks it: by rows and columns as drawn, and by
// typing a symbol or the start of a name.
class ElementGrid final : public ButtonGrid {
public:
    constexpr ElementGrid() : ButtonGrid(kGridButtons) {}

    // A whole symbol wins over the start of a name ("c" is carbon, not
    // calcium; "fe" iron); among names the lowest atomic number wins.
    int find(std::string_view typed) const override {
        if (typed.empty()) {
            return kNoId;
        }
        for (const periodic::Element& element : periodic::kElements) {
            if (sameLetters(typed, element.symbol)) {
                return cellOf(element.number)->id;
            }
        }
        for (const periodic::Element& element : periodic::kElements) {
            const std::string_view name = element.name;
            if (sameLetters(typed, name.substr(0, typed.size()))) {
                return cellOf(element.number)->id;
            }
        }
        return kNoId;
    }

    Description descriptionParts(int id) const override {
        const periodic::Cell* cell = periodic::findCell(id);
        if (cell == nullptr) {
            return {};
        }
        return {"%1, atomic number %2", periodic::element(cell->number).name, cell->number};
    }
};

constexpr ElementGrid kElementGrid;

}  // namespace

const DialogTemplate Periodic::kTemplate{
    177, "Periodic Table of Elements", 444, 254, DialogStyle::Tool, kControls, &kElementGrid, nullptr, true};

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
    readAllFields();
    const periodic::Cell* cell = periodic::findCell(id);
    if (cell == nullptr) {
        return;
    }
    const periodic::Element& element = periodic::element(cell->number);
    m_symbol = element.symbol;
    m_name = element.name;
    m_atomicWeight = element.atomicWeight;
    m_atomicNumber = std::to_string(element.number);
    writeAllFields();
}
