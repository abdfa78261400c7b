#pragma once

#include <QWidget>

// What a press has changed, told to a screen reader. The reader speaks text
// changes only of the focused control, and the results are mostly fields the
// keyboard never visits; a notification that shows is spoken wherever the
// focus is. The widget draws nothing and takes no input.
class ResultNotice : public QWidget {
    Q_OBJECT

public:
    explicit ResultNotice(QWidget* window);

    // Shows the notice anew with this text, so that it is spoken.
    void announce(const QString& text);
};
