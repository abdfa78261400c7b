#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class Fiber;
class QDialog;

// Runs a window's handlers one at a time, each on a fiber of its own, so
// that a handler can wait for the answer to a message box while the
// program's one event loop runs on. While a handler waits, the user goes on
// with other windows and the desktop may close this one: nothing of the
// window may start another handler meanwhile.
class HandlerRunner : public QObject {
public:
    // A child of the window whose handlers it runs. Quitting lets a waiting
    // handler end at once: the loop that would deliver its answer is ending.
    explicit HandlerRunner(QObject* window);
    ~HandlerRunner() override;

    // Runs the handler. False when another is under way, or when the handler
    // ran to its end and returned false; a handler waiting for its box counts
    // as having taken the click or key.
    bool run(std::function<bool()> handler);

    // A handler is under way, running or waiting for its box.
    bool busy() const { return busy_; }
    // A handler waits for the answer to its box.
    bool waiting() const;
    // The box it waits for; nullptr once that box is gone.
    QDialog* waitingBox() const { return box_; }

    // Called with a box just shown: when the handler that runs now is this
    // runner's, it stops here until the box is answered or closed in any
    // way, and goes on at the next pass of the event loop after that. Returns
    // at once when the box was raised by anything else.
    void waitFor(QDialog* box);

    // Lets a waiting handler run to its end at once, its box counted as
    // answered; while it does, ending() is true and the window drops further
    // messages. forGood: the window is going, and ending() stays true.
    void finish(bool forGood);
    bool ending() const { return ending_; }

    // Before a handler starts (the fields as it finds them noted), and when
    // it has ended (what it changed told, a dismissed window released).
    std::function<void()> starting;
    std::function<void()> ended;

private:
    void resume();

    bool busy_ = false;
    std::unique_ptr<Fiber> handler_;
    bool result_ = false;
    QPointer<QDialog> box_;
    unsigned waits_ = 0;  // counts the waits, so a late answer to an earlier box resumes nothing
    bool ending_ = false;
};
