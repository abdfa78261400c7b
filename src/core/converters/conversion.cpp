// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/converters/conversion.h"

#include <array>
#include <optional>

#include "core/steps/step_recorder.h"

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

bool additive(Op op) {
    return op == Op::Add || op == Op::Subtract;
}

// The operator between two terms, with the bracket that closes what came
// before it where that is added and this multiplies: (x - 32) * 0.5555...
std::string_view operatorText(const Formula& formula, std::size_t i) {
    const bool closes = i > 0 && additive(formula.steps[i - 1].op) && !additive(formula.steps[i].op);
    switch (formula.steps[i].op) {
        case Op::Add:
            return " + ";
        case Op::Subtract:
            return " − ";
        case Op::Multiply:
            return closes ? ") × " : " × ";
        case Op::Divide:
            return closes ? ") ÷ " : " ÷ ";
    }
    return " ";
}

std::string_view opening(const Formula& formula) {
    constexpr std::string_view kBrackets = "((";
    std::size_t count = 0;
    for (std::size_t i = 1; i < formula.stepCount; ++i) {
        count += additive(formula.steps[i - 1].op) && !additive(formula.steps[i].op) ? 1 : 0;
    }
    return kBrackets.substr(0, count);
}

// label = formula = the same with its numbers = result, left to right as computed.
void record(const RowSteps& steps, std::span<const Formula> formulas, std::size_t column, double source,
            double result) {
    const Formula& formula = formulas[column];
    static constexpr std::array<std::string_view, kMaxSteps + 1> kPatterns{
        "%1 = %2%3 = %4",
        "%1 = %2%3%4%5 = %6%7%8%9 = %10",
        "%1 = %2%3%4%5%6%7 = %8%9%10%11%12%13 = %14",
        "%1 = %2%3%4%5%6%7%8%9 = %10%11%12%13%14%15%16%17 = %18",
    };
    const std::string_view name = formula.source == kInput
                                      ? std::string_view("x")
                                      : steps.labels[static_cast<std::size_t>(formula.source)];
    const std::size_t values = formula.stepCount == 0 ? 4 : 3 + 4 * formula.stepCount + 3;
    const std::span<StepArg> args = steps.recorder.begin(kPatterns[formula.stepCount], values);
    if (args.empty()) {
        return;
    }
    std::size_t count = 0;
    args[count++] = steps.labels[column];
    for (const StepArg& start : {StepArg(name), StepArg(source)}) {
        args[count++] = opening(formula);
        args[count++] = start;
        for (std::size_t i = 0; i < formula.stepCount; ++i) {
            args[count++] = operatorText(formula, i);
            args[count++] = formula.steps[i].operand;
        }
        if (formula.stepCount == 0) {
            break;  // the value itself: label = x = value
        }
    }
    args[count++] = StepArg::shown(result);
}

double evaluate(std::span<const Formula> formulas, double x, std::span<std::optional<double>> done,
                std::size_t column, const RowSteps* steps) {
    if (!done[column]) {
        const Formula& formula = formulas[column];
        const double source =
            formula.source == kInput
                ? x
                : evaluate(formulas, x, done, static_cast<std::size_t>(formula.source), steps);
        double value = source;
        for (std::size_t i = 0; i < formula.stepCount; ++i) {
            value = applyStep(value, formula.steps[i]);
        }
        done[column] = value;
        if (steps != nullptr) {
            record(*steps, formulas, column, source, value);
        }
    }
    return *done[column];
}

}  // namespace

void computeRow(std::span<const Formula> formulas, double x, std::span<double> results,
                const RowSteps* steps) {
    std::array<std::optional<double>, kMaxValues> done{};
    for (std::size_t column = 0; column < formulas.size() && column < results.size() && column < kMaxValues;
         ++column) {
        results[column] = evaluate(formulas, x, done, column, steps);
    }
}

}  // namespace conversion
