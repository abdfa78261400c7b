// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QDialog>

// The About box, built from its template; the main window opens it modal to itself.
class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget* owner);
};
