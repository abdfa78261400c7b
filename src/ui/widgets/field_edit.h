// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QLineEdit>

// A one-line field of a tool window. It selects its whole text when the
// keyboard brings the focus to it, as every field does, but only once the
// focus has been announced: a screen reader reads the field with its
// selection then, and the selection's own notice brings nothing new. Selected
// before, as a plain line edit does it, the value is read twice: QLineEdit
// selects in its focusInEvent(), before Qt tells assistive tools of the focus
// (Qt 6.4.2, Debian 12; no QTBUG found).
class FieldEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    // The next focus, whatever brings it, selects the whole text: for the
    // field that a window opens on, whose focus comes with the window.
    void selectOnNextFocus();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    bool selectOnNextFocus_ = false;
};
