// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <string_view>

#include "core/reference/periodic_grid.h"

// The periodic table's button for the element with this symbol ("Fe"), or 0.
constexpr int elementButton(std::string_view symbol) {
    for (const periodic::Element& element : periodic::kElements) {
        if (symbol == element.symbol) {
            for (const periodic::Cell& cell : periodic::kGrid) {
                if (cell.number == element.number) {
                    return cell.id;
                }
            }
        }
    }
    return 0;
}
