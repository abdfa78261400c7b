// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/widgets/long_text_view.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <limits>
#include <utility>

namespace {

constexpr int kMargin = 2;

}  // namespace

LongTextView::LongTextView(QWidget* parent, Qt::Alignment alignment, bool scrollBar)
    : QFrame(parent), alignment_(alignment) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setCursor(Qt::IBeamCursor);
    if (scrollBar) {
        bar_ = new QScrollBar(Qt::Horizontal, this);
        bar_->setFocusPolicy(Qt::NoFocus);
        connect(bar_, &QScrollBar::valueChanged, this, [this](int value) {
            first_ = value >= bar_->maximum() ? -1 : value;
            update();
        });
    }
}

QRect LongTextView::textArea() const {
    QRect area = contentsRect().adjusted(kMargin, 0, -kMargin, 0);
    if (bar_ != nullptr) {
        area.setBottom(bar_->geometry().top() - 1);
    }
    return area;
}

int LongTextView::visibleChars() const {
    // Generous: enough of the narrowest characters to fill the width.
    const int narrowest = std::max(1, fontMetrics().horizontalAdvance(QLatin1Char('i')) / 2);
    return textArea().width() / narrowest + 2;
}

void LongTextView::setText(const QString& text) {
    const QString before = std::exchange(text_, text);
    selected_ = false;
    first_ = -1;  // a new text shows its end, where it changes
    caret_ = static_cast<int>(text_.size());
    syncScrollBar();
    update();
    if (before == text_) {
        return;
    }
    // Assistive tools are told what changed, as a line edit tells them. Text
    // that grows at its end (the history, a number being typed) reports only
    // what was added, however long the text has become; text cut at its end
    // (Back, Clear) only what went.
    if (text_.startsWith(before)) {
        QAccessibleTextInsertEvent event(this, static_cast<int>(before.size()), text_.mid(before.size()));
        event.setCursorPosition(static_cast<int>(text_.size()));
        QAccessible::updateAccessibility(&event);
    } else if (before.startsWith(text_)) {
        QAccessibleTextRemoveEvent event(this, static_cast<int>(text_.size()), before.mid(text_.size()));
        event.setCursorPosition(static_cast<int>(text_.size()));
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleTextUpdateEvent event(this, 0, before, text_);
        QAccessible::updateAccessibility(&event);
    }
}

void LongTextView::selectAll() {
    selected_ = true;
    update();
}

void LongTextView::deselect() {
    selected_ = false;
    update();
}

void LongTextView::showFrom(int index) {
    first_ = std::clamp(index, 0, static_cast<int>(text_.size()));
    syncScrollBar();
    update();
}

void LongTextView::showEnd() {
    first_ = -1;
    syncScrollBar();
    update();
}

void LongTextView::syncScrollBar() {
    if (bar_ == nullptr) {
        return;
    }
    const int length = static_cast<int>(std::min<qsizetype>(text_.size(), std::numeric_limits<int>::max()));
    const QSignalBlocker block(bar_);
    bar_->setRange(0, std::max(0, length - visibleChars() / 2));
    bar_->setPageStep(std::max(1, visibleChars() / 2));
    bar_->setValue(first_ < 0 ? bar_->maximum() : first_);
}

void LongTextView::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    if (bar_ != nullptr) {
        const QRect inner = contentsRect();
        const int height = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bar_);
        bar_->setGeometry(inner.left(), inner.bottom() - height + 1, inner.width(), height);
        syncScrollBar();
    }
}

LongTextView::Line LongTextView::line() const {
    const QRect area = textArea();
    const int window = visibleChars();
    const int length = static_cast<int>(std::min<qsizetype>(text_.size(), std::numeric_limits<int>::max()));
    Line line;
    line.rect = area;
    if (first_ >= 0) {
        line.start = first_;
        line.shown = text_.mid(first_, window);
    } else if (length <= window) {
        line.shown = text_;
        line.align = fontMetrics().horizontalAdvance(line.shown) <= area.width()
                         ? (alignment_ & Qt::AlignHorizontal_Mask)
                         : Qt::AlignRight;
    } else {
        line.start = length - window;
        line.shown = text_.right(window);
        line.align = Qt::AlignRight;
    }
    if (line.align == 0) {
        line.align = Qt::AlignLeft;
    }
    return line;
}

int LongTextView::edgeOf(const Line& shown, int offset) const {
    const QFontMetrics metrics = fontMetrics();
    const int index = std::clamp(offset - shown.start, 0, static_cast<int>(shown.shown.size()));
    if (shown.align & Qt::AlignRight) {
        return shown.rect.right() + 1 - metrics.horizontalAdvance(shown.shown.mid(index));
    }
    if (shown.align & Qt::AlignHCenter) {
        const int width = metrics.horizontalAdvance(shown.shown);
        return shown.rect.left() + (shown.rect.width() - width) / 2 +
               metrics.horizontalAdvance(shown.shown.left(index));
    }
    return shown.rect.left() + metrics.horizontalAdvance(shown.shown.left(index));
}

