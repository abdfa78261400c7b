// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// startup_probe [--settle MS] [--timeout MS] PROGRAM [ARG...]
//
// Starts PROGRAM on the X display in $DISPLAY and prints two numbers: the
// milliseconds from the start until its first top-level window is mapped
// (shown), and its peak resident set size in KiB. The program is left running
// for the settle time after the map (500 ms by default), so that the first
// paint counts towards the peak, and is then ended with SIGTERM. Nothing in
// the measured program has to cooperate.

#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

int usage() {
    std::fprintf(stderr, "usage: startup_probe [--settle MS] [--timeout MS] PROGRAM [ARG...]\n");
    return 2;
}

// Waits for a MapNotify of a top-level, non-override-redirect window, or
// until the deadline or the child's exit.
std::optional<Clock::time_point> waitForMap(Display* display, pid_t child, Clock::time_point deadline) {
    const int fd = ConnectionNumber(display);
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(display) &&
                !event.xmap.override_redirect) {
                return Clock::now();
            }
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            return std::nullopt;
        }
        pollfd request{fd, POLLIN, 0};
        poll(&request, 1, 10);
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    long settleMs = 500;
    long timeoutMs = 30000;
    int first = 1;
    while (first + 1 < argc && argv[first][0] == '-') {
        if (std::strcmp(argv[first], "--settle") == 0) {
            settleMs = std::atol(argv[first + 1]);
        } else if (std::strcmp(argv[first], "--timeout") == 0) {
            timeoutMs = std::atol(argv[first + 1]);
        } else {
            return usage();
        }
        first += 2;
    }
    if (first >= argc) {
        return usage();
    }

    // A server that has only just started may not take connections yet.
    Display* display = XOpenDisplay(nullptr);
    for (int attempt = 0; display == nullptr && attempt < 50; ++attempt) {
        usleep(100'000);
        display = XOpenDisplay(nullptr);
    }
    if (display == nullptr) {
        std::fprintf(stderr, "startup_probe: cannot open display '%s'\n", XDisplayName(nullptr));
        return 1;
    }
    // Without a window manager every top-level window is a child of the root,
    // so its map shows up among the root's substructure events.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("startup_probe: fork");
        return 1;
    }
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[first], argv + first);
        std::perror("startup_probe: exec");
        _exit(127);
    }

    const std::optional<Clock::time_point> mapped =
        waitForMap(display, child, start + std::chrono::milliseconds(timeoutMs));
    if (mapped) {
        usleep(static_cast<useconds_t>(settleMs * 1000));
    }
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(display);
    if (!mapped) {
        std::fprintf(stderr, "startup_probe: %s showed no window\n", argv[first]);
        return 1;
    }
    const double ms = std::chrono::duration<double, std::milli>(*mapped - start).count();
    std::printf("%.1f %ld\n", ms, usage.ru_maxrss);
    return 0;
}
