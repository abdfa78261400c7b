// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/steps/step_recorder.h"

// The falling product n * (n - 1) * (n - 2) * ... of the counting tools, as
// this loop computes it in doubles, every step rounded:
//
//     result = n; factor = n; count = r;
//     while (count > 1) { factor -= 1; result *= factor; count -= 1; }
//
// Whenever that loop ends, the result is bit for bit the loop's, sign of zero
// and of infinity included. Unlike the loop it ends at once for every input:
// at 2^53 and above, subtracting 1 can round back to the same double, so the
// plain loop would spin forever on r = 1e300 or r = infinity. For such inputs
// the result is the value the loop settles on, and where its sign would keep
// flipping for ever, that value with a plus sign (+infinity or +0).
//
// With a trace, the factors are noted as they are multiplied in, for the
// worked steps: the first few, the last, how many, and where the product
// settled if it did.
struct FallingTrace {
    static constexpr std::size_t kHead = 5;
    std::array<double, kHead> head{};
    std::size_t headCount = 0;
    double last = 0;
    std::uint64_t factors = 0;  // n included
    // The product reached 0, an infinity or NaN with passes still to come:
    // its value then, and the passes left (nothing: the count never ends).
    bool settled = false;
    double settledProduct = 0;
    std::optional<std::uint64_t> left;
};
double fallingProduct(double n, double r, FallingTrace* trace = nullptr);

class StepRecorder;

// label = n × (n − 1) × … = result as a worked step (a long product shortened
// to its first two factors and its last), then how it settled if it did.
void recordFallingProduct(StepRecorder& steps, std::string_view label, const FallingTrace& trace,
                          const StepArg& result);
