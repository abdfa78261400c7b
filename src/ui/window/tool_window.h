#pragma once

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <memory>

#include "core/dialog/field_host.h"
#include "ui/window/template_builder.h"

class Fiber;
class QAction;
class ResultNotice;
class Tool;
struct DialogTemplate;

// The one window class of every tool: built from the tool's template, it
// forwards button clicks to the tool's handlers and lends the tool its edit
// controls for field exchange.
class ToolWindow : public QDialog, public FieldHost {
    Q_OBJECT

public:
    ToolWindow(const DialogTemplate& dialogTemplate, std::unique_ptr<Tool> tool, QWidget* owner);
    ~ToolWindow() override;

    Tool& tool() { return *tool_; }
    const DialogTemplate& dialogTemplate() const { return template_; }
    QWidget* control(int controlId) const { return controls_.widget(controlId); }
    QAbstractButton* defaultButton() const { return controls_.defaultButton; }

    // FieldHost
    std::string text(int controlId, std::size_t maxChars) const override;
    void setText(int controlId, std::string_view text) override;
    void focusAndSelectAll(int controlId) override;
    void showMessage(std::string_view text) override;

    // True while a handler waits for the answer to its message box.
    bool handlerWaiting() const;
    // The box it waits for; nullptr once that box is gone.
    QDialog* waitingBox() const { return box_; }

    // Where the platform opens the window, centred on its owner and inside
    // the screen: the launcher asks before it shows the window.
    using QDialog::adjustPosition;

    // Every edit field as "name<TAB>text" lines, in template order, and that
    // table put on the clipboard.
    QString allFields() const;
    void copyAllFields() const;

    // Esc and the close box: hide without reading, then release the window.
    void reject() override;
    // Enter without a default button: read all fields, hide only when that succeeds.
    void accept() override;

Q_SIGNALS:
    // The tool wrote a field (a press, a key the tool took, a clear).
    void fieldWritten();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Runs one handler of the tool at a time, on a fiber of its own, so that
    // it can wait for a message box while the program's one event loop runs
    // on. False when another handler is under way, or when the handler ran
    // to its end and returned false; a handler waiting for its box counts as
    // having taken the click or key.
    template <class Handler>
    bool runHandler(Handler handler);
    // Takes the waiting handler up again; what follows its end.
    void resumeHandler();
    // Lets a waiting handler run to its end at once, its box counted as
    // answered and any further message dropped: the window or the program ends.
    void finishHandler(bool destroying);
    // Blank buttons without work become inert; buttons that a key presses
    // name it in their tooltips.
    void describeButtons();
    QStringList fieldTexts() const;
    void announceChanges(const QStringList& before);
    // Takes the last results out of the description of the control they were spoken with.
    void forgetIntroduction();
    void click(int controlId);
    // Arrow keys on a unit button press its neighbour in the row; true when taken.
    bool moveInUnitRow(QObject* watched, const QKeyEvent& event);
    // Gives the tool the first look at a typed key; true when it took it.
    // Keys typed into a field the user may edit stay the field's.
    bool offerKey(const QObject* target, QKeyEvent* event);
    void dismiss();

    const DialogTemplate& template_;
    std::unique_ptr<Tool> tool_;
    BuiltControls controls_;
    bool busy_ = false;  // a handler is under way, running or waiting for its box
    std::unique_ptr<Fiber> handler_;
    bool handlerResult_ = false;
    QStringList before_;     // the fields as the handler found them
    QPointer<QDialog> box_;  // the box the handler waits for
    unsigned waits_ = 0;     // counts the waits, so a late answer to an earlier box resumes nothing
    bool ending_ = false;
    bool focusedOnce_ = false;
    bool releasePending_ = false;
    QAction* copyAll_ = nullptr;
    ResultNotice* notice_ = nullptr;  // made when a screen reader first listens
    QWidget* arriving_ = nullptr;     // the control a press moves the focus to
    QPointer<QWidget> introduced_;    // the control whose description holds the last results
};
