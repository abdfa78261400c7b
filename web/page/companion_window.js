// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// A window that goes with a tool window, its steps or its picture: titled
// after it, opened at its right, redrawn after every press, and closed with
// it or by Esc. What it shows is its view, which the kind of window makes.
import { createFrame } from './window_frame.js';

export class CompanionWindow {
  // title: the pattern of its title, "%1" the tool window's caption; below:
  // how far under the tool window's top it opens.
  constructor(tool, { title, kind, view, below = 0 }) {
    this.tool = tool;
    this.view = view;
    this.box = createFrame({
      title: title.replace('%1', () => tool.template.caption),
      kind,
      onClose: () => this.close(),
    });
    this.box.client.append(view);
    this.box.frame.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') {
        event.preventDefault();
        this.close();
      }
    });
    this.box.frame.style.left = `${tool.frame.offsetLeft + tool.frame.offsetWidth + 8}px`;
    this.box.frame.style.top = `${tool.frame.offsetTop + below}px`;
  }

  focus() {
    this.view.focus();
  }

  close() {
    this.box.close();
    this.tool.companions.delete(this);
  }
}
