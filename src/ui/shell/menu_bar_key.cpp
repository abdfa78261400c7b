// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/shell/menu_bar_key.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

void addMenuBarKey(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    auto* key = new QAction(window);
    key->setObjectName(QStringLiteral("menuBarKey"));
    key->setShortcut(QKeySequence(Qt::Key_F10));
    key->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(key, &QAction::triggered, window, [window, bar] {
        // As Alt pressed and released alone: the bar takes the keyboard (Alt
        // again would give it back), so Left and Right go from menu to menu,
        // each opening on its first item. Qt 6.4.2 gives F10 no meaning and
        // the bar no call that does this; it reacts to the Alt key's events
        // alone (no QTBUG found).
        if (!bar->hasFocus()) {
            for (const QEvent::Type type : {QEvent::ShortcutOverride, QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent alt(type, Qt::Key_Alt,
                              type == QEvent::KeyRelease ? Qt::NoModifier : Qt::AltModifier);
                QCoreApplication::sendEvent(window, &alt);
            }
        }
        // Then as a menu's mnemonic: the first menu opens on its first item.
        QMenu* first = bar->actions().value(0)->menu();
        bar->setActiveAction(first->menuAction());
        first->setActiveAction(first->actions().value(0));
    });
    window->addAction(key);
}
