#pragma once

#include <QPointer>
#include <QWidget>

class FigureView;
class QAction;
class QFileDialog;
class ToolWindow;
struct ToolCommand;

// A solver's answer as a picture, in a window of its own beside the tool
// window: modeless and resizable, redrawn whenever the tool writes its
// fields, closed with the tool window. Ctrl+C copies the picture as an
// image; "Save Picture As..." writes it as SVG or PNG.
class PictureWindow : public QWidget {
    Q_OBJECT

public:
    // The "Show Picture" action of a tool window whose tool draws, added to
    // the window (its key works there, and its context menu shows it);
    // nullptr for every other tool.
    static QAction* offerFor(ToolWindow* toolWindow, const ToolCommand& command);

    // Redraws from the tool's fields as they stand.
    void refresh();

    FigureView* view() const { return view_; }
    QAction* copyAction() const { return copy_; }

    // Writes the picture to a file, whole or not at all: SVG unless the name
    // ends in ".png". Empty when written, otherwise the system's reason.
    QString saveTo(const QString& fileName) const;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PictureWindow(ToolWindow* toolWindow, const ToolCommand& command);
    static void showFor(ToolWindow* toolWindow, const ToolCommand& command);
    void copyPicture() const;
    void askFileName();
    void scheduleRefresh();

    ToolWindow* tool_;
    const ToolCommand& command_;
    FigureView* view_;
    QAction* copy_;
    QAction* save_;
    QPointer<QFileDialog> saving_;
    bool refreshPending_ = false;
};
