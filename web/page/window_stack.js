// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The windows' stacking order: the window raised last is on top. Kept apart
// from the windows themselves, since whoever shows a window (a phone shows
// one at a time) raises it too.
let topmost = 10;

export function raise(frame) {
  frame.style.zIndex = String(++topmost);
}
