// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// What recording the worked steps adds to a press: one worked case of a
// converter or solver pressed again and again through the core, without a
// recorder (Press/<class>/plain) and with one (Press/<class>/steps), and the
// steps turned into text (Lines/<class>), which only a reader asks for.
// Target: a press with steps within 10% of a plain one.

#include <benchmark/benchmark.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/commands/command_table.h"
#include "core/steps/step_recorder.h"
#include "core/tool/field_host.h"
#include "core/tool/tool.h"

namespace {

// The window's four operations on a few texts; no messages come.
class Texts : public FieldHost {
public:
    std::string text(int controlId, std::size_t maxChars) const override {
        for (const auto& [id, text] : texts_) {
            if (id == controlId) {
                return text.substr(0, maxChars);
            }
        }
        return {};
    }
    void setText(int controlId, std::string_view text) override {
        for (auto& [id, stored] : texts_) {
            if (id == controlId) {
                stored = text;
                return;
            }
        }
        texts_.emplace_back(controlId, std::string(text));
    }
    void focusAndSelectAll(int) override {}
    void showMessage(std::string_view) override {}

private:
    std::vector<std::pair<int, std::string>> texts_;
};

struct WorkedCase {
    const char* className;
    std::vector<std::pair<int, const char*>> typed;
    int button;
};

// The ids are the templates' (Length: Input 1010, "ft" 1025; and so on).
const std::vector<WorkedCase>& cases() {
    static const std::vector<WorkedCase> kCases = {
        {"Length", {{1010, "2"}}, 1025},
        {"Degrees", {{1010, "50"}}, 1023},
        {"Numbers", {{1011, "3888"}}, 1002},
        {"Geo", {{1010, "1"}, {1011, "2"}, {1012, "3"}, {1013, "6"}}, 1000},
        {"Pythegor", {{1010, "3"}, {1011, "4"}}, 1000},
        {"Quad", {{1010, "1"}, {1011, "-3"}, {1012, "2"}}, 1000},
        {"Uncert", {{1012, "3"}, {1013, "0.5"}}, 1001},
        {"Bend", {{1010, "1"}, {1011, "0.5"}, {1012, "45"}}, 1000},
        {"TheCombination", {{1010, "52"}, {1011, "5"}}, 1000},
        {"Permutation", {{1010, "52"}, {1011, "5"}}, 1000},
        {"Prefixes", {{1010, "-6"}}, 1000},
    };
    return kCases;
}

struct Opened {
    Texts host;
    std::unique_ptr<Tool> tool;
    StepRecorder steps;
};

std::unique_ptr<Opened> open(const WorkedCase& worked, bool record) {
    auto opened = std::make_unique<Opened>();
    for (const ToolCommand& command : toolCommands()) {
        if (std::string_view(command.className) == worked.className) {
            opened->tool = command.create();
        }
    }
    opened->tool->attach(&opened->host, record ? &opened->steps : nullptr);
    opened->tool->writeAllFields();
    for (const auto& [id, text] : worked.typed) {
        opened->host.setText(id, text);
    }
    return opened;
}

// The typed texts stay: each press reads them and writes its results anew.
void press(benchmark::State& state, const WorkedCase& worked, bool record) {
    const std::unique_ptr<Opened> opened = open(worked, record);
    for (auto _ : state) {
        benchmark::DoNotOptimize(opened->tool->handle(worked.button));
    }
}

void lines(benchmark::State& state, const WorkedCase& worked) {
    const std::unique_ptr<Opened> opened = open(worked, true);
    opened->tool->handle(worked.button);
    for (auto _ : state) {
        benchmark::DoNotOptimize(opened->steps.lines());
    }
}

}  // namespace

int main(int argc, char** argv) {
    for (const WorkedCase& worked : cases()) {
        const std::string name = worked.className;
        benchmark::RegisterBenchmark(("Press/" + name + "/plain").c_str(), press, std::cref(worked), false);
        benchmark::RegisterBenchmark(("Press/" + name + "/steps").c_str(), press, std::cref(worked), true);
        benchmark::RegisterBenchmark(("Lines/" + name).c_str(), lines, std::cref(worked));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
