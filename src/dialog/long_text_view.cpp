#include "dialog/long_text_view.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
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
    syncScrollBar();
    update();
    if (before == text_) {
        return;
    }
    // Assistive tools are told what changed, as a line edit tells them. Text
    // that grows at its end (the history, a number being typed) reports only
    // what was added, however long the text has become.
    if (text_.startsWith(before)) {
        QAccessibleTextInsertEvent event(this, static_cast<int>(before.size()), text_.mid(before.size()));
        event.setCursorPosition(static_cast<int>(text_.size()));
        QAccessible::updateAccessibility(&event);
    } else if (text_.isEmpty()) {
        QAccessibleTextRemoveEvent event(this, 0, before);
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

void LongTextView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = textArea();
    painter.setClipRect(area);
    const int window = visibleChars();
    const qsizetype length = text_.size();

    QString shown;
    Qt::Alignment align = Qt::AlignLeft;
    if (first_ >= 0) {
        shown = text_.mid(first_, window);
    } else if (length <= window) {
        shown = text_;
        align = fontMetrics().horizontalAdvance(shown) <= area.width()
                    ? (alignment_ & Qt::AlignHorizontal_Mask)
                    : Qt::AlignRight;
    } else {
        shown = text_.right(window);
        align = Qt::AlignRight;
    }
    if (align == 0) {
        align = Qt::AlignLeft;
    }

    const QPalette& pal = palette();
    QRect textRect = area;
    if (hasSelectedText()) {
        const int width = std::min(area.width(), fontMetrics().horizontalAdvance(shown));
        QRect band = QStyle::alignedRect(Qt::LeftToRight, align | Qt::AlignVCenter,
                                         QSize(width, fontMetrics().height()), area);
        painter.fillRect(band,
                         pal.color(hasFocus() ? QPalette::Active : QPalette::Inactive, QPalette::Highlight));
        painter.setPen(
            pal.color(hasFocus() ? QPalette::Active : QPalette::Inactive, QPalette::HighlightedText));
    } else {
        painter.setPen(pal.color(QPalette::Text));
    }
    painter.drawText(textRect, static_cast<int>(align | Qt::AlignVCenter) | Qt::TextSingleLine, shown);
    (void)event;
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
    } else if (event->key() == Qt::Key_End) {
        showEnd();
    } else if (event->key() == Qt::Key_Left && event->modifiers() == Qt::NoModifier) {
        const int window = visibleChars();
        showFrom(first_ >= 0 ? first_ - 1 : static_cast<int>(text_.size()) - window);
    } else if (event->key() == Qt::Key_Right && event->modifiers() == Qt::NoModifier) {
        if (first_ >= 0) {
            if (first_ + visibleChars() >= text_.size()) {
                showEnd();
            } else {
                showFrom(first_ + 1);
            }
        }
    } else {
        // Everything else (Enter, Esc, Tab…) belongs to the window.
        event->ignore();
        return;
    }
    event->accept();
}

void LongTextView::mousePressEvent(QMouseEvent* event) {
    deselect();
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
