// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

// Drives the real main window the way a user does: menu commands open tools,
// clicks go to real buttons, keys to real controls. Every window test runs
// under QT_QPA_PLATFORM=offscreen.

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QObject>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/commands/command_table.h"
#include "ui/shell/main_frame.h"
#include "ui/window/tool_window.h"

namespace harness {

// The one main window of the test program, created on first use.
CMainFrame& mainFrame();

// The command id of the tool whose menu item reads so ("Length"), or 0.
int commandOf(const char* item);

// The command id of the tool of class T (commandOf<Length>()), or 0.
template <class T>
int commandOf() {
    for (const ToolCommand& command : toolCommands()) {
        if (command.dialogTemplate == &T::kTemplate) {
            return command.commandId;
        }
    }
    return 0;
}

// The main window's menu item with this command id, or nullptr.
QAction* menuItem(int commandId);

// Triggers the menu item with this command id (as the user choosing it does)
// and returns the tool window it opened, or nullptr.
ToolWindow* openTool(int commandId);
template <class T>
ToolWindow* openTool() {
    return openTool(commandOf<T>());
}

// The control with this id in a tool window, by its objectName.
QWidget* control(ToolWindow* window, int controlId);
QAbstractButton* button(ToolWindow* window, int controlId);
QLineEdit* lineEdit(ToolWindow* window, int controlId);

// The text that an edit control shows (single- or multi-line).
QString text(ToolWindow* window, int controlId);

// Replaces an edit control's text as typing would: select all, then type.
void type(ToolWindow* window, int controlId, const QString& text);

// Lets the event loop run until every message box that a MessageCatcher
// answers has been answered and every handler waiting for such an answer has
// gone on: what a user sees after a click. click, key and type end with it.
void settle();

// A left click in the middle of a button.
void click(ToolWindow* window, int controlId);

// A key pressed where the focus is in the window (the window itself if none).
void key(ToolWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Runs steps separated by spaces: a control id clicks that button, "R" presses
// Return, "f1013" focuses that control, "t1013=abc" types into an edit, and
// "k12+3R" types keys (R Return, B Backspace, D Delete, ',' the keypad's
// decimal key of a decimal-comma layout, anything else its own character).
void runSteps(ToolWindow* window, const std::string& steps);

// Such steps written with the names a tool's header gives its controls:
// steps({typed(Length::kInput, "2"), Length::kFeetUnit, "kR"}).
struct Step {
    Step(int controlId) : text(std::to_string(controlId)) {}  // clicks that button
    Step(const char* raw) : text(raw) {}                      // "R" or "k..." keys
    Step(std::string raw) : text(std::move(raw)) {}
    std::string text;
};
inline Step typed(int controlId, std::string_view text) {
    return "t" + std::to_string(controlId) + "=" + std::string(text);
}
inline Step focused(int controlId) {
    return "f" + std::to_string(controlId);
}
std::string steps(std::initializer_list<Step> list);

// Expected field texts as "id=text" separated by '|', written with names.
std::string fieldTexts(std::initializer_list<std::pair<int, const char*>> list);

// Chooses every tool's menu item in command-table order and returns the
// windows, nullptr where none opened: the robustness runs open the tools
// through this one loop, so a tool added to the table is covered by them all.
std::vector<QPointer<ToolWindow>> openEveryTool();

// Closes every tool window and releases them, so a test starts from the main window alone.
void closeAllTools();

// True once the window has been hidden and released (waits for the deferred delete).
bool released(QPointer<ToolWindow>& window);

// The window as another client of the display leaves it when it unmaps it
// (xdotool windowunmap): off the screen, yet still visible to Qt.
void takeOffScreen(QWidget* window);

// Answers every message box of the program while it lives, on the first pass
// of the event loop after the box shows, as a quick user would, recording the texts in order
// and how long (wall and thread CPU time) the boxes were open. Create it
// before the action that may show a message.
class MessageCatcher : public QObject {
public:
    MessageCatcher();
    ~MessageCatcher() override;
    MessageCatcher(const MessageCatcher&) = delete;
    MessageCatcher& operator=(const MessageCatcher&) = delete;

    // When set, called with each box on the first pass of the event loop
    // after it shows, instead of answering it: the test answers when it is done.
    std::function<void(QMessageBox*)> onShow;

    QStringList messages;
    int answered = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int open_ = 0;  // boxes shown and not yet hidden
    int due_ = 0;   // boxes shown that this catcher has not yet had its turn with
};

// Switches on Qt's accessibility events while it lives, as a screen reader
// listening does, and records the text changes ("objectName=inserted text",
// and apart the removed text),
// the caret moves, the notifications shown and the descriptions changed
// ("objectName=description").
class AccessibleEvents {
public:
    AccessibleEvents();
    ~AccessibleEvents();
    AccessibleEvents(const AccessibleEvents&) = delete;
    AccessibleEvents& operator=(const AccessibleEvents&) = delete;

    QStringList texts;
    QStringList removed;
    QList<int> carets;
    QStringList notices;
    QStringList descriptions;
    // "focus=objectName" and "selected=objectName" (a selection made) in turn.
    QStringList focusAndSelection;
};

// True for the texts of the program's own message boxes.
bool knownMessage(const QString& text);

}  // namespace harness
