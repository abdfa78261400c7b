// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// Where the focus goes between the page's windows: each window gives it back
// where it was; a key moves to the next or the previous window; a window
// that closes leaves it on the window below, or on the menu bar when none is
// left. On the desktop the tool windows are the system's own windows, moved
// between with its keys (Alt+F6 among them); the page's are inside the
// browser, whose system takes those keys, so it offers Ctrl+F6 as well.
import { showOnScreen } from './phone.js';

const open = () => [...document.querySelectorAll('#desktop > .window')].filter((frame) => !frame.inert);

// The window remembers its focused control, to give the focus back there.
export function rememberFocus(frame) {
  frame.addEventListener('focusin', (event) => {
    frame.lastFocus = event.target;
  });
}

function focusWindow(frame) {
  showOnScreen(frame);
  const last = frame.lastFocus;
  if (last?.isConnected && frame.contains(last) && !last.disabled) {
    last.focus();
    return;
  }
  const first = [...frame.querySelectorAll('.client :is(button, input, textarea, [tabindex])')]
    .find((element) => element.tabIndex >= 0 && !element.disabled);
  first?.focus();
  if (first?.classList.contains('edit')) first.select();
}

// The window on top (a box over its window), or the menu bar's first title.
export function focusTopWindow() {
  const top = open().sort((a, b) => Number(b.style.zIndex) - Number(a.style.zIndex))[0];
  if (top) focusWindow(top);
  else document.querySelector('#menubar [role="menuitem"][tabindex="0"]')?.focus();
}

// Ctrl+F6 and Alt+F6 to the next window in the order they opened, with Shift
// to the previous one.
export function moveBetweenWindows(event) {
  if (event.key !== 'F6' || !(event.ctrlKey || event.altKey) || event.metaKey) return;
  const windows = open();
  if (windows.length === 0) return;
  event.preventDefault();
  const at = windows.findIndex((frame) => frame.contains(document.activeElement));
  const by = event.shiftKey ? -1 : 1;
  const from = at < 0 ? (event.shiftKey ? 0 : -1) : at;
  focusWindow(windows[(from + by + windows.length) % windows.length]);
}
