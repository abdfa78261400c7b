// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/widgets/field_edit.h"

#include <QFocusEvent>
#include <QTimer>

void FieldEdit::selectOnNextFocus() {
    selectOnNextFocus_ = true;
}

void FieldEdit::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    const bool byKeyboard =
        reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    if (hasSelectedText() || reason == Qt::MouseFocusReason) {
        selectOnNextFocus_ = false;  // a click places the caret itself
    }
    if (!(byKeyboard || selectOnNextFocus_) || hasSelectedText()) {
        QLineEdit::focusInEvent(event);
        return;
    }
    // The line edit would select at once, before the focus is announced; it
    // takes the focus as if from elsewhere, and selects on the next pass. A
    // window that opens may lose its focus again before then: the selection
    // waits for the next focus.
    QFocusEvent quiet(QEvent::FocusIn, Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&quiet);
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) {
            selectOnNextFocus_ = false;
            if (!hasSelectedText()) {
                selectAll();
            }
        }
    });
}
