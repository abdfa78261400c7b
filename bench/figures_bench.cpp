// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// A solver's picture from its fields to SVG text: the figure computed and
// laid out, and the document written, for worked cases and for the odd
// numbers (huge, tiny, infinite, not-a-number) that must cost no more.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/commands/command_table.h"
#include "core/figures/svg_writer.h"
#include "core/solvers/bend.h"
#include "core/solvers/geo.h"
#include "core/solvers/pythegor.h"
#include "core/solvers/quad.h"
#include "core/solvers/uncert.h"
#include "core/tool/field_host.h"
#include "core/tool/tool.h"

namespace {

class Texts : public FieldHost {
public:
    std::string text(int controlId, std::size_t) const override {
        for (const auto& [id, text] : texts) {
            if (id == controlId) {
                return text;
            }
        }
        return {};
    }
    void setText(int controlId, std::string_view text) override {
        for (auto& [id, old] : texts) {
            if (id == controlId) {
                old = text;
                return;
            }
        }
        texts.emplace_back(controlId, std::string(text));
    }
    void focusAndSelectAll(int) override {}
    void showMessage(std::string_view) override {}

    std::vector<std::pair<int, std::string>> texts;
};

struct Case {
    const char* name;
    int solver;  // which of the tools that draw, in command-table order
    std::vector<std::pair<int, const char*>> typed;
    int press;
};

const std::vector<Case>& cases() {
    static const std::vector<Case> kCases{
        {"line", 0, {{Geo::kX1, "1"}, {Geo::kY1, "2"}, {Geo::kX2, "3"}, {Geo::kY2, "6"}}, Geo::kCalculate},
        {"line_huge",
         0,
         {{Geo::kX1, "-1e12"}, {Geo::kY1, "1e12"}, {Geo::kX2, "1e12"}, {Geo::kY2, "-1e-300"}},
         Geo::kCalculate},
        {"triangle", 1, {{Pythegor::kSide1, "3"}, {Pythegor::kSide2, "4"}}, Pythegor::kFindHypotenuse},
        {"triangle_nan", 1, {{Pythegor::kSide1, "5"}, {Pythegor::kHypotenuse, "3"}}, Pythegor::kFindSide},
        {"parabola", 2, {{Quad::kA, "1"}, {Quad::kB, "-3"}, {Quad::kC, "2"}}, Quad::kFindRoots},
        {"parabola_tiny",
         2,
         {{Quad::kA, "1e-12"}, {Quad::kB, "1e12"}, {Quad::kC, "-1e12"}},
         Quad::kFindRoots},
        {"parabola_inf", 2, {{Quad::kA, "1.#INF"}, {Quad::kB, "-1.#IND"}}, Quad::kA},
        {"uncertainty",
         3,
         {{Uncert::kValue1, "200"}, {Uncert::kPercent1, "50"}},
         Uncert::kCalcAbsUncertainty},
        {"bend",
         4,
         {{Bend::kRadius, "2"}, {Bend::kThickness, "3"}, {Bend::kAngle, "359.999"}},
         Bend::kCalculate},
        {"bend_thin",
         4,
         {{Bend::kRadius, "1e12"}, {Bend::kThickness, "1e-3"}, {Bend::kAngle, "1e-300"}},
         Bend::kCalculate},
    };
    return kCases;
}

void BM_PictureToSvg(benchmark::State& state) {
    const Case& c = cases()[static_cast<std::size_t>(state.range(0))];
    std::vector<const ToolCommand*> drawing;
    for (const ToolCommand& command : toolCommands()) {
        if (command.draws()) {
            drawing.push_back(&command);
        }
    }
    const ToolCommand& command = *drawing.at(static_cast<std::size_t>(c.solver));
    Texts host;
    auto tool = command.create();
    tool->attach(&host);
    tool->writeAllFields();
    for (const auto& [id, text] : c.typed) {
        host.setText(id, text);
    }
    tool->handle(c.press);
    state.SetLabel(c.name);
    for (auto _ : state) {
        const std::string svg = figure::toSvg(*command.picture(host));
        benchmark::DoNotOptimize(svg.data());
    }
}
BENCHMARK(BM_PictureToSvg)->DenseRange(0, 9)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
