// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <QAbstractNativeEventFilter>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

struct xcb_connection_t;

// Follows Caps Lock, Num Lock and Scroll Lock through the X server's keyboard
// extension (XKB): the server tells every client that asks whenever a
// keyboard indicator changes, whichever program's key changed it, and says
// nothing while nothing changes. It asks on Qt's own connection to the
// server, so the notices come in with the program's other X events; no
// second connection, no timer.
class XkbLockStates : public QAbstractNativeEventFilter {
public:
    using States = std::array<bool, 3>;  // Caps Lock, Num Lock, Scroll Lock

    // Starts following, with changed called after every change; nullptr where
    // the program does not run on an X server with XKB (Wayland, offscreen).
    static std::unique_ptr<XkbLockStates> follow(std::function<void(const States&)> changed);

    States states() const { return states_; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    XkbLockStates(xcb_connection_t* connection, std::uint8_t firstEvent,
                  std::function<void(const States&)> changed);
    // Where each lock's indicator sits in the server's indicator mask and
    // whether it is on: asked once, and again when the keyboard's names change.
    void readIndicators();

    xcb_connection_t* connection_;
    std::uint8_t firstEvent_;  // the extension's first event code on this connection
    std::function<void(const States&)> changed_;
    std::array<int, 3> index_{-1, -1, -1};  // -1: the keyboard has no such indicator
    States states_{};
};
