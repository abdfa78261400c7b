#include "ui/access/text_accessible.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBoundaryFinder>
#include <QTextCursor>
#include <QValidator>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "ui/access/accessible_adoption.h"
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
    // alignment to itself; it tells only the caret position nearest to a
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

QAccessibleInterface* textFactory(const QString&, QObject* object) {
    std::unique_ptr<TextAccessible::Adapter> adapter;
    if (auto* line = qobject_cast<QLineEdit*>(object)) {
        adapter = std::make_unique<LineEditAdapter>(line);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(object)) {
        adapter = std::make_unique<PlainTextAdapter>(plain);
    } else if (auto* view = qobject_cast<LongTextView*>(object)) {
        adapter = std::make_unique<LongTextAdapter>(view);
    } else {
        return nullptr;
    }
    return new TextAccessible(static_cast<QWidget*>(object), std::move(adapter));
}

// A piece of the text as [start, end); start = end = -1 where there is none.
struct Span {
    int start = -1;
    int end = -1;
};

Span lineAt(const QString& text, int offset) {
    const int start = offset == 0 ? 0 : int(text.lastIndexOf(QLatin1Char('\n'), offset - 1)) + 1;
    const qsizetype newline = text.indexOf(QLatin1Char('\n'), offset);
    return {start, newline < 0 ? int(text.size()) : int(newline) + 1};
}

// The character, word or sentence that holds offset (below the length). As
// in Qt, the spaces between two words are a piece of their own.
Span itemAt(const QString& text, QTextBoundaryFinder::BoundaryType type, int offset) {
    QTextBoundaryFinder finder(type, text);
    const auto edge = [&finder](int position) {
        finder.setPosition(position);
        return finder.isAtBoundary() && (finder.boundaryReasons() &
                                         (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem));
    };
    // Each step moves strictly towards an end of the text, where it stops.
    int start = offset;
    while (start > 0 && !edge(start)) {
        start = std::max(0, int(finder.toPreviousBoundary()));
    }
    const int length = int(text.size());
    finder.setPosition(offset);
    int end = int(finder.toNextBoundary());
    while (end > offset && end < length && !edge(end)) {
        end = int(finder.toNextBoundary());
    }
    return {start, end > offset && end <= length ? end : length};
}

enum class Side { Before, At, After };

Span pieceAt(const QString& text, QAccessible::TextBoundaryType boundary, int offset) {
    const int length = int(text.size());
    switch (boundary) {
        case QAccessible::LineBoundary:
        case QAccessible::ParagraphBoundary:
            return lineAt(text, offset);
        case QAccessible::NoBoundary:
            return {0, length};
        case QAccessible::CharBoundary:
            return offset < length ? itemAt(text, QTextBoundaryFinder::Grapheme, offset) : Span{};
        case QAccessible::WordBoundary:
            return offset < length ? itemAt(text, QTextBoundaryFinder::Word, offset) : Span{};
        case QAccessible::SentenceBoundary:
            return offset < length ? itemAt(text, QTextBoundaryFinder::Sentence, offset) : Span{};
    }
    return {};
}

// offset is within [0, length]. The piece before ends where the piece at
// offset starts (or, at the end of the text, holds its last character); the
// piece after starts where the piece at offset ends.
Span pieceBeside(const QString& text, QAccessible::TextBoundaryType boundary, int offset, Side side) {
    const int length = int(text.size());
    if (side == Side::At) {
        return pieceAt(text, boundary, offset);
    }
    if (boundary == QAccessible::NoBoundary) {
        return {};
    }
    const Span at = pieceAt(text, boundary, offset);
    if (side == Side::Before) {
        const int before = at.start >= 0 ? at.start - 1 : length - 1;
        return before >= 0 ? pieceAt(text, boundary, before) : Span{};
    }
    return at.end >= 0 && at.end < length ? pieceAt(text, boundary, at.end) : Span{};
}

QString answer(const QString& text, Span span, int* startOffset, int* endOffset) {
    *startOffset = span.start;
    *endOffset = span.end;
    return span.start < 0 ? QString() : text.mid(span.start, span.end - span.start);
}

}  // namespace

TextAccessible::TextAccessible(QWidget* widget, std::unique_ptr<Adapter> adapter)
    : QAccessibleWidget(widget, QAccessible::EditableText), adapter_(std::move(adapter)) {}

TextAccessible::~TextAccessible() = default;

