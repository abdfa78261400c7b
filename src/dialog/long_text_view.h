#pragma once

#include <QFrame>
#include <QString>

class QScrollBar;

// A read-only, single-line text field for texts that grow without bound: the
// calculators' display and history. QLineEdit and QPlainTextEdit lay out
// their whole line on every change, which takes a second for a million
// characters; this view lays out only the characters it shows, so a change
// costs the same however long the text is.
class LongTextView : public QFrame {
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
    QRect textArea() const;
    int visibleChars() const;
    void syncScrollBar();
    void copy() const;

    QString text_;
    Qt::Alignment alignment_;
    QScrollBar* bar_ = nullptr;
    int first_ = -1;
    bool selected_ = false;
};
