// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The command line's run against the number of its steps: presses and keys
// in the advanced calculator, whose history grows at every press and is
// exchanged by what each press adds. The time per press must not grow with
// the history's length; Google Benchmark fits the curve (BigO) over 12,500
// to 100,000 presses and over 10,000 and 100,000 keys.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/command_line/tool_runner.h"

namespace {

// A sum typed again and again: 1 + 2 = leaves the display short and adds
// " + 2 = 3;  " and the digits to the history.
std::vector<std::string_view> presses(std::size_t count) {
    static constexpr std::string_view kCycle[] = {"1", "+", "2", "="};
    std::vector<std::string_view> args{"--tool", "advanced calculator"};
    for (std::size_t i = 0; i < count; ++i) {
        args.push_back("--press");
        args.push_back(kCycle[i % 4]);
    }
    return args;
}

// Runs the command line once per iteration; N is state.range(0) steps.
void runSteps(benchmark::State& state, const std::vector<std::string_view>& args) {
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        benchmark::DoNotOptimize(tool_runner::run(args, out, err));
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void Presses(benchmark::State& state) {
    runSteps(state, presses(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(Presses)->RangeMultiplier(2)->Range(12500, 100000)->Unit(benchmark::kMillisecond)->Complexity();

// The same sum typed as keys (--keys "1+2=1+2=..."): the history is handed
// on by what each key adds, so the time grows with the keys alone.
void Keys(benchmark::State& state) {
    std::string keys;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        keys += "1+2="[i % 4];
    }
    runSteps(state, {"--tool", "advanced calculator", "--keys", keys});
}
BENCHMARK(Keys)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
