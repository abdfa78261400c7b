// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/access/text_adapters.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QValidator>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "ui/widgets/long_text_view.h"

namespace {

class LineEditAdapter : public TextAccessible::Adapter {
public:
    explicit LineEditAdapter(QLineEdit* edit) : edit_(edit) {}

    QString text() const override {
        // A hidden text is read as what the field shows.
        return edit_->echoMode() == QLineEdit::Normal ? edit_->text() : edit_->displayText();
    }
    bool isReadOnly() const override { return edit_->isReadOnly(); }
    bool isMultiLine() const override { return false; }
    int cursorPosition() const override { return edit_->cursorPosition(); }
    void setCursorPosition(int position) override { edit_->setCursorPosition(position); }
    void selection(int* start, int* end) const override {
        *start = edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
        *end = *start + (edit_->hasSelectedText() ? edit_->selectionLength() : 0);
    }
    void setSelection(int start, int end) override {
        if (start == end) {
            edit_->deselect();
        } else {
            edit_->setSelection(start, end - start);
        }
    }
    QRect characterRect(int offset) const override {
        measure();
        const int left = int(std::floor(origin_ + edges_[offset]));
        const int right = int(std::ceil(origin_ + edges_[offset + 1]));
        const int height = edit_->fontMetrics().height();
        return {left, (edit_->height() - height) / 2, std::max(1, right - left), height};
    }
    int offsetAtPoint(const QPoint& point) const override { return edit_->cursorPositionAt(point); }
    void scrollTo(int start, int end) override {
        edit_->setCursorPosition(end);
        edit_->setCursorPosition(start);
    }
    void replace(int start, int end, const QString& text) override {
        QString changed = edit_->text();
        changed.replace(start, end - start, text);
        // A text the field cannot hold whole is refused, not cut: what
        // would be left is not what the user asked for.
        if (changed.size() > edit_->maxLength()) {
            return;
        }
        if (const QValidator* validator = edit_->validator()) {
            int position = 0;
            if (validator->validate(changed, position) != QValidator::Acceptable) {
                return;
            }
        }
        edit_->setText(changed);
        edit_->setCursorPosition(start + int(text.size()));
    }

private:
    // What the measures depend on. The text is compared by its data first:
    // the edit hands out the same shared text until it changes.
    struct Layout {
        QString text;
        QSize size;
        int cursor = -1;
        QString font;
        bool operator==(const Layout& other) const {
            return size == other.size && cursor == other.cursor && font == other.font &&
                   text.size() == other.text.size() &&
                   (text.constData() == other.text.constData() || text == other.text);
        }
    };

    // Assistive tools ask for one character after another (a range's
    // extent is asked character by character), so every edge is measured
    // once for each text and layout. The line edit keeps its scrolling and
    // alignment to itself (Qt 6.4.2 has no public call for a character's
    // place in a QLineEdit; its own accessible interface uses private
    // parts; no QTBUG found); it tells only the caret position nearest to a
    // point, which passes from 0 to 1 in the middle of the first character:
    // that places the text.
    void measure() const {
        const Layout now{text(), edit_->size(), edit_->cursorPosition(), edit_->font().key()};
        if (now == layout_) {
            return;
        }
        layout_ = now;
        const QString& all = now.text;
        const QFontMetricsF metrics(edit_->font());
        edges_.assign(all.size() + 1, 0.0);
        for (qsizetype i = 0; i < all.size(); ++i) {
            const bool pair = all.at(i).isHighSurrogate() && i + 1 < all.size();
            edges_[i + 1] = edges_[i] + (pair ? metrics.horizontalAdvance(all.mid(i, 2))
                                              : metrics.horizontalAdvance(all.at(i)));
            if (pair) {
                ++i;
                edges_[i + 1] = edges_[i];
            }
        }
        const qreal reach = edges_.back() + 2.0 * edit_->width() + 1.0;
        int low = int(std::max<qreal>(-reach, std::numeric_limits<int>::min() / 2));
        int high = int(std::min<qreal>(reach, std::numeric_limits<int>::max() / 2));
        const int y = edit_->height() / 2;
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (edit_->cursorPositionAt(QPoint(middle, y)) >= 1) {
                high = middle;
            } else {
                low = middle + 1;
            }
        }
        origin_ = all.isEmpty() ? 0.0 : low - edges_[1] / 2;
    }

