// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/widgets/caret_rest.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

namespace {

constexpr int kQuietMs = 10000;  // GTK's default time-out

}  // namespace

CaretRest::CaretRest(QObject* parent)
    : QObject(parent), flashTime_(QGuiApplication::styleHints()->cursorFlashTime()) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMs);
    connect(&quiet_, &QTimer::timeout, this, &CaretRest::rest);
    QCoreApplication::instance()->installEventFilter(this);
    quiet_.start();
}

CaretRest::~CaretRest() {
    QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
}

void CaretRest::rest() {
    QGuiApplication::styleHints()->setCursorFlashTime(0);
}

bool CaretRest::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::InputMethod:
        case QEvent::FocusIn:
            // Before the field sees the event: a field that takes the focus
            // reads the period as it starts blinking.
            QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
            quiet_.start();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}
