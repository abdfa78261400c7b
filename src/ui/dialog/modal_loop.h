#pragma once

class QDialog;
class QWidget;

// Modal boxes as the desktop the tools were drawn for has them: a box blocks
// the window that raised it and the windows that own that one (a tool's box
// blocks the tool and the main window), never the other tool windows. Qt's
// own modality cannot say this: an application-modal box blocks every window,
// and a window-modal one every window that shares an owner with its parent,
// which is every tool window.
namespace modal {

// Shows the dialog and waits in a local event loop until it is finished,
// while the owner's window and the windows above it take no input. Returns
// the dialog's result; Rejected when the application quits meanwhile.
int run(QDialog& dialog, QWidget* owner);

// True while a box blocks the window of this widget.
bool isBlocked(const QWidget* widget);

}  // namespace modal
