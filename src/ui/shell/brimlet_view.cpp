// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/shell/brimlet_view.h"

#include <QCoreApplication>

#include "core/resources/version.h"

CBrimletView::CBrimletView(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("view"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    // The view draws nothing, but it holds the focus whenever a tool window
    // closes; a screen reader then says where the tools are.
    setAccessibleName(QCoreApplication::translate("CBrimletView", "%1: the tools are in the menus (Alt)")
                          .arg(QString::fromUtf8(kProductName)));
}
