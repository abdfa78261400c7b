// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// A solver's answer as a picture: the core's SVG of the figure, drawn from
// the tool window's fields as they stand, inline, redrawn after every press
// and closed with the tool window.
import { CompanionWindow } from './companion_window.js';
import { word } from './language.js';

export class PictureWindow extends CompanionWindow {
  constructor(tool) {
    const view = document.createElement('div');
    view.className = 'picture-view';
    view.tabIndex = 0;
    view.setAttribute('role', 'img');
    super(tool, { title: word('PictureWindow', '%1 - Picture'), kind: 'picture', view, below: 40 });
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
}
