// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/window/tool_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "ui/window/tool_window.h"

ToolMenu::ToolMenu(ToolWindow* window) : QObject(window), window_(window) {
    auto* copyAll = new QAction(QCoreApplication::translate("ToolWindow", "Copy All Fields"), window);
    copyAll->setObjectName(QStringLiteral("copyAllFields"));
    copyAll->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyAll->setShortcutContext(Qt::WindowShortcut);
    connect(copyAll, &QAction::triggered, window, &ToolWindow::copyAllFields);
    window->addAction(copyAll);
}

void ToolMenu::popup(const QPoint& globalPos) {
    auto* menu = new QMenu(window_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions(window_->actions());
    menu->popup(globalPos);
}
