// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/window/tool_window.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMessageBox>

#include "core/templates/dialog_template.h"
#include "core/text/field_table.h"
#include "core/tool/tool.h"
#include "ui/access/result_announcer.h"
#include "ui/modality/handler_runner.h"
#include "ui/modality/message_box.h"
#include "ui/widgets/edit_text.h"
#include "ui/widgets/field_edit.h"
#include "ui/widgets/flat_button.h"
#include "ui/widgets/translated.h"
#include "ui/window/grid_navigation.h"
#include "ui/window/key_router.h"
#include "ui/window/tool_menu.h"

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ToolWindow::ToolWindow(const DialogTemplate& dialogTemplate, std::unique_ptr<Tool> tool, QWidget* owner,
                       const char* context)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      template_(dialogTemplate),
      context_(context),
      wording_(context),
      tool_(std::move(tool)) {
    setObjectName(QString::number(dialogTemplate.id));
    setWindowTitle(word(dialogTemplate.caption));
    if (dialogTemplate.name != nullptr) {
        setAccessibleName(word(dialogTemplate.name));
    }
    setModal(false);
    controls_ = buildTemplate(this, dialogTemplate, context);
    setFixedSize(controls_.size);
    describeButtons();

    runner_ = new HandlerRunner(this);
    QList<ResultAnnouncer::Field> fields;
    QList<QWidget*> edits;
    for (const BuiltControls::Entry& entry : controls_.entries) {
        if (entry.control->kind == ControlKind::Edit) {
            fields.append({entry.widget, (entry.control->flags & cf::MultiLine) == 0});
            edits.append(entry.widget);
        }
    }
    announcer_ = new ResultAnnouncer(this, fields, dialogTemplate.sheet);
    runner_->starting = [this] { announcer_->before(); };
    runner_->ended = [this] {
        if (!runner_->ending()) {
            Q_EMIT handlerEnded();
            announcer_->after();
        }
        if (releasePending_) {
            deleteLater();
        }
    };
    keys_ = new KeyRouter(this, controls_, *tool_, *runner_, *announcer_);
    for (const BuiltControls::Entry& entry : controls_.entries) {
        if (auto* button = qobject_cast<QAbstractButton*>(entry.widget)) {
            const int id = entry.control->id;
            connect(button, &QAbstractButton::clicked, this, [this, id] { click(id); });
        }
    }
    GridNavigation::attach(this, dialogTemplate, context);
    menu_ = new ToolMenu(this, edits);

    tool_->attach(this);
    tool_->writeAllFields();
}

void ToolWindow::describeButtons() {
    const bool takesKeys = !tool_->keyBindings().empty();
    for (const BuiltControls::Entry& entry : controls_.entries) {
        const int id = entry.control->id;
        auto* button = qobject_cast<QAbstractButton*>(entry.widget);
        if (button == nullptr || id == kNoId) {
            continue;
        }
        auto* flat = qobject_cast<FlatButton*>(button);
        if (flat != nullptr && button->text().isEmpty() && !tool_->hasHandler(id)) {
            flat->setInert();
            continue;
        }
        QStringList keys;
        for (const std::string& key : tool_->keyNames(id)) {
            keys << translated("ToolWindow", key.c_str());
        }
        // Enter presses the default button wherever the focus is not on another.
        const QString enter = tr("Enter");
        if (takesKeys && button == controls_.defaultButton && !keys.contains(enter)) {
            keys << enter;
        }
        if (!keys.isEmpty()) {
            // After the full wording of a caption shortened to fit, if any.
            const QString full = button->toolTip();
            button->setToolTip(
                (full.isEmpty() ? QString() : full + QLatin1Char('\n')) +
                (keys.size() == 1 ? tr("Key: %1") : tr("Keys: %1")).arg(keys.join(tr(" or "))));
        }
    }
}

QString ToolWindow::allFields() const {
    QString table;
    for (const BuiltControls::Entry& entry : controls_.entries) {
        if (entry.control->kind == ControlKind::Edit) {
            table += QString::fromStdString(field_table::line(entry.widget->accessibleName().toStdString(),
                                                              edit_text::of(entry.widget).toStdString()));
        }
    }
    return table;
}

