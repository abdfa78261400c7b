// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QObject>
#include <QTimer>

// The caret of a focused field blinks while the user works, and rests, shown,
// once ten seconds have passed without a key or a click, as GTK's fields do
// (its gtk-cursor-blink-timeout): a program left alone with the focus in a
// field does not wake twice a second to blink. Works around Qt Widgets' caret
// blinking for as long as its field has the focus, with no way to stop it
// after a while (Qt 6.4.2, Debian 12; no QTBUG found). A field follows a
// change of the application's cursor flash time at once, so resting sets it
// to 0 and the next key, click or focus sets it back. One for the program,
// made after the application object.
class CaretRest : public QObject {
public:
    explicit CaretRest(QObject* parent = nullptr);
    ~CaretRest() override;

    // Stops the blinking until the next key, click or focus, as the quiet
    // time's end does.
    void rest();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const int flashTime_;  // the desktop's blink period
    QTimer quiet_;
};
