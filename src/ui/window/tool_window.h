// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <memory>

#include "core/tool/field_host.h"
#include "ui/window/template_builder.h"
#include "ui/window/tool_wording.h"

class HandlerRunner;
class KeyRouter;
class ResultAnnouncer;
class Tool;
class ToolMenu;
struct DialogTemplate;

// The one window class of every tool: built from the tool's template, it
// forwards button clicks to the tool's handlers and lends the tool its edit
// controls for field exchange. Its handlers run on a HandlerRunner, a
// ResultAnnouncer tells a screen reader what they changed, a KeyRouter
// decides where typed keys go, and a ToolMenu is its context menu.
class ToolWindow : public QDialog, public FieldHost {
    Q_OBJECT

public:
    // The context is the tool's class name, in which its words are translated
    // (none: they stay as the template has them).
    ToolWindow(const DialogTemplate& dialogTemplate, std::unique_ptr<Tool> tool, QWidget* owner,
               const char* context = nullptr);
    ~ToolWindow() override;

    Tool& tool() { return *tool_; }
    const DialogTemplate& dialogTemplate() const { return template_; }
    // A word of this tool in the user's language (see translated()).
    QString word(const char* text) const;
    // The words of this tool's steps and pictures in the user's language.
    const Wording& wording() const { return wording_; }
    QWidget* control(int controlId) const { return controls_.widget(controlId); }
    QAbstractButton* defaultButton() const { return controls_.defaultButton; }
    // What tells a screen reader the results of a press.
    ResultAnnouncer& announcer() { return *announcer_; }

    // FieldHost
    std::string text(int controlId, std::size_t maxChars) const override;
    void setText(int controlId, std::string_view text) override;
    void focusAndSelectAll(int controlId) override;
    void showMessage(std::string_view text) override;

    // True while a handler waits for the answer to its message box.
    bool handlerWaiting() const;
    // The box it waits for; nullptr once that box is gone.
    QDialog* waitingBox() const;

    // Where the platform opens the window, centred on its owner and inside
    // the screen: the launcher asks before it shows the window.
    using QDialog::adjustPosition;

    // Every edit field as "name<TAB>text" lines, in template order, and that
    // table put on the clipboard; a screen reader hears how many were copied.
    QString allFields() const;
    void copyAllFields() const;
    // One field's text put on the clipboard (Copy Field in the context menu).
    void copyField(QWidget* field) const;

    // Esc and the close box: hide without reading, then release the window.
    void reject() override;
    // Enter without a default button: read all fields, hide only when that succeeds.
    void accept() override;

Q_SIGNALS:
    // The tool wrote a field (a press, a key the tool took, a clear).
    void fieldWritten();
    // A handler has run to its end, just before what it changed is told.
    void handlerEnded();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Blank buttons without work become inert; buttons that a key presses
    // name it in their tooltips.
    void describeButtons();
    void click(int controlId);
    void dismiss();

    const DialogTemplate& template_;
    const char* context_;
    ToolWording wording_;
    std::unique_ptr<Tool> tool_;
    BuiltControls controls_;
    HandlerRunner* runner_;
    ResultAnnouncer* announcer_;
    KeyRouter* keys_;
    ToolMenu* menu_;
    bool focusedOnce_ = false;
    bool releasePending_ = false;  // dismissed while a handler waits: released when it ends
};
