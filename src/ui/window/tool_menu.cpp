// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/window/tool_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <utility>

#include "ui/window/tool_window.h"

ToolMenu::ToolMenu(ToolWindow* window, QList<QWidget*> fields)
    : QObject(window), window_(window), fields_(std::move(fields)) {
    auto* copyAll = new QAction(QCoreApplication::translate("ToolWindow", "Copy All Fields"), window);
    copyAll->setObjectName(QStringLiteral("copyAllFields"));
    copyAll->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyAll->setShortcutContext(Qt::WindowShortcut);
    connect(copyAll, &QAction::triggered, window, &ToolWindow::copyAllFields);
    window->addAction(copyAll);

    opener_ = new QAction(window);
    opener_->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    opener_->setShortcutContext(Qt::WindowShortcut);
    connect(opener_, &QAction::triggered, this, [this] {
        const QWidget* at = window_->focusWidget() != nullptr ? window_->focusWidget() : window_;
        // Opened by a key, it opens on its first entry, as a menu bar's menus
        // do; QMenu::popup() opens on none (Qt 6.4.2; no QTBUG found).
        QMenu* menu = popup(at->mapToGlobal(QPoint(0, at->height())));
        menu->setActiveAction(menu->actions().value(0));
    });
    window->addAction(opener_);
    for (QWidget* field : std::as_const(fields_)) {
        if ((field->focusPolicy() & Qt::TabFocus) == 0) {  // a field Tab passes by
            field->setToolTip(QCoreApplication::translate(
                "ToolWindow", "Copy Field in the window's context menu (Shift+F10) copies it"));
        }
    }
}

QMenu* ToolMenu::popup(const QPoint& globalPos) {
    auto* menu = new QMenu(window_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : window_->actions()) {
        if (action != opener_) {
            menu->addAction(action);
        }
    }
    QMenu* copyField = menu->addMenu(QCoreApplication::translate("ToolWindow", "Copy Field"));
    copyField->setObjectName(QStringLiteral("copyField"));
    for (QWidget* field : std::as_const(fields_)) {
        connect(copyField->addAction(field->accessibleName()), &QAction::triggered, window_,
                [this, field] { window_->copyField(field); });
    }
    menu->popup(globalPos);
    return menu;
}
