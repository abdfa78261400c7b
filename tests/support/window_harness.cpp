// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "support/window_harness.h"

#include <private/qguiapplication_p.h>
#include <private/qwindow_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qplatformwindow.h>
#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <algorithm>
#include <cstring>

#include "core/commands/command_table.h"
#include "ui/modality/message_box.h"
#include "ui/widgets/long_text_view.h"

namespace harness {

CMainFrame& mainFrame() {
    static CMainFrame* frame = [] {
        auto* created = new CMainFrame();
        created->show();
        QApplication::setActiveWindow(created);
        return created;
    }();
    return *frame;
}

int commandOf(const char* item) {
    for (const ToolCommand& command : toolCommands()) {
        if (std::strcmp(command.item, item) == 0) {
            return command.commandId;
        }
    }
    return 0;
}

QAction* menuItem(int commandId) {
    return mainFrame().menuBar()->findChild<QAction*>(QString::number(commandId));
}

ToolWindow* openTool(int commandId) {
    CMainFrame& frame = mainFrame();
    QAction* action = menuItem(commandId);
    if (action == nullptr) {
        return nullptr;
    }
    const QList<ToolWindow*> before = frame.findChildren<ToolWindow*>(Qt::FindDirectChildrenOnly);
    action->trigger();
    for (ToolWindow* window : frame.findChildren<ToolWindow*>(Qt::FindDirectChildrenOnly)) {
        if (!before.contains(window)) {
            QApplication::setActiveWindow(window);
            if (!QTest::qWaitForWindowExposed(window)) {
                return nullptr;
            }
            return window;
        }
    }
    return nullptr;
}

std::vector<QPointer<ToolWindow>> openEveryTool() {
    std::vector<QPointer<ToolWindow>> windows;
    for (const ToolCommand& command : toolCommands()) {
        windows.emplace_back(openTool(command.commandId));
    }
    return windows;
}

QWidget* control(ToolWindow* window, int controlId) {
    return window->findChild<QWidget*>(QString::number(controlId), Qt::FindDirectChildrenOnly);
}

QAbstractButton* button(ToolWindow* window, int controlId) {
    return qobject_cast<QAbstractButton*>(control(window, controlId));
}

QLineEdit* lineEdit(ToolWindow* window, int controlId) {
    return qobject_cast<QLineEdit*>(control(window, controlId));
}

QString text(ToolWindow* window, int controlId) {
    QWidget* widget = control(window, controlId);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        return line->text();
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        return plain->toPlainText();
    }
    if (auto* view = dynamic_cast<LongTextView*>(widget)) {
        return view->text();
    }
    return {};
}

void type(ToolWindow* window, int controlId, const QString& text) {
    QLineEdit* edit = lineEdit(window, controlId);
    if (edit == nullptr) {
        return;
    }
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
        return;
    }
    // A key a keyboard has no code for (é, or 😀 with both its halves) comes
    // as its text alone, as from a keyboard layout or an input method.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString key = text.mid(i, length);
        if (length == 1 && key.at(0).unicode() < 0x80) {
            QTest::keyClicks(edit, key);
        } else {
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, key, Qt::NoModifier);
        }
        i += length;
    }
    settle();
}

namespace {

int answersDue = 0;  // boxes shown whose MessageCatcher has not yet had its turn

bool resumeDue() {
    const QList<ToolWindow*> windows = mainFrame().findChildren<ToolWindow*>(Qt::FindDirectChildrenOnly);
    return std::any_of(windows.cbegin(), windows.cend(), [](const ToolWindow* window) {
        return window->handlerWaiting() &&
               (window->waitingBox() == nullptr || !window->waitingBox()->isVisible());
    });
}

}  // namespace

void settle() {
    while (answersDue > 0 || resumeDue()) {
        QApplication::processEvents();
    }
}

void click(ToolWindow* window, int controlId) {
    if (QAbstractButton* target = button(window, controlId)) {
        QTest::mouseClick(target, Qt::LeftButton);
    }
    settle();
}

void key(ToolWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = window->focusWidget() != nullptr ? window->focusWidget() : window;
    QTest::keyClick(target, key, modifiers);
    settle();
}

namespace {

Qt::Key keyOf(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<Qt::Key>(Qt::Key_0 + (c - '0'));
    }
    switch (c) {
        case '+':
            return Qt::Key_Plus;
        case '-':
            return Qt::Key_Minus;
        case '*':
            return Qt::Key_Asterisk;
        case '/':
            return Qt::Key_Slash;
        case '=':
            return Qt::Key_Equal;
        case '.':
            return Qt::Key_Period;
        case 'R':
            return Qt::Key_Return;
        case 'B':
            return Qt::Key_Backspace;
        case 'D':
            return Qt::Key_Delete;
        default:
            return Qt::Key_unknown;
    }
}

int idOf(std::string_view text) {
    return std::stoi(std::string(text));
}

void runStep(ToolWindow* window, std::string_view step) {
    if (step == "R") {
        key(window, Qt::Key_Return);
    } else if (step.starts_with('k')) {
        for (const char c : step.substr(1)) {
            if (c == ',') {
                key(window, Qt::Key_Comma, Qt::KeypadModifier);
            } else {
                key(window, keyOf(c));
            }
        }
    } else if (step.starts_with('f')) {
        if (QWidget* target = control(window, idOf(step.substr(1)))) {
            target->setFocus();
        }
    } else if (step.starts_with('t')) {
        const std::size_t equals = step.find('=');
        type(window, idOf(step.substr(1, equals - 1)), QString::fromUtf8(step.substr(equals + 1)));
    } else {
        click(window, idOf(step));
    }
}

}  // namespace

