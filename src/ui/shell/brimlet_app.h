// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QApplication>
#include <memory>

class CMainFrame;

// The application object: the one instance that lives for the whole run.
class CBrimletApp : public QApplication {
public:
    CBrimletApp(int& argc, char** argv);
    ~CBrimletApp() override;

    // Start-up: main window, command line, show, then (on the first idle
    // pass) the settings key. When a file
    // named on the command line cannot be opened, the box that says so is
    // shown alone and the event loop ends with status 1 once it is answered.
    // False when the program must end at once.
    // The file name is the command line's bytes, which need not be valid text.
    bool initInstance(const QByteArray& fileName);

    CMainFrame* mainFrame() const { return mainFrame_.get(); }

    // Touches the per-user settings key, creating "Settings/PreviewPages" = 0.
    // Never waits: a settings file (or lock) that is not a small regular
    // file, cannot be read, or cannot be locked briefly is left alone, and
    // the reason is returned (empty when the settings were used).
    static QString loadProfileSettings();

private:
    // loadProfileSettings, with the reason a file is left alone on standard error.
    static void useProfileSettings();

    std::unique_ptr<CMainFrame> mainFrame_;
};
