// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The page's one polite live region: what a press has changed, in the core's
// words (result_words), said once wherever the focus is, as the desktop's
// notice says it. The status bar stays silent, so that nothing else speaks.
let region = null;

export function announce(text) {
  if (!text) return;
  if (!region) {
    region = document.createElement('div');
    region.id = 'announcement';
    region.className = 'unseen';
    region.setAttribute('aria-live', 'polite');
    document.body.append(region);
  }
  // A new text node each time: the same words after the next press are
  // spoken again.
  region.replaceChildren(document.createTextNode(text));
  region.dispatchEvent(new CustomEvent('brimlet-announced', { bubbles: true, detail: text }));
}