QRect LongTextView::characterRect(int offset) const {
    const Line shown = line();
    if (offset < shown.start || offset >= shown.start + shown.shown.size()) {
        return {};
    }
    const int left = edgeOf(shown, offset);
    const int right = edgeOf(shown, offset + 1);
    const int height = fontMetrics().height();
    const QRect rect(left, shown.rect.top() + (shown.rect.height() - height) / 2, right - left, height);
    return rect.intersects(shown.rect) ? rect : QRect();
}

int LongTextView::offsetAt(const QPoint& point) const {
    const Line shown = line();
    if (!shown.rect.contains(point)) {
        return -1;
    }
    for (int offset = shown.start; offset < shown.start + shown.shown.size(); ++offset) {
        if (point.x() < edgeOf(shown, offset + 1)) {
            return point.x() >= edgeOf(shown, offset) ? offset : -1;
        }
    }
    return -1;
}

void LongTextView::setCursorPosition(int position) {
    moveCaret(position);
}

void LongTextView::moveCaret(int position) {
    const int length = static_cast<int>(std::min<qsizetype>(text_.size(), std::numeric_limits<int>::max()));
    caret_ = std::clamp(position, 0, length);
    // Scroll only as far as the caret needs, as a line edit does.
    const Line shown = line();
    const int x = edgeOf(shown, caret_);
    if (caret_ == length) {
        if (x > shown.rect.right() || shown.start + shown.shown.size() < length) {
            showEnd();
        }
    } else if (caret_ < shown.start || x < shown.rect.left()) {
        showFrom(caret_);
    } else if (caret_ >= shown.start + shown.shown.size() ||
               edgeOf(shown, caret_ + 1) > shown.rect.right() + 1) {
        // Show the caret's character at the right edge.
        const QFontMetrics metrics = fontMetrics();
        int first = caret_ + 1;
        int width = 0;
        while (first > 0 && width + metrics.horizontalAdvance(text_.at(first - 1)) <= shown.rect.width()) {
            width += metrics.horizontalAdvance(text_.at(--first));
        }
        showFrom(first);
    }
    update();
    QAccessibleTextCursorEvent event(this, caret_);
    QAccessible::updateAccessibility(&event);
}

void LongTextView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const Line shown = line();
    painter.setClipRect(shown.rect);

    const QPalette& pal = palette();
    if (hasSelectedText()) {
        const int width = std::min(shown.rect.width(), fontMetrics().horizontalAdvance(shown.shown));
        QRect band = QStyle::alignedRect(Qt::LeftToRight, shown.align | Qt::AlignVCenter,
                                         QSize(width, fontMetrics().height()), shown.rect);
        painter.fillRect(band,
                         pal.color(hasFocus() ? QPalette::Active : QPalette::Inactive, QPalette::Highlight));
        painter.setPen(
            pal.color(hasFocus() ? QPalette::Active : QPalette::Inactive, QPalette::HighlightedText));
    } else {
        painter.setPen(pal.color(QPalette::Text));
    }
    painter.drawText(shown.rect, static_cast<int>(shown.align | Qt::AlignVCenter) | Qt::TextSingleLine,
                     shown.shown);
    // The caret shows where the arrow keys have got to, once they have moved it.
    if (hasFocus() && caret_ < text_.size()) {
        const int x = edgeOf(shown, caret_);
        const int height = fontMetrics().height();
        const int top = shown.rect.top() + (shown.rect.height() - height) / 2;
        painter.setPen(pal.color(QPalette::Text));
        painter.drawLine(x, top, x, top + height - 1);
    }
}

void LongTextView::copy() const {
    if (!text_.isEmpty()) {
        QApplication::clipboard()->setText(text_);
    }
}

void LongTextView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (event->key() == Qt::Key_Home) {
        showFrom(0);
        moveCaret(0);
    } else if (event->key() == Qt::Key_End) {
        showEnd();
        moveCaret(static_cast<int>(text_.size()));
    } else if (event->key() == Qt::Key_Left && event->modifiers() == Qt::NoModifier) {
        moveCaret(caret_ - 1);
    } else if (event->key() == Qt::Key_Right && event->modifiers() == Qt::NoModifier) {
        moveCaret(caret_ + 1);
    } else {
        // Everything else (Enter, Esc, Tab…) belongs to the window.
        event->ignore();
        return;
    }
    event->accept();
}

void LongTextView::mousePressEvent(QMouseEvent* event) {
    deselect();
    if (const int offset = offsetAt(event->position().toPoint()); offset >= 0) {
        moveCaret(offset);
    }
    QFrame::mousePressEvent(event);
}

void LongTextView::mouseDoubleClickEvent(QMouseEvent*) {
    selectAll();
}

void LongTextView::wheelEvent(QWheelEvent* event) {
    if (bar_ != nullptr) {
        QApplication::sendEvent(bar_, event);
    } else {
        QFrame::wheelEvent(event);
    }
}

void LongTextView::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    update();
}

void LongTextView::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
    update();
}
