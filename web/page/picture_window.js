// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// A solver's answer as a picture: the core's SVG of the figure, drawn from
// the tool window's fields as they stand, inline, redrawn after every press
// and closed with the tool window.
import { createFrame } from './window_frame.js';
import { word } from './language.js';

export class PictureWindow {
  constructor(tool) {
    this.tool = tool;
    this.box = createFrame({
      title: word('PictureWindow', '%1 - Picture').replace('%1', tool.template.caption),
      kind: 'picture',
      onClose: () => this.close(),
    });
    this.view = document.createElement('div');
    this.view.className = 'picture-view';
    this.view.tabIndex = 0;
    this.view.setAttribute('role', 'img');
    this.box.client.append(this.view);
    this.box.frame.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') {
        event.preventDefault();
        this.close();
      }
    });
    this.box.frame.style.left = `${tool.frame.offsetLeft + tool.frame.offsetWidth + 8}px`;
    this.box.frame.style.top = `${tool.frame.offsetTop + 40}px`;
    this.refresh();
    this.view.focus();
  }

  refresh() {
    // The tool's texts as the user left them: the picture is of the fields.
    this.tool.tellTyped();
    const svg = new DOMParser().parseFromString(this.tool.core.picture(this.tool.session), 'image/svg+xml');
    const picture = document.importNode(svg.documentElement, true);
    this.view.replaceChildren(picture);
    this.view.setAttribute('aria-label', picture.querySelector('desc')?.textContent ?? word('FigureView', 'Picture'));
    this.box.frame.dataset.presses = String(this.tool.presses);
  }

  focus() {
    this.view.focus();
  }

  close() {
    this.box.close();
    this.tool.companions.delete(this);
  }
}
