// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/shell/xkb_lock_states.h"

#include <QtGui/qguiapplication_platform.h>
#include <QByteArray>
#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <utility>

#include <xcb/xcb.h>
// xkb.h names a structure member 'explicit', which C++ does not allow; Qt's
// own xcb plugin includes it the same way.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

namespace {

// The indicators' names in every XKB keymap (xkeyboard-config's compat files).
constexpr const char* kNames[] = {"Caps Lock", "Num Lock", "Scroll Lock"};

// Indicator changes, and the names' (a new keymap may number its indicators
// otherwise). The new keyboard notice that also renumbers them is Qt's own
// selection, which comes through the filter as well.
constexpr std::uint16_t kEvents = XCB_XKB_EVENT_TYPE_INDICATOR_STATE_NOTIFY | XCB_XKB_EVENT_TYPE_NAMES_NOTIFY;

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
Owned<Reply> owned(Reply* reply) {
    return Owned<Reply>(reply, &std::free);
}

}  // namespace

std::unique_ptr<XkbLockStates> XkbLockStates::follow(std::function<void(const States&)> changed) {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return nullptr;
    }
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_xkb_id);
    if (extension == nullptr || !extension->present) {
        return nullptr;
    }
    const auto use = owned(xcb_xkb_use_extension_reply(
        connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
        nullptr));
    if (use == nullptr || !use->supported) {
        return nullptr;
    }
    std::unique_ptr<XkbLockStates> follower(
        new XkbLockStates(connection, extension->first_event, std::move(changed)));
    // Only the selection of these two kinds changes: Qt's own selection of
    // the keyboard's other notices on this connection stays as it is.
    const xcb_xkb_select_events_details_t noDetails{};
    xcb_xkb_select_events_aux(connection, XCB_XKB_ID_USE_CORE_KBD, kEvents, 0, kEvents, 0, 0, &noDetails);
    // Read after selecting, so that no change falls between the two.
    follower->readIndicators();
    qGuiApp->installNativeEventFilter(follower.get());
    return follower;
}

XkbLockStates::XkbLockStates(xcb_connection_t* connection, std::uint8_t firstEvent,
                             std::function<void(const States&)> changed)
    : connection_(connection), firstEvent_(firstEvent), changed_(std::move(changed)) {}

void XkbLockStates::readIndicators() {
    // Every request goes out before the first answer is awaited: two round trips in all.
    std::array<xcb_intern_atom_cookie_t, 3> atoms{};
    for (std::size_t i = 0; i < atoms.size(); ++i) {
        atoms[i] = xcb_intern_atom(connection_, 1, std::strlen(kNames[i]), kNames[i]);
    }
    std::array<xcb_xkb_get_named_indicator_cookie_t, 3> named{};
    std::array<bool, 3> asked{};
    for (std::size_t i = 0; i < atoms.size(); ++i) {
        const auto atom = owned(xcb_intern_atom_reply(connection_, atoms[i], nullptr));
        asked[i] = atom != nullptr && atom->atom != XCB_ATOM_NONE;
        if (asked[i]) {
            named[i] = xcb_xkb_get_named_indicator(connection_, XCB_XKB_ID_USE_CORE_KBD,
                                                   XCB_XKB_LED_CLASS_DFLT_XI_CLASS, XCB_XKB_ID_DFLT_XI_ID,
                                                   atom->atom);
        }
    }
    for (std::size_t i = 0; i < named.size(); ++i) {
        const auto reply = asked[i] ? owned(xcb_xkb_get_named_indicator_reply(connection_, named[i], nullptr))
                                    : owned<xcb_xkb_get_named_indicator_reply_t>(nullptr);
        const bool found = reply != nullptr && reply->found && reply->ndx < 32;
        index_[i] = found ? reply->ndx : -1;
        states_[i] = found && reply->on;
    }
}

bool XkbLockStates::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != firstEvent_) {
        return false;
    }
    // Every XKB event has its kind in the byte after the response type.
    const auto* notice = static_cast<const xcb_xkb_indicator_state_notify_event_t*>(message);
    const States before = states_;
    switch (notice->xkbType) {
        case XCB_XKB_INDICATOR_STATE_NOTIFY:
            for (std::size_t i = 0; i < states_.size(); ++i) {
                states_[i] = index_[i] >= 0 && (notice->state >> index_[i] & 1U) != 0;
            }
            break;
        case XCB_XKB_NAMES_NOTIFY:
        case XCB_XKB_NEW_KEYBOARD_NOTIFY:
            readIndicators();
            break;
        default:
            break;
    }
    if (states_ != before) {
        changed_(states_);
    }
    return false;  // Qt reads the keyboard's notices too
}
