// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/solvers/falling_product.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/steps/step_recorder.h"
#include "core/steps/wording.h"

// Why this ends, and why it agrees with the plain loop.
//
// Below 2^53 every double g > 1 has an ulp of at most 1, so g - 1 is exact.
// Above 2^54 the ulp is at least 4 and g - 1 rounds back to g. In between the
// ulp is 2, g - 1 is a tie and rounds to the even significand: g = 2^53 + 2m
// with m even stays put, with m odd it drops to 2^53 + 2(m - 1), which either
// is 2^53 or stays put from then on. So a walk down from any g leaves the
// range above 2^53 or gets stuck within two steps (the loops in passesOf and
// aheadOf), and below 2^53 it runs in closed form.
//
// The product loop itself only runs while the result is finite and non-zero.
// Its factors are fl(previous - 1): non-increasing, and inside (-2, 2) each
// step drops by more than 1/2, so at most eight factors lie there. Every other
// factor has a magnitude of at least 2 and at least doubles |result| (rounding
// is monotone). A factor in (-2, 2) that is not 0 is at least 2^-53 in size
// (near 1 the subtraction is exact, elsewhere it is at least 1/2 away from 0),
// so it takes at most 53 binary orders off |result|. A finite non-zero result
// lies within [2^-1074, 2^1024), so after at most 1024 + 1074 + 8 * 53 + 8
// passes the result is 0, infinite or NaN, or the loop has ended.
//
// From there only three things can still happen to it: NaN stays the same
// NaN; each negative factor flips the sign of 0 or infinity; a zero factor
// turns infinity into NaN and leaves 0 as it is. Factors are 0 only when the
// walk hits 1 exactly, and infinite only when n is, in which case the result
// is infinite from the start and never meets a zero. Counting the negative
// factors and spotting the zero among the passes left gives the loop's result
// without running it.

namespace {

constexpr double kExactBelow = 9007199254740992.0;  // 2^53

using Passes = std::optional<std::uint64_t>;  // nothing: the loop never ends

// How many passes a counter starting at count makes while it is above 1.
Passes passesOf(double count) {
    std::uint64_t passes = 0;
    while (count > 1) {
        if (count <= kExactBelow) {
            // Exact steps: count, count - 1, ... down to the first not above 1.
            return passes + static_cast<std::uint64_t>(std::ceil(count)) - 1;
        }
        const double next = count - 1;
        if (next == count) {
            return std::nullopt;
        }
        ++passes;
        count = next;
    }
    return passes;
}

// The factors that follow a given one: how many of them are not negative
// before the first negative one (nothing: none is ever negative), and
// whether the last of those is exactly 0.
struct Ahead {
    Passes nonNegative;
    bool endsOnZero;
};

Ahead aheadOf(double factor) {
    std::uint64_t nonNegative = 0;
    while (!(factor < 0)) {
        if (factor < 1) {
            return {nonNegative, false};
        }
        if (factor <= kExactBelow) {
            const double whole = std::floor(factor);
            return {nonNegative + static_cast<std::uint64_t>(whole), factor == whole};
        }
        const double next = factor - 1;
        if (next == factor) {
            return {std::nullopt, false};
        }
        ++nonNegative;
        factor = next;
    }
    return {nonNegative, false};
}

// The result once it is 0, infinite or NaN, after the passes left.
double settled(double result, double factor, Passes left) {
    if (std::isnan(result)) {
        return result;
    }
    const Ahead ahead = aheadOf(factor);
    if (left) {
        const std::uint64_t all = *left;
        const std::uint64_t nonNegative = ahead.nonNegative ? std::min(*ahead.nonNegative, all) : all;
        if (std::isinf(result) && ahead.endsOnZero && *ahead.nonNegative <= all) {
            return result * 0.0;  // the zero factor; what follows leaves the NaN alone
        }
        return (all - nonNegative) % 2 == 1 ? -result : result;
    }
    if (!ahead.nonNegative) {
        return result;  // positive factors for ever: the value no longer changes
    }
    if (std::isinf(result) && ahead.endsOnZero) {
        return result * 0.0;
    }
    return std::fabs(result);  // negative factors for ever: the sign never settles
}

void note(FallingTrace* trace, double factor) {
    if (trace != nullptr) {
        if (trace->headCount < FallingTrace::kHead) {
            trace->head[trace->headCount++] = factor;
        }
        trace->last = factor;
        ++trace->factors;
    }
}

}  // namespace

double fallingProduct(double n, double r, FallingTrace* trace) {
    double result = n;
    double factor = n;
    note(trace, n);
    Passes left = passesOf(r);
    while (!left || *left > 0) {
        if (!std::isfinite(result) || result == 0) {
            if (trace != nullptr) {
                trace->settled = true;
                trace->settledProduct = result;
                trace->left = left;
            }
            return settled(result, factor, left);
        }
        factor -= 1;
        result *= factor;
        note(trace, factor);
        if (left) {
            --*left;
        }
    }
    return result;
}

void recordFallingProduct(StepRecorder& steps, std::string_view label, const FallingTrace& trace,
                          const StepArg& result) {
    static constexpr std::array<std::string_view, FallingTrace::kHead + 1> kPatterns{
        "%1 = %2",
        "%1 = %2",
        "%1 = %2 × %3 = %4",
        "%1 = %2 × %3 × %4 = %5",
        "%1 = %2 × %3 × %4 × %5 = %6",
        "%1 = %2 × %3 × %4 × %5 × %6 = %7",
    };
    const StepArg product = trace.settled ? StepArg(trace.settledProduct) : result;
    if (trace.factors <= FallingTrace::kHead) {
        std::array<StepArg, FallingTrace::kHead + 2> args;
        std::size_t count = 0;
        args[count++] = label;
        for (std::size_t i = 0; i < trace.headCount && trace.factors > 1; ++i) {
            args[count++] = trace.head[i];
        }
        args[count++] = product;
        steps.add(kPatterns[trace.factors], std::span<const StepArg>(args.data(), count));
    } else {
        steps.add(
            N_("%1 = %2 × %3 × … × %4 (%5 factors) = %6"),
            {label, trace.head[0], trace.head[1], trace.last, static_cast<double>(trace.factors), product});
    }
    if (!trace.settled) {
        return;
    }
    if (trace.left) {
        steps.add(N_("From there on the product is %1: the factors still to come (%2) change at most its "
                     "sign, so %3 "
                     "= %4"),
                  {trace.settledProduct, static_cast<double>(*trace.left), label, result});
    } else {
        steps.add(
            N_("From there on the product is %1, and the count never gets down to 1 (taking 1 from it no "
               "longer changes it): the factors to come change at most its sign, so %2 = %3"),
            {trace.settledProduct, label, result});
    }
}
