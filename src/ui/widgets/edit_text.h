#pragma once

#include <QString>

class QObject;
class QWidget;

// The text of an edit control of any kind the templates make: a line edit,
// a multi-line edit or the calculators' long-text view.
namespace edit_text {

// Empty for a widget of any other kind.
QString of(const QWidget* widget);

// Writes the program's text into the control. A line edit takes it whole,
// whatever the user's limit, and shows its start (a right-aligned display its
// end); a multi-line edit keeps its newest end in view.
void write(QWidget* widget, const QString& text);

void selectAll(QWidget* widget);

// True for a line or multi-line edit that the user may type into.
bool isEditable(const QObject* object);

}  // namespace edit_text
