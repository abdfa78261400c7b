// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QPushButton>

// A push button with the flat look: a thin one-line frame and no 3-D bevel,
// drawn here, since QPushButton::setFlat() draws no frame at all in most
// styles (Qt 6.4.2, as designed).
// Checked (a pressed unit button) and held down, it shows sunken. The
// template's default button carries a second line of frame.
class FlatButton : public QPushButton {
    Q_OBJECT

public:
    explicit FlatButton(const QString& caption, QWidget* parent);

    void setTemplateDefault(bool isDefault);

    // A button without caption or work (the advanced calculator's blank
    // keys): drawn as the others, but no control to the keyboard or to
    // assistive tools.
    void setInert();
    bool isInert() const { return inert_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // A pressed unit button pressed again stays pressed, as in the desktop's
    // radio groups, rather than coming up for its group to press it again:
    // assistive tools would hear twice of a state that did not change. A
    // checkable button toggles at every click in Qt 6.4.2, as documented.
    void nextCheckState() override;

private:
    bool templateDefault_ = false;
    bool inert_ = false;
};
