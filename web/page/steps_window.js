// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The worked steps of a tool window's last press, one a line, read-only,
// redrawn after every press and closed with the tool window.
import { CompanionWindow } from './companion_window.js';
import { word } from './language.js';

export class StepsWindow extends CompanionWindow {
  constructor(tool) {
    const view = document.createElement('textarea');
    view.readOnly = true;
    view.wrap = 'off';
    view.className = 'steps-view';
    // Equations read left to right in any language.
    view.dir = 'ltr';
    view.setAttribute('aria-label', word('StepsWindow', 'Steps'));
    super(tool, { title: word('StepsWindow', '%1 - Steps'), kind: 'steps', view });
    this.refresh();
    this.view.focus();
  }

  // True when the steps changed, which the press's announcement then says.
  refresh() {
    const steps = this.tool.core.steps(this.tool.session).replace(/\n$/, '');
    const before = this.view.value;
    this.view.value = steps ||
      word('StepsWindow', 'No button pressed yet: the steps of the next press show here.');
    this.box.frame.dataset.presses = String(this.tool.presses);
    return this.view.value !== before;
  }
}
