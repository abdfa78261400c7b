// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <chrono>
#include <span>
#include <string>
#include <string_view>

// Buttons that stand in rows and columns, as a table is drawn: the arrow keys
// move along the rows and between them, and typing the start of a button's
// name moves to it. Rows count from the top, columns from the left; a row
// need not be full, nor hold the same columns as its neighbours.
struct GridButton {
    int id;
    int row;
    int column;
};

enum class GridMove { Left, Right, Up, Down };

class ButtonGrid {
public:
    constexpr explicit ButtonGrid(std::span<const GridButton> buttons) : buttons_(buttons) {}

    std::span<const GridButton> buttons() const { return buttons_; }

    // Where an arrow key goes from button `id`: Left and Right to the next
    // button in its row, Up and Down to the nearest column of the next row
    // that has buttons (the left one of two equally near). `id` itself at
    // the table's edge; kNoId for an id that is no button of the grid.
    int neighbour(int id, GridMove move) const;

    // The button that a typed text names (any case); kNoId when none does.
    virtual int find(std::string_view typed) const = 0;
    // What a screen reader tells of a button besides its caption, as a
    // pattern whose "%1" takes a word and "%2" a number ("%1, atomic number
    // %2", "Gold", 79): the pattern is translated, the word is the table's.
    struct Description {
        const char* pattern = nullptr;  // none: nothing to tell
        const char* word = "";
        int number = 0;
    };
    virtual Description descriptionParts(int id) const = 0;
    // The description put together ("Gold, atomic number 79") with words, the
    // pattern as the user reads it; empty for none.
    static std::string description(const Description& parts, std::string_view words);
    // The same in the pattern's own words.
    std::string description(int id) const;

protected:
    ~ButtonGrid() = default;

private:
    std::span<const GridButton> buttons_;
};

// The text that keys typed in quick succession spell: a key typed within a
// second of the one before adds to it, a later one starts afresh.
class TypeAhead {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kPause{1000};

    std::string_view type(char key, Clock::time_point now);

private:
    std::string typed_;
    Clock::time_point last_{};
};
