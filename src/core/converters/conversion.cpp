// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/converters/conversion.h"

#include <optional>
#include <vector>

namespace conversion {

namespace {

double applyStep(double value, const Step& step) {
    switch (step.op) {
        case Op::Add:
            return value + step.operand;
        case Op::Subtract:
            return value - step.operand;
        case Op::Multiply:
            return value * step.operand;
        case Op::Divide:
            return value / step.operand;
    }
    return value;
}

double evaluate(std::span<const Formula> formulas, double x, std::vector<std::optional<double>>& done,
                std::size_t column) {
    if (!done[column]) {
        const Formula& formula = formulas[column];
        double value = formula.source == kInput
                           ? x
                           : evaluate(formulas, x, done, static_cast<std::size_t>(formula.source));
        for (std::size_t i = 0; i < formula.stepCount; ++i) {
            value = applyStep(value, formula.steps[i]);
        }
        done[column] = value;
    }
    return *done[column];
}

}  // namespace

void computeRow(std::span<const Formula> formulas, double x, std::span<double> results) {
    std::vector<std::optional<double>> done(formulas.size());
    for (std::size_t column = 0; column < formulas.size() && column < results.size(); ++column) {
        results[column] = evaluate(formulas, x, done, column);
    }
}

}  // namespace conversion
