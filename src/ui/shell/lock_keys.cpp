// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/shell/lock_keys.h"

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>

// Xlib's macros (None, Bool, Status…) collide with Qt's names: include it last.
#include <X11/XKBlib.h>

namespace lock_keys {

namespace {

bool named(Display* display, const char* name, bool& on) {
    const Atom atom = XInternAtom(display, name, True);
    if (atom == 0) {
        return false;
    }
    Bool state = 0;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &state, nullptr, nullptr)) {
        return false;
    }
    on = state != 0;
    return true;
}

}  // namespace

bool query(bool& caps, bool& num, bool& scroll) {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || x11->display() == nullptr) {
        return false;
    }
    Display* display = x11->display();
    bool any = named(display, "Caps Lock", caps);
    any = named(display, "Num Lock", num) || any;
    any = named(display, "Scroll Lock", scroll) || any;
    return any;
}

}  // namespace lock_keys
