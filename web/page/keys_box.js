// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// Help's "Keys": the page's keys in a small box, those that stand in for
// the keys a browser keeps for itself among them. OK, Enter or Esc closes it
// and gives the focus back where it was.
import { centreOver, createFrame } from './window_frame.js';
import { focusTopWindow } from './window_focus.js';

export const pageKeys = [
  ['F10, or Alt and a menu\'s underlined letter', 'Opens the menus; the arrow keys, Enter and Esc work in them'],
  ['Ctrl+F6, Ctrl+Shift+F6', 'The next or the previous open window (Alt+F6 too, where the system leaves it to ' +
    'the browser)'],
  ['Tab, Shift+Tab', 'The next or the previous field or button of a window: its Tab stops first, then those the ' +
    'desktop leaves to the mouse'],
  ['Arrow keys', 'Along a row of unit buttons, pressing as they go; around the periodic table, where letters ' +
    'typed name an element'],
  ['Enter, Space', 'Presses the focused button; Enter in a field presses the window\'s default button'],
  ['Esc', 'Closes the window or the box: the focus goes to the window below, or to the menu bar'],
  ['Shift+F10, Menu', 'The window\'s menu: Copy All Fields, Copy Field, Show Steps, Show Picture'],
  ['Ctrl+Shift+C', 'Copy All Fields'],
  ['Ctrl+Shift+S', 'Show Steps (Ctrl+T on the desktop, which the browser keeps for a new tab)'],
  ['Ctrl+P', 'Show Picture'],
];

export function showKeys(units) {
  const returnTo = document.activeElement;
  const box = createFrame({ title: 'Keys', kind: 'keys', refocus: false, onClose: () => close() });
  const list = document.createElement('dl');
  list.className = 'key-list';
  for (const [keys, meaning] of pageKeys) {
    const term = document.createElement('dt');
    term.textContent = keys;
    const description = document.createElement('dd');
    description.textContent = meaning;
    list.append(term, description);
  }
  const ok = document.createElement('button');
  ok.type = 'button';
  ok.className = 'push default';
  ok.textContent = 'OK';
  ok.style.width = `${units.x(50)}px`;
  ok.style.height = `${units.y(14)}px`;
  const close = () => {
    box.close();
    if (returnTo?.isConnected && returnTo !== document.body) returnTo.focus();
    else focusTopWindow();
  };
  ok.addEventListener('click', close);
  box.frame.addEventListener('keydown', (event) => {
    if (event.key === 'Enter' || event.key === 'Escape') {
      event.preventDefault();
      event.stopPropagation();
      close();
    }
  });
  box.client.append(list, ok);
  centreOver(box.frame, document.getElementById('desktop'));
  ok.focus();
}
