// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <stdexcept>
#include <string_view>

class StepRecorder;

// Conversion rows as data. A formula starts from the input x or from another
// result of its row and applies up to three steps strictly left to right, each
// rounded to double: x * 9 / 5 + 32 is ((x * 9) / 5) + 32, and x / 3.28 is
// never turned into x * (1 / 3.28). The operators below only record the steps,
// so a table written with them reads exactly like the unit table it encodes.
namespace conversion {

enum class Op : unsigned char { Add, Subtract, Multiply, Divide };

struct Step {
    Op op = Op::Add;
    double operand = 0;
};

inline constexpr int kInput = -1;
inline constexpr std::size_t kMaxSteps = 3;
// The most results a row has; computing one needs no memory beyond the stack.
inline constexpr std::size_t kMaxValues = 16;

struct Formula {
    int source = kInput;  // kInput, or the column of another result of the row
    std::array<Step, kMaxSteps> steps{};
    std::size_t stepCount = 0;

    constexpr Formula then(Op op, double operand) const {
        if (stepCount == kMaxSteps) {
            throw std::length_error("formula has too many steps");
        }
        Formula next = *this;
        next.steps[stepCount] = Step{op, operand};
        ++next.stepCount;
        return next;
    }
};

constexpr Formula input() {
    return Formula{};
}
constexpr Formula result(int column) {
    return Formula{column};
}

constexpr Formula operator+(const Formula& f, double c) {
    return f.then(Op::Add, c);
}
constexpr Formula operator-(const Formula& f, double c) {
    return f.then(Op::Subtract, c);
}
constexpr Formula operator*(const Formula& f, double c) {
    return f.then(Op::Multiply, c);
}
constexpr Formula operator/(const Formula& f, double c) {
    return f.then(Op::Divide, c);
}

// One unit button's row: a formula per result value, in the order of the
// converter's result values, and the unit names that a converter with name
// fields writes beside them.
template <std::size_t Values, std::size_t Names = 0>
struct Row {
    int buttonId = 0;
    std::array<Formula, Values> values{};
    std::array<const char*, Names> names{};
};

// Computes every result of a row from x. A formula that starts from another
// result takes that result as computed in this row, whatever its column, so a
// row may name a result that stands to its right ('ft * 12' in the miles row).
// results must be as long as formulas, and the row must be well formed.
// With steps, each result is a worked step as it is computed, named by its
// label (one per formula) and written as its formula, then with its numbers.
struct RowSteps {
    StepRecorder& recorder;
    std::span<const std::string_view> labels;
};
void computeRow(std::span<const Formula> formulas, double x, std::span<double> results,
                const RowSteps* steps = nullptr);

// True when every formula starts from x or from a result of its own row
// without going round in a circle, no button has two rows and no row has more
// than kMaxValues results. Checked at compile time for every table, which is
// what lets computeRow recurse freely.
template <std::size_t Values, std::size_t Names, std::size_t Rows>
constexpr bool wellFormed(const std::array<Row<Values, Names>, Rows>& rows) {
    if (Values > kMaxValues) {
        return false;
    }
    for (std::size_t r = 0; r < Rows; ++r) {
        for (std::size_t other = 0; other < r; ++other) {
            if (rows[other].buttonId == rows[r].buttonId) {
                return false;
            }
        }
        for (const Formula& formula : rows[r].values) {
            int source = formula.source;
            for (std::size_t hops = 0; source != kInput; ++hops) {
                if (source < 0 || static_cast<std::size_t>(source) >= Values || hops >= Values) {
                    return false;
                }
                source = rows[r].values[static_cast<std::size_t>(source)].source;
            }
        }
        for (const char* name : rows[r].names) {
            if (name == nullptr) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace conversion
