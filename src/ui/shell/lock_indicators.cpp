// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/shell/lock_indicators.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

#include "ui/shell/xkb_lock_states.h"

namespace {

// The words are the main window's, where the catalogues keep them.
QString translatedWord(const char* word) {
    return QCoreApplication::translate("CMainFrame", word);
}

// As far apart as the status bar sets its own panes.
constexpr int kPaneSpacing = 6;

}  // namespace

LockIndicators::LockIndicators(QWidget* parent)
    : QWidget(parent),
      panes_{{
          {Qt::Key_CapsLock, QT_TRANSLATE_NOOP("CMainFrame", "CAP")},
          {Qt::Key_NumLock, QT_TRANSLATE_NOOP("CMainFrame", "NUM")},
          {Qt::Key_ScrollLock, QT_TRANSLATE_NOOP("CMainFrame", "SCRL")},
      }} {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(kPaneSpacing);
    for (Pane& pane : panes_) {
        pane.label = new QLabel(this);
        pane.label->setObjectName(QString::fromLatin1(pane.word));
        pane.label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane.label->setAlignment(Qt::AlignCenter);
        pane.label->setMinimumWidth(pane.label->fontMetrics().horizontalAdvance(translatedWord(pane.word)) +
                                    8);
        row->addWidget(pane.label);
    }
    server_ = XkbLockStates::follow(
        [this](const XkbLockStates::States& states) { setStates(states[0], states[1], states[2]); });
    if (server_ != nullptr) {
        const XkbLockStates::States states = server_->states();
        setStates(states[0], states[1], states[2]);
    } else {
        qApp->installEventFilter(this);
    }
}

LockIndicators::~LockIndicators() = default;

void LockIndicators::setStates(bool caps, bool num, bool scroll) {
    const std::array<bool, 3> states{caps, num, scroll};
    for (std::size_t i = 0; i < panes_.size(); ++i) {
        panes_[i].on = states[i];
        panes_[i].label->setText(states[i] ? translatedWord(panes_[i].word) : QString());
    }
}

QString LockIndicators::text(Lock lock) const {
    return panes_[static_cast<std::size_t>(lock)].label->text();
}

bool LockIndicators::eventFilter(QObject* watched, QEvent* event) {
    // Only where no server tells the states: a lock key pressed in one of
    // the program's windows toggles its pane. Application filters see a key
    // event again at every widget it propagates to (Qt 6.4.2, by design): it
    // counts at its first receiver only.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        const bool propagated = event == lastKeyEvent_ && lastKeyReceiver_ != nullptr &&
                                widget != lastKeyReceiver_ && widget->isAncestorOf(lastKeyReceiver_);
        lastKeyEvent_ = event;
        lastKeyReceiver_ = widget;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!propagated && !key->isAutoRepeat()) {
            std::array<bool, 3> states{};
            bool toggled = false;
            for (std::size_t i = 0; i < panes_.size(); ++i) {
                const bool hit = panes_[i].key == key->key();
                states[i] = panes_[i].on != hit;
                toggled = toggled || hit;
            }
            if (toggled) {
                setStates(states[0], states[1], states[2]);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
