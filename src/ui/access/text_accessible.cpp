#include "ui/access/text_accessible.h"

#include <QTextBoundaryFinder>
#include <algorithm>

#include "ui/access/accessible_adoption.h"
#include "ui/access/text_adapters.h"

namespace {

QAccessibleInterface* textFactory(const QString&, QObject* object) {
    std::unique_ptr<TextAccessible::Adapter> adapter = textAdapterFor(object);
    if (adapter == nullptr) {
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
