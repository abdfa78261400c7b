// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// Opening every tool window (construction until the window is shown and has
// had its first layout and paint) and one button press per tool, under the
// offscreen platform.

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/commands/command_table.h"
#include "core/templates/dialog_template.h"
#include "core/tool/tool.h"
#include "ui/shell/brimlet_app.h"
#include "ui/shell/main_frame.h"
#include "ui/window/tool_window.h"

namespace {

using Clock = std::chrono::steady_clock;

// Clicks the button and reports whether that raised a modal message box
// (which is answered at once): such a button cannot be pressed in a loop.
bool raisesMessage(QAbstractButton* button) {
    bool modal = false;
    QTimer::singleShot(0, [&modal] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            modal = true;
            box->done(QDialog::Rejected);
        }
    });
    button->click();
    QCoreApplication::processEvents();
    return modal;
}

// The button whose press is measured: the template's default button, else
// the first handled button in template order, skipping buttons that bring up
// a message box.
std::optional<int> pressedButton(ToolWindow& window) {
    std::vector<int> candidates;
    for (const ControlTemplate& control : window.dialogTemplate().controls) {
        const bool button =
            control.kind == ControlKind::PushButton || control.kind == ControlKind::UnitButton;
        if (button && window.tool().hasHandler(control.id)) {
            if ((control.flags & cf::Default) != 0) {
                candidates.insert(candidates.begin(), control.id);
            } else {
                candidates.push_back(control.id);
            }
        }
    }
    for (const int id : candidates) {
        auto* button = qobject_cast<QAbstractButton*>(window.control(id));
        if (button != nullptr && !raisesMessage(button)) {
            return id;
        }
    }
    return std::nullopt;
}

void openTool(benchmark::State& state, CMainFrame& frame, int commandId) {
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        ToolWindow* window = frame.launchTool(commandId);
        QCoreApplication::processEvents();
        const Clock::time_point shown = Clock::now();
        if (window == nullptr || !window->isVisible()) {
            state.SkipWithError("the tool window was not shown");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(shown - start).count());
        std::unique_ptr<ToolWindow> release(window);
    }
}

void pressButton(benchmark::State& state, CMainFrame& frame, int commandId) {
    std::unique_ptr<ToolWindow> window(frame.launchTool(commandId));
    QCoreApplication::processEvents();
    const std::optional<int> id = window ? pressedButton(*window) : std::nullopt;
    if (!id) {
        state.SkipWithError("no button to press");
        return;
    }
    auto* button = qobject_cast<QAbstractButton*>(window->control(*id));
    state.SetLabel("button " + std::to_string(*id));
    for (auto _ : state) {
        button->click();
    }
}

// A press that works something out (a converter's first unit button, else
// the button above) with its steps recorded, as the program runs, or not.
void pressWorked(benchmark::State& state, CMainFrame& frame, int commandId, bool record) {
    std::unique_ptr<ToolWindow> window(frame.launchTool(commandId));
    QCoreApplication::processEvents();
    if (!record) {
        window->tool().recordStepsIn(nullptr);
    }
    std::optional<int> id = pressedButton(*window);
    for (const ControlTemplate& control : window->dialogTemplate().controls) {
        if (control.kind == ControlKind::UnitButton) {
            id = control.id;
            break;
        }
    }
    auto* button = qobject_cast<QAbstractButton*>(window->control(*id));
    state.SetLabel("button " + std::to_string(*id));
    for (auto _ : state) {
        button->click();
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    CBrimletApp app(argc, argv);
    CMainFrame frame;
    frame.show();
    QCoreApplication::processEvents();

    for (const ToolCommand& command : toolCommands()) {
        const std::string name = command.className;
        benchmark::RegisterBenchmark(("Open/" + name).c_str(), openTool, std::ref(frame), command.commandId)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    for (const ToolCommand& command : toolCommands()) {
        const std::string name = command.className;
        benchmark::RegisterBenchmark(("Press/" + name).c_str(), pressButton, std::ref(frame),
                                     command.commandId)
            ->Unit(benchmark::kMicrosecond);
    }
    for (const ToolCommand& command : toolCommands()) {
        if (!command.create()->recordsSteps()) {
            continue;
        }
        for (const bool record : {false, true}) {
            const std::string name =
                std::string("Worked/") + command.className + (record ? "/steps" : "/plain");
            benchmark::RegisterBenchmark(name.c_str(), pressWorked, std::ref(frame), command.commandId,
                                         record)
                ->Unit(benchmark::kMicrosecond);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
