// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/command_line/control_names.h"
#include "core/steps/catalogue_wording.h"
#include "core/steps/step_recorder.h"
#include "core/templates/button_grid.h"
#include "core/tool/tool.h"
#include "web/web_host.h"

struct ToolCommand;

// One tool window of the page: a fresh tool of its command, its fields, and
// the steps of its last press. Several sessions of one tool share nothing.
class ToolSession {
public:
    // What a user's action did: whether the tool took a key, whether the
    // window may close (Enter where the template has no default button), and
    // what the handler did to the window, in order.
    struct Outcome {
        bool used = false;
        bool accepted = false;
        std::vector<WebHost::Event> events;
    };

    explicit ToolSession(const ToolCommand& command);
    ~ToolSession();
    ToolSession(const ToolSession&) = delete;
    ToolSession& operator=(const ToolSession&) = delete;

    // The opening write: every field's first text.
    Outcome opened();
    void typed(int controlId, const std::string& text) { host_.typed(controlId, text); }
    Outcome press(int buttonId);
    Outcome key(ToolKey key, char character);
    Outcome confirm();

    // The worked steps of the last press, and the picture, in the page's language.
    std::vector<std::string> steps() const;
    // The solver's picture as SVG; empty for a tool that draws none.
    std::string picture() const;
    // Every field as name<TAB>text lines, as Copy All Fields puts them on the clipboard.
    std::string allFields() const;
    // What the last press changed, in the words a screen reader is told
    // (result_words::changes), with what is said after them; once.
    std::string announcement(std::string_view postscript);
    // Where an arrow key goes from a button of the grid (GridMove's order).
    int gridNeighbour(int buttonId, GridMove move) const;
    // The button that keys typed one after another name in the grid, or kNoId.
    int typedInGrid(char letter, double milliseconds);

private:
    Outcome outcome(bool used, bool accepted);
    // Before a press: the fields as it finds them, and the word its key is heard as.
    void starting(std::string word = {});
    std::vector<std::string> fieldTexts() const;

    const ToolCommand& command_;
    tool_runner::ControlNames names_;
    CatalogueWording wording_;
    WebHost host_;
    StepRecorder steps_;
    std::unique_ptr<Tool> tool_;
    TypeAhead typeAhead_;
    std::vector<std::string> before_;
    std::string word_;
    int readThere_ = kNoId;
};
