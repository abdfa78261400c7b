// The command line's run against the number of its steps: presses in the
// advanced calculator, whose history grows at every press and is read and
// written whole by each handler. The time per press must not grow with the
// history's length beyond a copy of it; Google Benchmark fits the curve
// (BigO) over 12,500 to 100,000 presses.

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/tool_runner.h"

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

void Presses(benchmark::State& state) {
    const std::vector<std::string_view> args = presses(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        benchmark::DoNotOptimize(tool_runner::run(args, out, err));
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(Presses)->RangeMultiplier(2)->Range(12500, 100000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
