// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QFrame>

// The view fills the client area and draws nothing inside its sunken edge.
class CBrimletView : public QFrame {
public:
    explicit CBrimletView(QWidget* parent);
};