    QLineEdit* edit_;
    mutable Layout layout_;
    mutable std::vector<qreal> edges_;  // the left edge of each character, and the end
    mutable qreal origin_ = 0.0;        // where the text starts in the edit
};

class PlainTextAdapter : public TextAccessible::Adapter {
public:
    explicit PlainTextAdapter(QPlainTextEdit* edit) : edit_(edit) {}

    // The plain text and the document count positions alike: a paragraph
    // break is one '\n'.
    QString text() const override { return edit_->toPlainText(); }
    bool isReadOnly() const override { return edit_->isReadOnly(); }
    bool isMultiLine() const override { return true; }
    int cursorPosition() const override { return edit_->textCursor().position(); }
    void setCursorPosition(int position) override { setSelection(position, position); }
    void selection(int* start, int* end) const override {
        const QTextCursor cursor = edit_->textCursor();
        *start = cursor.selectionStart();
        *end = cursor.selectionEnd();
    }
    void setSelection(int start, int end) override { edit_->setTextCursor(cursorFor(start, end)); }
    QRect characterRect(int offset) const override {
        const QRect caret = edit_->cursorRect(cursorFor(offset, offset));
        const int width = std::max(1, edit_->fontMetrics().horizontalAdvance(text().mid(offset, 1)));
        return QRect(caret.left(), caret.top(), width, caret.height())
            .translated(edit_->viewport()->geometry().topLeft());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return edit_->cursorForPosition(edit_->viewport()->mapFrom(edit_, point)).position();
    }
    void scrollTo(int start, int end) override {
        edit_->setTextCursor(cursorFor(end, end));
        edit_->ensureCursorVisible();
        edit_->setTextCursor(cursorFor(start, start));
        edit_->ensureCursorVisible();
    }
    void replace(int start, int end, const QString& text) override {
        QTextCursor cursor = cursorFor(start, end);
        cursor.insertText(text);
        edit_->setTextCursor(cursor);
    }

private:
    QTextCursor cursorFor(int anchor, int position) const {
        QTextCursor cursor(edit_->document());
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        return cursor;
    }

    QPlainTextEdit* edit_;
};

// The view's only selection is the whole text.
class LongTextAdapter : public TextAccessible::Adapter {
public:
    explicit LongTextAdapter(LongTextView* view) : view_(view) {}

    QString text() const override { return view_->text(); }
    bool isReadOnly() const override { return true; }
    bool isMultiLine() const override { return false; }
    int cursorPosition() const override { return view_->cursorPosition(); }
    void setCursorPosition(int position) override { view_->setCursorPosition(position); }
    void selection(int* start, int* end) const override {
        *start = 0;
        *end = view_->hasSelectedText() ? int(view_->text().size()) : 0;
    }
    void setSelection(int start, int end) override {
        if (start <= 0 && end >= view_->text().size() && start != end) {
            view_->selectAll();
        } else {
            view_->deselect();
        }
    }
    QRect characterRect(int offset) const override { return view_->characterRect(offset); }
    int offsetAtPoint(const QPoint& point) const override { return view_->offsetAt(point); }
    void scrollTo(int start, int) override { view_->showFrom(start); }
    void replace(int, int, const QString&) override {}

private:
    LongTextView* view_;
};

}  // namespace

std::unique_ptr<TextAccessible::Adapter> textAdapterFor(QObject* object) {
    if (auto* line = qobject_cast<QLineEdit*>(object)) {
        return std::make_unique<LineEditAdapter>(line);
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(object)) {
        return std::make_unique<PlainTextAdapter>(plain);
    }
    if (auto* view = qobject_cast<LongTextView*>(object)) {
        return std::make_unique<LongTextAdapter>(view);
    }
    return nullptr;
}
