// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// Saves a picture of the main window and of every tool window, for looking at
// captions and layout by eye (also at QT_SCALE_FACTOR=2):
//     QT_QPA_PLATFORM=offscreen build/tests/window_snapshots OUTPUT_DIR
#include <QApplication>
#include <QDir>

#include "core/commands/command_table.h"
#include "ui/shell/about_dlg.h"
#include "ui/shell/main_frame.h"
#include "ui/window/tool_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("snapshots");
    QDir().mkpath(out);
    CMainFrame frame;
    frame.show();
    frame.grab().save(out + QStringLiteral("/main.png"));
    {
        CAboutDlg about(&frame);
        about.show();
        QApplication::processEvents();
        about.grab().save(out + QStringLiteral("/100-About.png"));
    }
    for (const ToolCommand& command : toolCommands()) {
        ToolWindow* window = frame.launchTool(command.commandId);
        QApplication::processEvents();
        window->grab().save(
            QStringLiteral("%1/%2-%3.png").arg(out).arg(command.dialogTemplate->id).arg(command.className));
        window->reject();
    }
    return 0;
}
