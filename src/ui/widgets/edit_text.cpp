// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/widgets/edit_text.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <limits>

#include "ui/widgets/long_text_view.h"

namespace edit_text {

QString of(const QWidget* widget) {
    if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
        return line->text();
    }
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget)) {
        return plain->toPlainText();
    }
    if (const auto* view = qobject_cast<const LongTextView*>(widget)) {
        return view->text();
    }
    return {};
}

void write(QWidget* widget, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        // The user's limit must never cut what the program writes:
        // QLineEdit::setText() cuts to maxLength (Qt 6.4.2, as documented).
        if (text.size() > line->maxLength()) {
            line->setMaxLength(
                static_cast<int>(std::min<qsizetype>(text.size(), std::numeric_limits<int>::max())));
        }
        line->setText(text);
        // Numbers read from their first digit; a right-aligned display shows its end.
        line->setCursorPosition(line->alignment() & Qt::AlignRight ? static_cast<int>(text.size()) : 0);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        plain->setPlainText(text);
        // The history grows at its end: keep the newest entries in view.
        plain->horizontalScrollBar()->setValue(plain->horizontalScrollBar()->maximum());
    } else if (auto* view = qobject_cast<LongTextView*>(widget)) {
        view->setText(text);
    }
}

void selectAll(QWidget* widget) {
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->selectAll();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        plain->selectAll();
    } else if (auto* view = qobject_cast<LongTextView*>(widget)) {
        view->selectAll();
    }
}

bool isEditable(const QObject* object) {
    const auto* line = qobject_cast<const QLineEdit*>(object);
    const auto* plain = qobject_cast<const QPlainTextEdit*>(object);
    return (line != nullptr && !line->isReadOnly()) || (plain != nullptr && !plain->isReadOnly());
}

}  // namespace edit_text
