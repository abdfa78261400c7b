// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/window/key_router.h"

#include <QAbstractButton>
#include <QDialog>
#include <QKeyEvent>

#include "core/tool/tool.h"
#include "ui/access/result_announcer.h"
#include "ui/modality/handler_runner.h"
#include "ui/widgets/edit_text.h"

namespace {

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
    // The keypad's decimal key types the keyboard layout's separator, ',' on
    // most European layouts; on a calculator it is the decimal point.
    if ((event.modifiers() & Qt::KeypadModifier) != 0 &&
        (event.key() == Qt::Key_Comma || event.key() == Qt::Key_Period)) {
        key = ToolKey::Character;
        character = '.';
        return true;
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

KeyRouter::KeyRouter(QDialog* window, const BuiltControls& controls, Tool& tool, HandlerRunner& runner,
                     ResultAnnouncer& announcer)
    : QObject(window),
      window_(window),
      controls_(controls),
      tool_(tool),
      runner_(runner),
      announcer_(announcer) {
    for (const BuiltControls::Entry& entry : controls_.entries) {
        entry.widget->installEventFilter(this);
    }
}

bool KeyRouter::offerKey(const QObject* target, QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (runner_.busy() || (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)) {
        return false;
    }
    // What is typed into a field the user may edit (a calculator's memory)
    // belongs to that field.
    if (edit_text::isEditable(target)) {
        return false;
    }
    ToolKey key{};
    char character = 0;
    if (!toolKeyOf(*event, key, character)) {
        return false;
    }
    // A sign's key is heard as the word its button is described by ("times").
    const int pressed = tool_.keyControl(key, character);
    const QWidget* button = pressed != kNoId ? controls_.widget(pressed) : nullptr;
    announcer_.heardAs(button != nullptr ? button->accessibleDescription() : QString());
    return runner_.run([this, key, character] { return tool_.handleKey(key, character); });
}

bool KeyRouter::moveInUnitRow(QObject* watched, const QKeyEvent& event) {
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    int step = 0;
    switch (event.key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            step = -1;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            step = 1;
            break;
        default:
            return false;
    }
    // A mirrored window shows the row from right to left (its buttons' own
    // captions may still read left to right).
    const auto* widget = qobject_cast<QWidget*>(watched);
    if ((event.key() == Qt::Key_Left || event.key() == Qt::Key_Right) && widget != nullptr &&
        widget->window()->isRightToLeft()) {
        step = -step;
    }
    const QList<BuiltControls::Entry>& entries = controls_.entries;
    const auto isUnit = [&entries](qsizetype index) {
        return index >= 0 && index < entries.size() &&
               entries[index].control->kind == ControlKind::UnitButton;
    };
    qsizetype index = 0;
    while (index < entries.size() && entries[index].widget != watched) {
        ++index;
    }
    if (!isUnit(index)) {
        return false;
    }
    // The row is the unit buttons that stand together in template order; past
    // either end the move wraps to the other, as in the desktop's radio groups.
    qsizetype next = index + step;
    if (!isUnit(next)) {
        next = index;
        while (isUnit(next - step)) {
            next -= step;
        }
    }
    if (!runner_.busy()) {
        auto* neighbour = static_cast<QAbstractButton*>(entries[next].widget);
        // Pressed first, then focused, so that a screen reader introduces the
        // button together with the results of its press.
        announcer_.arriveAt(neighbour);
        neighbour->click();
        announcer_.arriveAt(nullptr);
        neighbour->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

bool KeyRouter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (moveInUnitRow(watched, *key) || offerKey(watched, key)) {
            event->accept();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool KeyRouter::windowKey(QKeyEvent* event) {
    if (offerKey(window_->focusWidget(), event)) {
        event->accept();
        return true;
    }
    if (event->modifiers() != Qt::NoModifier && event->modifiers() != Qt::KeypadModifier) {
        return false;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            event->accept();
            if (runner_.busy()) {
                return true;
            }
            auto* focused = qobject_cast<QAbstractButton*>(window_->focusWidget());
            if (focused != nullptr && controls_.control(focused) != nullptr) {
                focused->click();
            } else if (controls_.defaultButton != nullptr) {
                controls_.defaultButton->click();
            } else {
                window_->accept();
            }
            return true;
        }
        case Qt::Key_Escape:
            event->accept();
            window_->reject();
            return true;
        default:
            return false;
    }
}
