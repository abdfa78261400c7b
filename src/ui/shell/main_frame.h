// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QFileDialog>
#include <QMainWindow>
#include <functional>

#include "ui/shell/brimlet_doc.h"

class LockIndicators;
class QLabel;
class QMenu;
class ToolWindow;

// The main window: menu bar, status bar and accelerators over an empty view.
// It owns every tool window it opens.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);

    CBrimletDoc& document() { return document_; }

    // Opens a new window of the tool with this menu command id; nullptr for
    // an id that opens no tool.
    ToolWindow* launchTool(int commandId);
    void showAbout();

    // The document commands; Ctrl+O and Ctrl+S ask for a file name first.
    void newDocument();
    bool openDocument(const QString& path);
    bool openDocument(const QByteArray& fileName);  // as the system spells it
    bool saveDocumentAs(const QString& path);
    void onFileOpen();
    void onFileSave();

    // The status bar's message pane and lock indicators.
    QString statusMessage() const;
    LockIndicators& lockIndicators() const { return *locks_; }

protected:
    bool event(QEvent* event) override;

private:
    void buildMenus();
    void buildAccelerators();
    void buildStatusBar();
    void updateTitle();
    void showMessagePane(const QString& text);
    // A file dialog of the document commands, not yet shown: chosen gets the
    // file the user picks.
    QFileDialog* makeFileDialog(const QString& caption, QFileDialog::AcceptMode mode,
                                const std::function<void(const QString&)>& chosen);

    CBrimletDoc document_;
    QLabel* messagePane_ = nullptr;
    LockIndicators* locks_ = nullptr;
    bool iconPending_ = false;  // the icon is set once the window has first been shown
};
