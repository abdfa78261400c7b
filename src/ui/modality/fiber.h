// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <cstddef>
#include <functional>
#include <memory>

// A function run on a stack of its own, so that it can stop halfway
// (suspend) and be taken up again later (resume) exactly where it stood,
// while the code that started it goes on. A tool's handler runs on one: when
// it shows a message box it is suspended, the one event loop of the program
// keeps running, and the box's answer resumes it.
//
// Why not QDialog::exec(): its nested loop runs the program inside the handler, so a box returns only
// after every later box has closed, and other handlers start on top of the waiting one (Qt 6.4.2,
// Debian 12, by design; no QTBUG). A fiber waits for its box while the one main loop runs on.
//
// Single-threaded: a fiber is resumed only on the thread that made it. A
// fiber may start or resume another; suspend() always returns to the code
// that resumed the running fiber. Qt-free.
class Fiber {
public:
    explicit Fiber(std::function<void()> body);
    // A fiber must not be destroyed while its body is suspended: the objects
    // on its stack would never be destroyed. Resume it to the end first; one
    // abandoned all the same (the program quits under it) says so on
    // standard error and keeps its stack, untouched.
    ~Fiber();
    Fiber(const Fiber&) = delete;
    Fiber& operator=(const Fiber&) = delete;

    // Runs the body until it suspends or returns. An exception that leaves
    // the body is thrown again here. Where no stack can be had, the body is
    // not run at all and std::bad_alloc is thrown: run on the caller's stack
    // it could not suspend, and would run on past the box it waits for.
    void resume();

    bool finished() const;
    // Started, not finished, and not running now.
    bool suspended() const;

    // The fiber whose body runs now, or nullptr on the thread's own stack.
    static Fiber* current();
    // Stops the running fiber and goes back to the code that resumed it.
    static void suspend();

    // The stack each fiber gets; generous, since Qt (accessibility, layout)
    // runs on it below the handler. The pages are taken only when touched.
    static constexpr std::size_t kStackSize = std::size_t{1} << 20;

private:
    struct Context;
    static void entry();
    void switchIn();
    void switchOut();

    std::unique_ptr<Context> context_;
};
