// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// Number texts against the C library doing the same job in the "C" locale:
// each pair formats or reads the same values, and both sides end with the
// result the program needs (a std::string, a double or an int).

#include <benchmark/benchmark.h>
#include <locale.h>
#include <stdlib.h>

#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/number_text.h"

namespace {

// A mix of what the tools write: small and large magnitudes, fractions that
// need all 15 digits, whole numbers, and the constants' usual shapes.
constexpr std::array kValues{
    0.0,           1.0 / 3,
    2.0 / 3,       0.1 + 0.2,
    100000.0,      123456789012345.0,
    1e15,          1234567890123456.0,
    0.0001,        0.00001,
    -459.67,       39.4,
    1610.0,        3.14,
    6.02214076e23, 1.602176634e-19,
    9.80665,       -0.0,
    299792458.0,   1e-300,
};

constexpr std::array kInts{0, 1, -1, 42, 170, 3999, 65535, -2147483647, 2147483647, 123456};

// Texts a user types or a field shows.
const std::vector<std::string>& texts() {
    static const std::vector<std::string> values = [] {
        std::vector<std::string> built;
        for (const double value : kValues) {
            built.push_back(numtext::formatDouble(value));
        }
        for (const char* typed :
             {"  12.5  ", "12abc", ".5", "-.5", "+3", "1E-2", "1e", "2", "1000", "0.001"}) {
            built.emplace_back(typed);
        }
        return built;
    }();
    return values;
}

const std::vector<std::string>& intTexts() {
    static const std::vector<std::string> values = [] {
        std::vector<std::string> built;
        for (const int value : kInts) {
            built.push_back(numtext::formatInt(value));
        }
        return built;
    }();
    return values;
}

locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// snprintf has no locale argument: the reference runs with the thread in the
// "C" locale, which is what it would take to make it correct in the program.
class CLocaleScope {
public:
    CLocaleScope() : previous_(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_;
};

void FormatDouble(benchmark::State& state) {
    for (auto _ : state) {
        for (const double value : kValues) {
            benchmark::DoNotOptimize(numtext::formatDouble(value));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kValues.size()));
}

void SnprintfG15(benchmark::State& state) {
    const CLocaleScope scope;
    for (auto _ : state) {
        for (const double value : kValues) {
            std::array<char, 40> buffer;
            const int length = std::snprintf(buffer.data(), buffer.size(), "%.*g", 15, value);
            benchmark::DoNotOptimize(std::string(buffer.data(), static_cast<std::size_t>(length)));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kValues.size()));
}

void FormatResult(benchmark::State& state) {
    for (auto _ : state) {
        for (const double value : kValues) {
            benchmark::DoNotOptimize(numtext::formatResult(value));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kValues.size()));
}

void SnprintfG(benchmark::State& state) {
    const CLocaleScope scope;
    for (auto _ : state) {
        for (const double value : kValues) {
            std::array<char, 40> buffer;
            const int length = std::snprintf(buffer.data(), buffer.size(), "%G", value);
            benchmark::DoNotOptimize(std::string(buffer.data(), static_cast<std::size_t>(length)));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kValues.size()));
}

void FormatInt(benchmark::State& state) {
    for (auto _ : state) {
        for (const int value : kInts) {
            benchmark::DoNotOptimize(numtext::formatInt(value));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kInts.size()));
}

void SnprintfD(benchmark::State& state) {
    const CLocaleScope scope;
    for (auto _ : state) {
        for (const int value : kInts) {
            std::array<char, 16> buffer;
            const int length = std::snprintf(buffer.data(), buffer.size(), "%d", value);
            benchmark::DoNotOptimize(std::string(buffer.data(), static_cast<std::size_t>(length)));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kInts.size()));
}

void ScanDouble(benchmark::State& state) {
    const std::vector<std::string>& inputs = texts();
    for (auto _ : state) {
        for (const std::string& text : inputs) {
            benchmark::DoNotOptimize(numtext::scanDouble(text));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * inputs.size()));
}

void ReadNumber(benchmark::State& state) {
    const std::vector<std::string>& inputs = texts();
    for (auto _ : state) {
        for (const std::string& text : inputs) {
            benchmark::DoNotOptimize(numtext::readNumber(text));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * inputs.size()));
}

void StrtodL(benchmark::State& state) {
    const std::vector<std::string>& inputs = texts();
    for (auto _ : state) {
        for (const std::string& text : inputs) {
            benchmark::DoNotOptimize(strtod_l(text.c_str(), nullptr, cLocale()));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * inputs.size()));
}

void ScanInt(benchmark::State& state) {
    const std::vector<std::string>& inputs = intTexts();
    for (auto _ : state) {
        for (const std::string& text : inputs) {
            benchmark::DoNotOptimize(numtext::scanInt(text));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * inputs.size()));
}

void ReadInteger(benchmark::State& state) {
    const std::vector<std::string>& inputs = intTexts();
    for (auto _ : state) {
        for (const std::string& text : inputs) {
            benchmark::DoNotOptimize(numtext::readInteger(text));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * inputs.size()));
}

void StrtolL(benchmark::State& state) {
    const std::vector<std::string>& inputs = intTexts();
    for (auto _ : state) {
        for (const std::string& text : inputs) {
            benchmark::DoNotOptimize(strtol_l(text.c_str(), nullptr, 10, cLocale()));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * inputs.size()));
}

}  // namespace

BENCHMARK(FormatDouble);
BENCHMARK(SnprintfG15);
BENCHMARK(FormatResult);
BENCHMARK(SnprintfG);
BENCHMARK(FormatInt);
BENCHMARK(SnprintfD);
BENCHMARK(ScanDouble);
BENCHMARK(ReadNumber);
BENCHMARK(StrtodL);
BENCHMARK(ScanInt);
BENCHMARK(ReadInteger);
BENCHMARK(StrtolL);
