#pragma once

#include <QObject>

class QPoint;
class ToolWindow;

// The tool window's context menu, for its background (the fields have menus
// of their own): the window's actions, each with its key. Every window has
// Copy All Fields (Ctrl+Shift+C; Ctrl+C in a field still copies its
// selection), every result at once for a spreadsheet or a report; what the
// window is given besides (Show Picture) joins it.
class ToolMenu : public QObject {
public:
    explicit ToolMenu(ToolWindow* window);

    void popup(const QPoint& globalPos);

private:
    ToolWindow* window_;
};
