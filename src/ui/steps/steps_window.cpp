// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/steps/steps_window.h"

#include <QAction>
#include <QEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>
#include <algorithm>

#include "core/steps/step_recorder.h"
#include "core/tool/tool.h"
#include "ui/access/result_announcer.h"
#include "ui/widgets/place_beside.h"
#include "ui/window/tool_window.h"

namespace {

// The tool window's recorder: a child of it, so it lives as long as the tool.
class StepLog : public QObject {
public:
    explicit StepLog(QObject* parent) : QObject(parent) {}
    StepRecorder steps;
};

}  // namespace

QAction* StepsWindow::offerFor(ToolWindow* toolWindow) {
    if (!toolWindow->tool().recordsSteps()) {
        return nullptr;
    }
    // Recorded from the first press on, so the window shows the last press
    // whenever it is opened.
    auto* log = new StepLog(toolWindow);
    toolWindow->tool().recordStepsIn(&log->steps);
    auto* action = new QAction(tr("Show Steps"), toolWindow);
    action->setObjectName(QStringLiteral("showSteps"));
    // Ctrl+T: no edit field takes it (Ctrl+E, Ctrl+K and the like move and
    // delete there, in the X11 key scheme of Qt 6.4.2's line edits).
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, toolWindow,
                     [toolWindow, log] { showFor(toolWindow, log->steps); });
    toolWindow->addAction(action);
    return action;
}

void StepsWindow::showFor(ToolWindow* toolWindow, const StepRecorder& steps) {
    // One per tool window: asked again, it comes to the front.
    auto* window = toolWindow->findChild<StepsWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr) {
        window = new StepsWindow(toolWindow, steps);
        window->refresh();
        window->fitWidth();
        placeBeside(window, toolWindow);
    }
    window->refresh();
    window->show();
    window->raise();
    window->activateWindow();
}

StepsWindow::StepsWindow(ToolWindow* toolWindow, const StepRecorder& steps)
    // A child of the tool window, so it goes when the tool window goes.
    : QWidget(toolWindow, Qt::Window), tool_(toolWindow), steps_(steps), view_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("stepsWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("%1 - Steps").arg(toolWindow->word(toolWindow->dialogTemplate().caption)));
    view_->setObjectName(QStringLiteral("steps"));
    view_->setAccessibleName(tr("Steps"));
    view_->setReadOnly(true);
    // A caret for reading line by line, and a selection to copy.
    view_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    // One step a line: a long equation scrolls rather than breaks.
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    view_->setTabChangesFocus(true);
    // Each step is an equation, read left to right in every language: in a
    // right-to-left paragraph the signs between numbers would be reordered.
    view_->setLayoutDirection(Qt::LeftToRight);
    QTextOption equations = view_->document()->defaultTextOption();
    equations.setTextDirection(Qt::LeftToRight);
    view_->document()->setDefaultTextOption(equations);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);

    auto* close = new QAction(tr("Close"), this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    connect(toolWindow, &ToolWindow::handlerEnded, this, [this] {
        if (refresh()) {
            tool_->announcer().addToNext(tr("Steps updated"));
        }
    });
    toolWindow->installEventFilter(this);

    const QFontMetrics metrics(view_->font());
    resize(metrics.horizontalAdvance(QLatin1Char('x')) * 80, metrics.lineSpacing() * 18);
}

bool StepsWindow::eventFilter(QObject* watched, QEvent* event) {
    // The tool window hidden by the program (Esc, its close box) is gone for
    // good; minimised by the desktop it comes back, and so do the steps.
    if (watched == tool_ && event->type() == QEvent::Hide && !event->spontaneous()) {
        close();
    }
    return QWidget::eventFilter(watched, event);
}

void StepsWindow::fitWidth() {
    // Wide enough for the longest step, as far as the screen allows.
    const QFontMetrics metrics(view_->font());
    int widest = 0;
    for (const QString& line : view_->toPlainText().split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const int room = screen() != nullptr ? screen()->availableGeometry().width() * 9 / 10 : widest;
    resize(std::clamp(widest + metrics.averageCharWidth() * 4, width() / 2, std::max(room, width() / 2)),
           height());
}

bool StepsWindow::refresh() {
    QString text;
    for (const std::string& line : steps_.lines(&tool_->wording())) {
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + QString::fromStdString(line);
    }
    if (text.isEmpty()) {
        text = tr("No button pressed yet: the steps of the next press show here.");
    }
    if (text == view_->toPlainText()) {
        return false;
    }
    view_->setPlainText(text);
    return true;
}
