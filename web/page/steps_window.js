// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The worked steps of a tool window's last press, one a line, read-only,
// redrawn after every press and closed with the tool window.
import { createFrame } from './window_frame.js';
import { word } from './language.js';

export class StepsWindow {
  constructor(tool) {
    this.tool = tool;
    this.box = createFrame({
      title: word('StepsWindow', '%1 - Steps').replace('%1', tool.template.caption),
      kind: 'steps',
      onClose: () => this.close(),
    });
    this.view = document.createElement('textarea');
    this.view.readOnly = true;
    this.view.wrap = 'off';
    this.view.className = 'steps-view';
    // Equations read left to right in any language.
    this.view.dir = 'ltr';
    this.view.setAttribute('aria-label', word('StepsWindow', 'Steps'));
    this.box.client.append(this.view);
    this.box.frame.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') {
        event.preventDefault();
        this.close();
      }
    });
    this.box.frame.style.left = `${tool.frame.offsetLeft + tool.frame.offsetWidth + 8}px`;
    this.box.frame.style.top = `${tool.frame.offsetTop}px`;
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

  focus() {
    this.view.focus();
  }

  close() {
    this.box.close();
    this.tool.companions.delete(this);
  }
}
