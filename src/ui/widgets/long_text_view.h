// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QFrame>
#include <QString>

class QScrollBar;

// A read-only, single-line text field for texts that grow without bound: the
// calculators' display and history. QLineEdit and QPlainTextEdit lay out
// their whole line on every change, which takes a second for a million
// characters (Qt 6.4.2, Debian 12; no QTBUG found); this view lays out only
// the characters it shows, so a change costs the same however long the text
// is.
class LongTextView : public QFrame {
    Q_OBJECT

public:
    LongTextView(QWidget* parent, Qt::Alignment alignment, bool scrollBar);

    const QString& text() const { return text_; }
    void setText(const QString& text);

    bool isReadOnly() const { return true; }
    Qt::Alignment alignment() const { return alignment_; }

    // The whole text is selected (the only selection this view keeps).
    bool hasSelectedText() const { return selected_ && !text_.isEmpty(); }
    void selectAll();
    void deselect();
    QString selectedText() const { return hasSelectedText() ? text_ : QString(); }

    // Index of the first character shown, or -1 when the view shows the end.
    int firstShown() const { return first_; }
    void showFrom(int index);
    void showEnd();

    // The caret that the arrow keys, Home and End move (and scroll the text to);
    // a new text puts it at the end. Assistive tools are told where it goes.
    int cursorPosition() const { return caret_; }
    void setCursorPosition(int position);

    // Where a character is drawn, in the view's coordinates: empty for one
    // that is not in sight. The character at a point, or -1.
    QRect characterRect(int offset) const;
    int offsetAt(const QPoint& point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The part of the text that is drawn: from start, in rect, aligned so.
    struct Line {
        int start = 0;
        QString shown;
        QRect rect;
        Qt::Alignment align = Qt::AlignLeft;
    };
    Line line() const;
    // The left edge of the character at offset within the line (its end past the last).
    int edgeOf(const Line& shown, int offset) const;
    void moveCaret(int position);

    QRect textArea() const;
    int visibleChars() const;
    void syncScrollBar();
    void copy() const;

    QString text_;
    Qt::Alignment alignment_;
    QScrollBar* bar_ = nullptr;
    int first_ = -1;
    int caret_ = 0;
    bool selected_ = false;
};
