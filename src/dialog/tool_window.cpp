#include "dialog/tool_window.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <limits>

#include "dialog/dialog_units.h"
#include "dialog/long_text_view.h"
#include "dialog/message_box.h"
#include "dialog/tool.h"
#include "resources/dialog_template.h"

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The characters the basic calculator takes from the keyboard.
bool toolKeyOf(const QKeyEvent& event, ToolKey& key, char& character) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            key = ToolKey::Enter;
            return true;
        case Qt::Key_Backspace:
            key = ToolKey::Backspace;
            return true;
        case Qt::Key_Delete:
            key = ToolKey::Delete;
            return true;
        default:
            break;
    }
    const QString text = event.text();
    if (text.size() == 1 && text.at(0).unicode() > 0x20 && text.at(0).unicode() < 0x7f) {
        key = ToolKey::Character;
        character = static_cast<char>(text.at(0).unicode());
        return true;
    }
    return false;
}

}  // namespace

ToolWindow::ToolWindow(const DialogTemplate& dialogTemplate, std::unique_ptr<Tool> tool, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      template_(dialogTemplate),
      tool_(std::move(tool)) {
    setObjectName(QString::number(dialogTemplate.id));
    setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
    setModal(false);
    controls_ = buildTemplate(this, dialogTemplate);
    setFixedSize(controls_.size);

    for (const BuiltControls::Entry& entry : controls_.entries) {
        // The tool sees typed keys before any control does: a read-only edit
        // would otherwise swallow Backspace and Delete.
        entry.widget->installEventFilter(this);
        auto* button = qobject_cast<QAbstractButton*>(entry.widget);
        if (button != nullptr) {
            const int id = entry.control->id;
            connect(button, &QAbstractButton::clicked, this, [this, id] { click(id); });
        }
    }
    tool_->attach(this);
    tool_->writeAllFields();
}

ToolWindow::~ToolWindow() {
    tool_->attach(nullptr);
}

void ToolWindow::click(int controlId) {
    // A message box of a handler runs its own event loop; nothing of this
    // window may start another handler meanwhile.
    if (busy_) {
        return;
    }
    busy_ = true;
    tool_->handle(controlId);
    busy_ = false;
}

std::string ToolWindow::text(int controlId, std::size_t maxChars) const {
    QWidget* widget = controls_.widget(controlId);
    QString text;
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        text = line->text();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        text = plain->toPlainText();
    } else if (auto* view = dynamic_cast<LongTextView*>(widget)) {
        text = view->text();
    }
    if (maxChars < static_cast<std::size_t>(text.size())) {
        text.truncate(static_cast<qsizetype>(maxChars));
    }
    return text.toStdString();
}

void ToolWindow::setText(int controlId, std::string_view text) {
    QWidget* widget = controls_.widget(controlId);
    const QString value = toQString(text);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        // The user's limit must never cut what the program writes.
        if (value.size() > line->maxLength()) {
            line->setMaxLength(
                static_cast<int>(std::min<qsizetype>(value.size(), std::numeric_limits<int>::max())));
        }
        line->setText(value);
        // Numbers read from their first digit; a right-aligned display shows its end.
        line->setCursorPosition(line->alignment() & Qt::AlignRight ? static_cast<int>(value.size()) : 0);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        plain->setPlainText(value);
        // The history grows at its end: keep the newest entries in view.
        plain->horizontalScrollBar()->setValue(plain->horizontalScrollBar()->maximum());
    } else if (auto* view = dynamic_cast<LongTextView*>(widget)) {
        view->setText(value);
    }
}

void ToolWindow::focusAndSelectAll(int controlId) {
    QWidget* widget = controls_.widget(controlId);
    if (widget == nullptr) {
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->selectAll();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        plain->selectAll();
    } else if (auto* view = dynamic_cast<LongTextView*>(widget)) {
        view->selectAll();
    }
}

void ToolWindow::showMessage(std::string_view text) {
    message_box::warn(this, toQString(text));
}

void ToolWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (focusedOnce_) {
        return;
    }
    focusedOnce_ = true;
    if (QWidget* first = controls_.firstTabStop()) {
        first->setFocus(Qt::TabFocusReason);
        if (auto* line = qobject_cast<QLineEdit*>(first)) {
            line->selectAll();
        }
    }
}

bool ToolWindow::offerKey(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (busy_ || (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)) {
        return false;
    }
    ToolKey key{};
    char character = 0;
    return toolKeyOf(*event, key, character) && tool_->handleKey(key, character);
}

bool ToolWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && offerKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ToolWindow::keyPressEvent(QKeyEvent* event) {
    if (offerKey(event)) {
        event->accept();
        return;
    }
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter: {
                event->accept();
                if (busy_) {
                    return;
                }
                auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
                if (focused != nullptr && controls_.control(focused) != nullptr) {
                    focused->click();
                } else if (controls_.defaultButton != nullptr) {
                    controls_.defaultButton->click();
                } else {
                    accept();
                }
                return;
            }
            case Qt::Key_Escape:
                event->accept();
                reject();
                return;
            default:
                break;
        }
    }
    QDialog::keyPressEvent(event);
}

void ToolWindow::accept() {
    if (busy_) {
        return;
    }
    busy_ = true;
    const bool read = tool_->readAllFields();
    busy_ = false;
    if (read) {
        dismiss();
    }
}

void ToolWindow::reject() {
    dismiss();
}

void ToolWindow::dismiss() {
    // A hidden tool window is never shown again, so it is released.
    hide();
    setResult(QDialog::Rejected);
    deleteLater();
}