void ToolWindow::copyAllFields() const {
    const QString table = allFields();
    QGuiApplication::clipboard()->setText(table);
    announcer_->say(tr("%1 fields copied").arg(table.count(QLatin1Char('\n'))));
}

void ToolWindow::copyField(QWidget* field) const {
    QGuiApplication::clipboard()->setText(edit_text::of(field));
    announcer_->say(tr("%1 copied").arg(field->accessibleName()));
}

void ToolWindow::contextMenuEvent(QContextMenuEvent* event) {
    // Only the window's background comes here: the fields have menus of their own.
    menu_->popup(event->globalPos());
    event->accept();
}

ToolWindow::~ToolWindow() {
    // A handler waiting for its box ends now; the window is not released twice.
    releasePending_ = false;
    runner_->finish(true);
    tool_->attach(nullptr);
}

bool ToolWindow::handlerWaiting() const {
    return runner_->waiting();
}

QDialog* ToolWindow::waitingBox() const {
    return runner_->waitingBox();
}

void ToolWindow::click(int controlId) {
    runner_->run([this, controlId] { return tool_->handle(controlId); });
}

std::string ToolWindow::text(int controlId, std::size_t maxChars) const {
    QString text = edit_text::of(controls_.widget(controlId));
    if (maxChars < static_cast<std::size_t>(text.size())) {
        auto cut = static_cast<qsizetype>(maxChars);
        // Never half a character: a surrogate pair stays whole or goes whole.
        if (cut > 0 && text.at(cut - 1).isHighSurrogate()) {
            --cut;
        }
        text.truncate(cut);
    }
    return text.toStdString();
}

void ToolWindow::setText(int controlId, std::string_view text) {
    for (const char* word : tool_->fieldWords()) {
        if (text == word) {
            // A word the tool writes, as "No data entered.", in the user's language.
            edit_text::write(controls_.widget(controlId), QString::fromStdString(wording_(text)));
            Q_EMIT fieldWritten();
            return;
        }
    }
    edit_text::write(controls_.widget(controlId), toQString(text));
    Q_EMIT fieldWritten();
}

void ToolWindow::focusAndSelectAll(int controlId) {
    QWidget* widget = controls_.widget(controlId);
    if (widget == nullptr) {
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    edit_text::selectAll(widget);
    announcer_->readThere(widget);
}

void ToolWindow::showMessage(std::string_view text) {
    if (runner_->ending()) {
        return;
    }
    // The handler that asks waits here for the answer.
    runner_->waitFor(message_box::warn(this, QString::fromStdString(wording_(text))));
}

QString ToolWindow::word(const char* text) const {
    return translated(context_, text);
}

void ToolWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (focusedOnce_) {
        return;
    }
    focusedOnce_ = true;
    // The window opens for the keyboard: its focus is marked at once, also on
    // a button, not only after the first Tab, which is when Qt 6.4.2 starts
    // marking it by itself (no QTBUG found).
    setAttribute(Qt::WA_KeyboardFocusChange);
    if (QWidget* first = controls_.firstTabStop()) {
        if (auto* field = dynamic_cast<FieldEdit*>(first)) {
            field->selectOnNextFocus();
        }
        first->setFocus(Qt::TabFocusReason);
    }
}

void ToolWindow::keyPressEvent(QKeyEvent* event) {
    if (!keys_->windowKey(event)) {
        QDialog::keyPressEvent(event);
    }
}

void ToolWindow::accept() {
    runner_->run([this] {
        const bool read = tool_->readAllFields();
        if (read) {
            dismiss();
        }
        return read;
    });
}

void ToolWindow::reject() {
    dismiss();
}

void ToolWindow::dismiss() {
    // A hidden tool window is never shown again, so it is released: at once,
    // or when the handler that is waiting for its message box returns. That
    // box has nothing left to say: it is closed, which answers it.
    hide();
    setResult(QDialog::Rejected);
    if (QDialog* box = runner_->waitingBox()) {
        box->done(QDialog::Rejected);
    }
    if (runner_->busy()) {
        releasePending_ = true;
    } else {
        deleteLater();
    }
}
