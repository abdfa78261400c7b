// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QWidget>

// What a press has changed, told to a screen reader. The reader speaks text
// changes only of the focused control, and the results are mostly fields the
// keyboard never visits; a notification that shows is spoken wherever the
// focus is. On X11 it is a window of its own (a pixel, shown for a moment,
// never active): inside the tool window, the reader would first read the tool
// window and its loose texts again at every press. It takes no input.
class ResultNotice : public QWidget {
    Q_OBJECT

public:
    explicit ResultNotice(QWidget* window);

    // Shows the notice with this text, so that it is spoken.
    void announce(const QString& text);
    // Goes once a reader has had time to ask for its text.
    void retire();

private:
    QWidget* window_;
};