void TextAccessible::install() {
    installAccessible<TextAccessible>(textFactory);
}

void TextAccessible::adopt(QWidget* edit) {
    adoptAccessible<TextAccessible>(edit, textFactory);
}

void* TextAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    if (type == QAccessible::EditableTextInterface) {
        return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State TextAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (adapter_->isReadOnly()) {
        state.readOnly = true;
    } else {
        state.editable = true;
    }
    state.multiLine = adapter_->isMultiLine();
    state.selectableText = true;
    return state;
}

QString TextAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        return adapter_->text();
    }
    return QAccessibleWidget::text(t);
}

void TextAccessible::setText(QAccessible::Text t, const QString& text) {
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    replaceText(0, characterCount(), text);
}

int TextAccessible::resolve(int offset, int length) const {
    if (offset == -2) {
        return std::clamp(adapter_->cursorPosition(), 0, length);
    }
    if (offset == -1) {
        return length;
    }
    return offset >= 0 && offset <= length ? offset : -1;
}

void TextAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
    if (selectionIndex == 0 && selectionCount() == 1) {
        adapter_->selection(startOffset, endOffset);
    }
}

int TextAccessible::selectionCount() const {
    int start = 0;
    int end = 0;
    adapter_->selection(&start, &end);
    return start != end ? 1 : 0;
}

void TextAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void TextAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        const int caret = cursorPosition();
        adapter_->setSelection(caret, caret);
    }
}

void TextAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    const int length = characterCount();
    if (selectionIndex == 0) {
        adapter_->setSelection(std::clamp(startOffset, 0, length), std::clamp(endOffset, 0, length));
    }
}

int TextAccessible::cursorPosition() const {
    return std::clamp(adapter_->cursorPosition(), 0, characterCount());
}

void TextAccessible::setCursorPosition(int position) {
    adapter_->setCursorPosition(std::clamp(position, 0, characterCount()));
}

QString TextAccessible::text(int startOffset, int endOffset) const {
    const QString all = adapter_->text();
    const int length = int(all.size());
    const int start = std::clamp(startOffset, 0, length);
    const int end = std::clamp(endOffset, start, length);
    return all.mid(start, end - start);
}

QString TextAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int* startOffset, int* endOffset) const {
    const QString all = adapter_->text();
    const int at = resolve(offset, int(all.size()));
    return answer(all, at < 0 ? Span{} : pieceBeside(all, boundaryType, at, Side::Before), startOffset,
                  endOffset);
}

QString TextAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int* startOffset, int* endOffset) const {
    const QString all = adapter_->text();
    const int at = resolve(offset, int(all.size()));
    return answer(all, at < 0 ? Span{} : pieceBeside(all, boundaryType, at, Side::After), startOffset,
                  endOffset);
}

QString TextAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                     int* endOffset) const {
    const QString all = adapter_->text();
    const int at = resolve(offset, int(all.size()));
    return answer(all, at < 0 ? Span{} : pieceBeside(all, boundaryType, at, Side::At), startOffset,
                  endOffset);
}

int TextAccessible::characterCount() const {
    return int(adapter_->text().size());
}

QRect TextAccessible::characterRect(int offset) const {
    if (offset < 0 || offset >= characterCount()) {
        return {};
    }
    const QRect rect = adapter_->characterRect(offset);
    return rect.isEmpty() ? QRect() : rect.translated(widget()->mapToGlobal(QPoint(0, 0)));
}

int TextAccessible::offsetAtPoint(const QPoint& point) const {
    return adapter_->offsetAtPoint(widget()->mapFromGlobal(point));
}

void TextAccessible::scrollToSubstring(int startIndex, int endIndex) {
    const int length = characterCount();
    const int start = std::clamp(startIndex, 0, length);
    adapter_->scrollTo(start, std::clamp(endIndex, start, length));
}

QString TextAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    // The text has one look throughout: one run of no attributes.
    const int length = characterCount();
    const bool inside = resolve(offset, length) >= 0;
    *startOffset = inside ? 0 : -1;
    *endOffset = inside ? length : -1;
    return {};
}

void TextAccessible::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, QString());
}

void TextAccessible::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void TextAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    if (adapter_->isReadOnly() || !widget()->isEnabled()) {
        return;
    }
    const int length = characterCount();
    const int start = std::clamp(std::min(startOffset, endOffset), 0, length);
    const int end = std::clamp(std::max(startOffset, endOffset), 0, length);
    adapter_->replace(start, end, text);
}
