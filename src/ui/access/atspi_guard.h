// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

// Stands in front of Qt's bridge to the desktop's accessibility bus (AT-SPI)
// for the few requests the bridge itself mishandles, whatever our
// accessibility interfaces answer. Each works around the bridge of Qt 6.4.2
// (Debian 12); no QTBUG found for any of them:
// - GetRangeExtents: the bridge adds one character's rectangle at a time from
//   the start offset to the end offset it is given, so a range of two billion
//   characters keeps the program busy for ever. The range is clamped to the
//   text before the bridge sees it.
// - GetBoundedRanges: the bridge never answers it; the caller waits for its
//   time-out. It is answered here.
// - SetTextContents and InsertText: the bridge reports success whatever the
//   field did. Here the reply says whether the field holds the new text.
// - DoAction on a control of a window that a box blocks: the bridge knows
//   only Qt's own modality, which the boxes do not use (modal::open). The
//   control does nothing, and the reply says so.
// Every other request goes to the bridge unchanged. The guard takes the
// bridge's place where Qt 6.4.2 registers it, under its object path on its
// own bus connection named "a11y": both are Qt's internals, to be checked
// again when Qt moves on.
class QAccessibleInterface;
class QDBusMessage;
class QString;

namespace atspi_guard {

// What the guard answers itself to a request of the bridge's: an invalid
// message when the bridge is to answer it (a GetRangeExtents request gets
// its range clamped first, in place).
QDBusMessage answer(const QDBusMessage& request);

// The object path under which the bridge serves this accessible object.
QString pathOf(QAccessibleInterface* iface);

// Puts the guard in place as soon as the bridge is (when an assistive tool
// starts listening), and at once if it is already there. Called once at
// start-up; does nothing where there is no such bus.
void install();

}  // namespace atspi_guard