void runSteps(ToolWindow* window, const std::string& steps) {
    std::size_t start = 0;
    while (start < steps.size()) {
        const std::size_t end = std::min(steps.find(' ', start), steps.size());
        runStep(window, std::string_view(steps).substr(start, end - start));
        start = end + 1;
    }
}

std::string steps(std::initializer_list<Step> list) {
    std::string joined;
    for (const Step& step : list) {
        joined += (joined.empty() ? "" : " ") + step.text;
    }
    return joined;
}

std::string fieldTexts(std::initializer_list<std::pair<int, const char*>> list) {
    std::string joined;
    for (const auto& [id, text] : list) {
        joined += (joined.empty() ? "" : "|") + std::to_string(id) + "=" + text;
    }
    return joined;
}

void closeAllTools() {
    for (ToolWindow* window : mainFrame().findChildren<ToolWindow*>(Qt::FindDirectChildrenOnly)) {
        window->reject();
    }
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void takeOffScreen(QWidget* window) {
    // What the platform makes of it: its window hidden, the QWindow unexposed.
    window->windowHandle()->handle()->setVisible(false);
    QWindowPrivate::get(window->windowHandle())->exposed = false;
}

bool released(QPointer<ToolWindow>& window) {
    if (window != nullptr && window->isVisible()) {
        return false;
    }
    // Deliver everything else first: events left in the queue make every later
    // widget destruction search them, and a long test slows down quadratically.
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.isNull();
}

MessageCatcher::MessageCatcher() {
    qApp->installEventFilter(this);
}

MessageCatcher::~MessageCatcher() {
    // A box shown last is answered still, as the catcher promised.
    settle();
    answersDue -= due_;
    qApp->removeEventFilter(this);
}

bool MessageCatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show && event->type() != QEvent::Hide) {
        return false;
    }
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box == nullptr || box->objectName() != QLatin1String(message_box::kObjectName)) {
        return false;
    }
    if (event->type() == QEvent::Show) {
        messages.append(box->text());
        ++open_;
        ++answersDue;
        ++due_;
        QMetaObject::invokeMethod(
            this,
            [this, box = QPointer<QMessageBox>(box)] {
                --answersDue;
                --due_;
                if (box == nullptr) {
                    return;
                }
                if (onShow) {
                    onShow(box);
                } else {
                    box->button(QMessageBox::Ok)->click();
                }
            },
            Qt::QueuedConnection);
    } else if (open_ > 0) {
        --open_;
        ++answered;
    }
    return false;
}

namespace {

AccessibleEvents* listening = nullptr;

void recordAccessibleEvent(QAccessibleEvent* event) {
    if (listening == nullptr || event->object() == nullptr) {
        return;
    }
    const QString prefix = event->object()->objectName() + QLatin1Char('=');
    switch (event->type()) {
        case QAccessible::TextInserted:
            listening->texts << prefix + static_cast<QAccessibleTextInsertEvent*>(event)->textInserted();
            break;
        case QAccessible::TextUpdated:
            listening->texts << prefix + static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted();
            listening->removed << prefix + static_cast<QAccessibleTextUpdateEvent*>(event)->textRemoved();
            break;
        case QAccessible::TextRemoved:
            listening->removed << prefix + static_cast<QAccessibleTextRemoveEvent*>(event)->textRemoved();
            break;
        case QAccessible::TextCaretMoved:
            listening->carets << static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition();
            break;
        case QAccessible::Focus:
            listening->focusAndSelection << QStringLiteral("focus=") + event->object()->objectName();
            break;
        case QAccessible::TextSelectionChanged:
            if (auto* made = static_cast<QAccessibleTextSelectionEvent*>(event);
                made->selectionStart() != made->selectionEnd()) {
                listening->focusAndSelection << QStringLiteral("selected=") + event->object()->objectName();
            }
            break;
        case QAccessible::DescriptionChanged:
            listening->descriptions << prefix + event->accessibleInterface()->text(QAccessible::Description);
            break;
        case QAccessible::ObjectShow:
            if (event->accessibleInterface()->role() == QAccessible::Notification) {
                listening->notices << event->accessibleInterface()->text(QAccessible::Name);
            }
            break;
        default:
            break;
    }
}

void setAccessibilityActive(bool active) {
    if (QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        platform->setActive(active);
    }
}

}  // namespace

AccessibleEvents::AccessibleEvents() {
    listening = this;
    QAccessible::installUpdateHandler(recordAccessibleEvent);
    setAccessibilityActive(true);
}

AccessibleEvents::~AccessibleEvents() {
    setAccessibilityActive(false);
    QAccessible::installUpdateHandler(nullptr);
    listening = nullptr;
}

bool knownMessage(const QString& text) {
    static const QStringList known{
        QStringLiteral("Please enter a number."),
        QStringLiteral("Please enter an integer."),
        QStringLiteral("Number must be between 1 and 3999!"),
        QStringLiteral("Please enter an integer between 1 and 170"),
        QStringLiteral("Please enter a Roman numeral between I and MMMCMXCIX."),
        QStringLiteral("Failed to open document."),
    };
    return known.contains(text) || text.startsWith(QStringLiteral("Explanation of the meaning"));
}

}  // namespace harness
