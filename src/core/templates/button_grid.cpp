// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/templates/button_grid.h"

#include <cstdlib>
#include <string>

#include "core/templates/dialog_template.h"
#include "core/text/pattern.h"

namespace {

const GridButton* findButton(std::span<const GridButton> buttons, int id) {
    for (const GridButton& button : buttons) {
        if (button.id == id) {
            return &button;
        }
    }
    return nullptr;
}

// The nearest button along the row (dRow 0) or in the nearest other row with
// buttons in the direction of dRow; nullptr when there is none.
const GridButton* nearest(std::span<const GridButton> buttons, const GridButton& from, int dRow,
                          int dColumn) {
    const GridButton* best = nullptr;
    const auto better = [&](const GridButton& b) {
        if (best == nullptr) {
            return true;
        }
        const int rowGap = std::abs(b.row - from.row);
        const int bestRowGap = std::abs(best->row - from.row);
        if (rowGap != bestRowGap) {
            return rowGap < bestRowGap;
        }
        const int gap = std::abs(b.column - from.column);
        const int bestGap = std::abs(best->column - from.column);
        return gap < bestGap || (gap == bestGap && b.column < best->column);
    };
    for (const GridButton& b : buttons) {
        const bool candidate = dRow == 0 ? b.row == from.row && (b.column - from.column) * dColumn > 0
                                         : (b.row - from.row) * dRow > 0;
        if (candidate && better(b)) {
            best = &b;
        }
    }
    return best;
}

}  // namespace

int ButtonGrid::neighbour(int id, GridMove move) const {
    const GridButton* from = findButton(buttons_, id);
    if (from == nullptr) {
        return kNoId;
    }
    const GridButton* to = nullptr;
    switch (move) {
        case GridMove::Left:
            to = nearest(buttons_, *from, 0, -1);
            break;
        case GridMove::Right:
            to = nearest(buttons_, *from, 0, 1);
            break;
        case GridMove::Up:
            to = nearest(buttons_, *from, -1, 0);
            break;
        case GridMove::Down:
            to = nearest(buttons_, *from, 1, 0);
            break;
    }
    return to != nullptr ? to->id : id;
}

std::string_view TypeAhead::type(char key, Clock::time_point now) {
    if (now - last_ > kPause) {
        typed_.clear();
    }
    typed_ += key;
    last_ = now;
    return typed_;
}

std::string ButtonGrid::description(const Description& parts, std::string_view words) {
    return parts.pattern != nullptr ? pattern::fill(words, {parts.word, std::to_string(parts.number)}) : "";
}

std::string ButtonGrid::description(int id) const {
    const Description parts = descriptionParts(id);
    return description(parts, parts.pattern != nullptr ? parts.pattern : "");
}
