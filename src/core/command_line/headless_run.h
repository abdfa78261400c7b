// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <iosfwd>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/command_line/control_names.h"
#include "core/command_line/headless_host.h"
#include "core/command_line/tool_arguments.h"
#include "core/steps/step_recorder.h"

class Tool;
struct ToolCommand;

namespace tool_runner {

// One tool, run without a window: its fields and buttons by name, and the
// steps acting on it as a user acts in its window.
class HeadlessRun {
public:
    // names: the tool's, which outlive the run.
    HeadlessRun(const ControlNames& names, std::ostream& err);
    ~HeadlessRun();
    HeadlessRun(const HeadlessRun&) = delete;
    HeadlessRun& operator=(const HeadlessRun&) = delete;

    void set(int fieldId, std::string_view text) { host_.setText(fieldId, text); }
    void press(int buttonId);
    // Each character as a key typed into the window: what the tool takes it
    // takes; Enter ("\n" or "\r") presses the default button, or confirms the
    // window where it has none; everything else goes nowhere.
    void keys(std::string_view text);
    void run(const Step& step);

    // Pipeline mode: a fresh tool for the given input line; the fields of each
    // row (none: all, in template order); how much of a line the field takes.
    void restart(std::size_t line);
    void chooseFields(std::span<const int> fieldIds);
    std::size_t enteredLimit(int fieldId) const;
    // The current line is longer than fieldId takes (limit characters): said
    // as the tool's messages are, and as the line's one step when steps are
    // recorded, since nothing is set or pressed.
    void refuseLongLine(int fieldId, std::size_t limit);
    // The chosen fields' names, or their texts (blank: empty texts) as one row
    // of tab-separated cells or one JSON object.
    void printHeader(std::ostream& out) const;
    void printRow(std::ostream& out, bool json, std::size_t line, bool blank) const;
    // From now on each press records its worked steps.
    void recordSteps();
    // The worked steps of the last press, one a line; in pipeline mode each
    // after the input line's number and a tab.
    void printSteps(std::ostream& out, std::size_t line = 0) const;

    // Every field in template order, as name<TAB>text lines or one JSON object.
    void print(std::ostream& out, bool json) const;

    // The tool's picture as SVG, drawn from the fields as they stand.
    std::string svg() const;

    bool showedMessages() const { return !host_.messages.empty(); }

private:
    const ToolCommand& command_;
    const ControlNames& names_;
    HeadlessHost host_;
    std::unique_ptr<Tool> tool_;
    std::vector<const NamedControl*> rowFields_;
    mutable std::string row_;
    bool openingKept_ = false;
    std::unique_ptr<StepRecorder> steps_;
};

}  // namespace tool_runner
