// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/shell/brimlet_app.h"

#include <QDialog>
#include <QTimer>
#include <csignal>
#include <cstdio>

#include "ui/access/atspi_guard.h"
#include "ui/access/text_accessible.h"
#include "ui/modality/message_box.h"
#include "ui/shell/main_frame.h"
#include "ui/shell/settings_file.h"
#include "ui/widgets/app_icon.h"

CBrimletApp::CBrimletApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("brimlet"));
    setApplicationDisplayName(QString());
    setDesktopFileName(QStringLiteral("io.github.brimlet.Brimlet"));
    // A file that reaches the size limit (`ulimit -f`) fails to be written
    // and is reported as any failed write, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Before any window: the file dialogs' fields answer as the tools' do.
    TextAccessible::install();
    atspi_guard::install();
}

CBrimletApp::~CBrimletApp() = default;

QString CBrimletApp::loadProfileSettings() {
    return settings_file::addMissingKey();
}

void CBrimletApp::useProfileSettings() {
    const QString why = loadProfileSettings();
    if (!why.isEmpty()) {
        std::fprintf(stderr,
                     "brimlet: the settings are not used: %s; starting with the defaults, saving nothing\n",
                     why.toLocal8Bit().constData());
    }
}

bool CBrimletApp::initInstance(const QByteArray& fileName) {
    mainFrame_ = std::make_unique<CMainFrame>();
    if (!fileName.isEmpty() && !mainFrame_->openDocument(fileName)) {
        useProfileSettings();
        // The program ends with status 1 once the user has read why, as the
        // box says it; without a box there is nothing to wait for.
        auto* box = mainFrame_->findChild<QDialog*>(QLatin1String(message_box::kObjectName));
        if (box == nullptr) {
            return false;
        }
        setWindowIcon(appIcon());
        connect(box, &QDialog::finished, this, [] { QCoreApplication::exit(1); });
        return true;
    }
    mainFrame_->show();
    // Nothing on the screen depends on the settings file: it is read, and
    // written where the key is missing, on the first idle pass, once the
    // window is on its way to the screen.
    QTimer::singleShot(0, this, &CBrimletApp::useProfileSettings);
    return true;
}
