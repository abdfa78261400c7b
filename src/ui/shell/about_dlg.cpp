// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/shell/about_dlg.h"

#include <QAbstractButton>
#include <QFrame>

#include "core/resources/templates.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/translated.h"
#include "ui/window/template_builder.h"

CAboutDlg::CAboutDlg(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("100"));
    setWindowTitle(translated("CAboutDlg", kTemplate100.caption));
    const BuiltControls built = buildTemplate(this, kTemplate100, "CAboutDlg");
    setFixedSize(built.size);

    // The thin border of a popup without caption bar.
    auto* border = new QFrame(this);
    border->setFrameStyle(QFrame::Box | QFrame::Plain);
    border->setGeometry(rect());
    border->setAttribute(Qt::WA_TransparentForMouseEvents);
    border->lower();

    if (built.defaultButton != nullptr) {
        connect(built.defaultButton, &QAbstractButton::clicked, this, &QDialog::accept);
        built.defaultButton->setFocus();
    }
}
