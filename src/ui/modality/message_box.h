#pragma once

#include <QString>

class QMessageBox;
class QWidget;

namespace message_box {

// Every message of the program: a modal box captioned "Brimlet 5" with the
// exclamation icon and one OK button, modal to the window that raised it
// (and the main window above it); the other tool windows stay usable.
// Shown at once and returned without waiting (see modal::open); the box is
// released when it finishes.
QMessageBox* warn(QWidget* parent, const QString& text);

// The objectName that every such box carries, so tests and assistive tools
// can tell it from other dialogs.
inline constexpr const char* kObjectName = "brimletMessage";

}  // namespace message_box
