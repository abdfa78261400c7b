// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// A window inside the page: a dialog with a title bar to drag it by and a
// close box, stacked above the others when clicked. Tool windows, boxes,
// the steps and the pictures are all such windows.
import { focusTopWindow, rememberFocus } from './window_focus.js';
import { raise } from './window_stack.js';

const desktop = () => document.getElementById('desktop');
let opened = 0;

// Drags the frame by its title bar, within the page.
function draggable(frame, bar) {
  bar.addEventListener('pointerdown', (event) => {
    if (event.button !== 0 || event.target.closest('button')) return;
    const startX = event.clientX - frame.offsetLeft;
    const startY = event.clientY - frame.offsetTop;
    bar.setPointerCapture(event.pointerId);
    const move = (moved) => {
      frame.style.left = `${Math.max(0, moved.clientX - startX)}px`;
      frame.style.top = `${Math.max(0, moved.clientY - startY)}px`;
    };
    const end = () => {
      bar.removeEventListener('pointermove', move);
      bar.removeEventListener('pointerup', end);
      bar.removeEventListener('pointercancel', end);
    };
    bar.addEventListener('pointermove', move);
    bar.addEventListener('pointerup', end);
    bar.addEventListener('pointercancel', end);
  });
}

// A new window: { frame, client, close() }. kind names its sort for the page's
// styles; onClose runs when the close box is clicked. Closed with the focus
// in it, it leaves the focus on the window below, unless it gives the focus
// back itself (refocus false, as a box does).
export function createFrame({ title, label = title, kind, role = 'dialog', titleBar = true, onClose, refocus = true }) {
  const frame = document.createElement('section');
  frame.className = `window ${kind}`;
  frame.setAttribute('role', role);
  frame.setAttribute('aria-label', label);
  const client = document.createElement('div');
  client.className = 'client';
  if (titleBar) {
    const bar = document.createElement('div');
    bar.className = 'title-bar';
    const caption = document.createElement('span');
    caption.className = 'title';
    caption.textContent = title;
    const closeBox = document.createElement('button');
    closeBox.type = 'button';
    closeBox.className = 'close-box';
    closeBox.tabIndex = -1;
    closeBox.setAttribute('aria-label', 'Close');
    // The mouse's way to close; a reader's is Esc, as with the desktop's title bars.
    closeBox.setAttribute('aria-hidden', 'true');
    closeBox.textContent = '\u2715';
    closeBox.addEventListener('click', () => onClose?.());
    bar.append(caption, closeBox);
    frame.append(bar);
    draggable(frame, bar);
  }
  frame.append(client);
  frame.addEventListener('pointerdown', () => raise(frame), true);
  frame.addEventListener('focusin', () => raise(frame));
  rememberFocus(frame);
  // Several windows open at the same place move down and right a little, so
  // that each title bar can be seen.
  const cascade = (opened++ % 10) * 24;
  frame.style.left = `${16 + cascade}px`;
  frame.style.top = `${16 + cascade}px`;
  raise(frame);
  desktop().append(frame);
  const close = () => {
    const focused = frame.contains(document.activeElement);
    frame.remove();
    if (focused && refocus) focusTopWindow();
  };
  return { frame, client, close };
}

// Puts a frame in the middle of another, as a box stands over its window.
export function centreOver(frame, over) {
  const left = over.offsetLeft + (over.offsetWidth - frame.offsetWidth) / 2;
  const top = over.offsetTop + (over.offsetHeight - frame.offsetHeight) / 2;
  frame.style.left = `${Math.max(0, Math.round(left))}px`;
  frame.style.top = `${Math.max(0, Math.round(top))}px`;
}
