// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QWidget>

class QAction;
class QPlainTextEdit;
class StepRecorder;
class ToolWindow;

// The worked steps of a converter's or a solver's last press, one a line, in
// a window of its own beside the tool window: modeless, resizable, read-only
// and selectable (Ctrl+A, Ctrl+C), redrawn after every press, closed with the
// tool window. A screen reader hears once, with the press's results, that
// the steps changed, and reads them line by line with the arrow keys.
class StepsWindow : public QWidget {
    Q_OBJECT

public:
    // The "Show Steps" action (Ctrl+T) of a tool window whose tool records
    // steps, added to the window beside Show Picture; from then on the tool
    // records the steps of each press. nullptr for every other tool.
    static QAction* offerFor(ToolWindow* toolWindow);

    QPlainTextEdit* view() const { return view_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    StepsWindow(ToolWindow* toolWindow, const StepRecorder& steps);
    static void showFor(ToolWindow* toolWindow, const StepRecorder& steps);
    // The steps as they stand; true when they differ from what was shown.
    bool refresh();
    void fitWidth();

    ToolWindow* tool_;
    const StepRecorder& steps_;
    QPlainTextEdit* view_;
};
