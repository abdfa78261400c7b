// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QAccessibleWidget>
#include <memory>

// What assistive tools read and edit in a text control: a line edit, a
// multi-line edit or the calculators' long-text view, each seen through an
// adapter for its kind. Qt's own interfaces hand offsets to the default
// boundary search of QAccessibleTextInterface, which spins for ever on the end
// of the text (a word at offset -1, the length, the caret at the end; Qt
// 6.4.2, Debian 12; no QTBUG found); here every offset is resolved first and
// the boundaries are searched here, so any offset answers at once.
//
// Offsets: -2 is the caret and -1 the end of the text, as in Qt; any other
// offset outside [0, length] is refused (empty text, start = end = -1).
class TextAccessible : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface {
public:
    // One kind of text control. Offsets handed in are always within
    // [0, length]; rectangles and points are in the widget's coordinates.
    class Adapter {
    public:
        virtual ~Adapter() = default;
        virtual QString text() const = 0;
        virtual bool isReadOnly() const = 0;
        virtual bool isMultiLine() const = 0;
        virtual int cursorPosition() const = 0;
        virtual void setCursorPosition(int position) = 0;
        // The selection as [start, end), or start == end when there is none.
        virtual void selection(int* start, int* end) const = 0;
        // start == end removes the selection.
        virtual void setSelection(int start, int end) = 0;
        // An empty rectangle, or -1, where the kind cannot tell.
        virtual QRect characterRect(int offset) const = 0;
        virtual int offsetAtPoint(const QPoint& point) const = 0;
        virtual void scrollTo(int start, int end) = 0;
        // Only asked of a control that is not read-only.
        virtual void replace(int start, int end, const QString& text) = 0;
    };

    TextAccessible(QWidget* widget, std::unique_ptr<Adapter> adapter);
    ~TextAccessible() override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

    // Makes Qt use this interface for every text control of the process, the
    // file dialogs' fields included. Called once at start-up.
    static void install();
    // Makes sure a newly built edit control uses this interface.
    static void adopt(QWidget* edit);

private:
    // The offset within [0, length] that an offset stands for, or -1.
    int resolve(int offset, int length) const;

    std::unique_ptr<Adapter> adapter_;
};
