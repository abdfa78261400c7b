// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The About box, from its template: it blocks the main window's menus until
// OK, Enter or Esc closes it; the tool windows stay usable meanwhile.
import { buildControls } from './controls.js';
import { centreOver, createFrame } from './window_frame.js';

export function showAbout(template, units, icon) {
  const menubar = document.getElementById('menubar');
  const returnTo = document.activeElement;
  const box = createFrame({ title: template.caption, kind: 'about', titleBar: false, refocus: false });
  box.client.style.width = `${units.x(template.width)}px`;
  box.client.style.height = `${units.y(template.height)}px`;
  const controls = buildControls(box.client, template, units, 'about', icon);
  const ok = controls.find((c) => c.control.kind === 'button').focusable;
  const close = () => {
    box.close();
    menubar.inert = false;
    if (returnTo?.isConnected) returnTo.focus();
  };
  ok.addEventListener('click', close);
  box.frame.addEventListener('keydown', (event) => {
    if (event.key === 'Enter' || event.key === 'Escape') {
      event.preventDefault();
      close();
    }
  });
  menubar.inert = true;
  centreOver(box.frame, document.getElementById('desktop'));
  ok.focus();
}
