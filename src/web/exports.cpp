// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The functions the page calls. Texts go both ways as UTF-8; a returned text
// lives until the next call, which is all the page needs, since it reads each
// answer at once and the page has one thread.

#include <emscripten/emscripten.h>

#include <map>
#include <memory>
#include <string>

#include "core/command_line/json_writer.h"
#include "core/commands/command_table.h"
#include "web/catalogue.h"
#include "web/number_texts.h"
#include "web/page_language.h"
#include "web/tool_session.h"

namespace {

std::map<int, std::unique_ptr<ToolSession>>& sessions() {
    static std::map<int, std::unique_ptr<ToolSession>> open;
    return open;
}

ToolSession* session(int window) {
    const auto found = sessions().find(window);
    return found != sessions().end() ? found->second.get() : nullptr;
}

const char* answer(std::string text) {
    static std::string kept;
    kept = std::move(text);
    return kept.c_str();
}

const char* actName(WebHost::Act act) {
    switch (act) {
        case WebHost::Act::Set:
            return "set";
        case WebHost::Act::Append:
            return "append";
        case WebHost::Act::Focus:
            return "focus";
        case WebHost::Act::Message:
            return "message";
    }
    return "";
}

const char* answer(const ToolSession::Outcome& outcome) {
    std::string events;
    for (const WebHost::Event& event : outcome.events) {
        events += (events.empty() ? "[\"" : ",[\"") + std::string(actName(event.act)) + "\"," +
                  std::to_string(event.controlId) + "," + json_writer::quoted(event.text) + "]";
    }
    return answer(std::string("{\"used\":") + (outcome.used ? "true" : "false") +
                  ",\"accepted\":" + (outcome.accepted ? "true" : "false") + ",\"events\":[" + events + "]}");
}

const char* noWindow() {
    return answer(ToolSession::Outcome{});
}

}  // namespace

extern "C" {

// One word of the page's language, before the menus are read.
EMSCRIPTEN_KEEPALIVE void brimlet_add_word(const char* context, const char* source, const char* translation) {
    pageLanguage().add(context, source, translation);
}

// Whether the page's language is written right to left, before the menus are read.
EMSCRIPTEN_KEEPALIVE void brimlet_right_to_left(int rightToLeft) {
    pageLanguage().setRightToLeft(rightToLeft != 0);
}

// A word of the page's own (a menu, a window's title) in its language, in
// full: the page asks for each in the context the desktop uses.
EMSCRIPTEN_KEEPALIVE const char* brimlet_word(const char* context, const char* text) {
    return answer(pageWord(context, text));
}

EMSCRIPTEN_KEEPALIVE const char* brimlet_menus() {
    return answer(catalogue::menus());
}

EMSCRIPTEN_KEEPALIVE const char* brimlet_tool(int commandId) {
    return answer(catalogue::tool(commandId));
}

// A new window's session, or 0 for a command that opens no tool.
EMSCRIPTEN_KEEPALIVE int brimlet_open(int commandId) {
    static int next = 0;
    const ToolCommand* command = findToolCommand(commandId);
    if (command == nullptr) {
        return 0;
    }
    sessions()[++next] = std::make_unique<ToolSession>(*command);
    return next;
}

EMSCRIPTEN_KEEPALIVE const char* brimlet_opened(int window) {
    ToolSession* tool = session(window);
    return tool != nullptr ? answer(tool->opened()) : noWindow();
}

EMSCRIPTEN_KEEPALIVE void brimlet_close(int window) {
    sessions().erase(window);
}

EMSCRIPTEN_KEEPALIVE void brimlet_typed(int window, int controlId, const char* text) {
    if (ToolSession* tool = session(window)) {
        tool->typed(controlId, text);
    }
}

EMSCRIPTEN_KEEPALIVE const char* brimlet_press(int window, int buttonId) {
    ToolSession* tool = session(window);
    return tool != nullptr ? answer(tool->press(buttonId)) : noWindow();
}

// key: 0 a character, 1 Enter, 2 Backspace, 3 Delete (ToolKey's order).
EMSCRIPTEN_KEEPALIVE const char* brimlet_key(int window, int key, int character) {
    ToolSession* tool = session(window);
    return tool != nullptr ? answer(tool->key(static_cast<ToolKey>(key), static_cast<char>(character)))
                           : noWindow();
}

EMSCRIPTEN_KEEPALIVE const char* brimlet_confirm(int window) {
    ToolSession* tool = session(window);
    return tool != nullptr ? answer(tool->confirm()) : noWindow();
}

// What the last press changed, as a screen reader is told it, then the postscript.
EMSCRIPTEN_KEEPALIVE const char* brimlet_announcement(int window, const char* postscript) {
    ToolSession* tool = session(window);
    return answer(tool != nullptr ? tool->announcement(postscript) : std::string());
}

// The worked steps of the last press, one a line.
EMSCRIPTEN_KEEPALIVE const char* brimlet_steps(int window) {
    std::string lines;
    if (const ToolSession* tool = session(window)) {
        for (const std::string& line : tool->steps()) {
            lines += line + '\n';
        }
    }
    return answer(lines);
}

EMSCRIPTEN_KEEPALIVE const char* brimlet_picture(int window) {
    const ToolSession* tool = session(window);
    return answer(tool != nullptr ? tool->picture() : std::string());
}

EMSCRIPTEN_KEEPALIVE const char* brimlet_all_fields(int window) {
    const ToolSession* tool = session(window);
    return answer(tool != nullptr ? tool->allFields() : std::string());
}

// move: 0 Left, 1 Right, 2 Up, 3 Down (GridMove's order).
EMSCRIPTEN_KEEPALIVE int brimlet_grid_neighbour(int window, int buttonId, int move) {
    const ToolSession* tool = session(window);
    return tool != nullptr ? tool->gridNeighbour(buttonId, static_cast<GridMove>(move)) : kNoId;
}

EMSCRIPTEN_KEEPALIVE int brimlet_grid_typed(int window, int letter, double milliseconds) {
    ToolSession* tool = session(window);
    return tool != nullptr ? tool->typedInGrid(static_cast<char>(letter), milliseconds) : kNoId;
}

// The texts of one double (number_texts::of).
EMSCRIPTEN_KEEPALIVE const char* brimlet_number_texts(double value) {
    return answer(number_texts::of(value));
}

// A text as a double field reads it (number_texts::read).
EMSCRIPTEN_KEEPALIVE const char* brimlet_read_number(const char* text) {
    return answer(number_texts::read(text));
}

}  // extern "C"
