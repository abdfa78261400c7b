// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// On a screen as narrow as a phone's the page shows one window at a time,
// the one raised last, at the width of the screen: closing it (its close box
// or Esc) shows the one before it again, as a phone's Back does. A box stays
// over the window that raised it. A window from a template is zoomed as a
// whole to the screen's width, so that its words keep their places and fit
// as they do at any size; where that would make a target smaller than a
// finger can tap (24 CSS pixels, WCAG 2.5.8), it is zoomed to that size
// instead and scrolls sideways (the periodic table, the advanced calculator,
// the wider solvers and converters): a phone's user would rather scroll to a
// key than miss it.
import { raise } from './window_stack.js';

const narrow = window.matchMedia('(max-width: 600px)');
let screen = null;

const tapSize = 24;
// The most a small window grows: a converter fills a phone's width, a box
// does not become a poster.
const mostZoom = 2;
const zoomStep = 1 / 16;
// The search's end: a target of 8 pixels can be tapped at three times its size.
const mostTappable = tapSize / 8;

// Whether every target is large enough to tap at the zoom, or far enough from
// the others (WCAG 2.5.8's spacing: a circle of 24 pixels around an
// undersized target's centre meets no other target nor another's circle).
// Boxes are { x, y, w, h } in the window's own pixels.
function tappable(boxes, zoom) {
  const size = tapSize / zoom;
  const small = boxes.filter((box) => box.w < size || box.h < size);
  const centre = (box) => [box.x + box.w / 2, box.y + box.h / 2];
  return small.every((box) => {
    const [x, y] = centre(box);
    return boxes.every((other) => {
      if (other === box) return true;
      const dx = Math.max(other.x - x, 0, x - other.x - other.w);
      const dy = Math.max(other.y - y, 0, y - other.y - other.h);
      if (Math.hypot(dx, dy) < size / 2) return false;
      const [ox, oy] = centre(other);
      return !small.includes(other) || Math.hypot(ox - x, oy - y) >= size;
    });
  });
}

// The zoom of a template's window: its width on the screen, or where its
// targets are too small there, the least zoom at which they can be tapped.
function zoomFor(client, width) {
  client.style.zoom = '';
  const boxes = [...client.querySelectorAll(':scope > .push:enabled, :scope > .unit, :scope > .edit')].map(
    (target) => ({ x: target.offsetLeft, y: target.offsetTop, w: target.offsetWidth, h: target.offsetHeight }))
    .filter((box) => box.w > 0 && box.h > 0);
  let zoom = Math.min(mostZoom, width / client.offsetWidth);
  while (!tappable(boxes, zoom) && zoom < mostTappable) zoom += zoomStep;
  return zoom;
}

function arrange(desktop) {
  const frames = [...desktop.querySelectorAll(':scope > .window')];
  const layers = frames.filter((frame) => !frame.matches('.message-box'));
  const shown = layers.reduce((top, frame) =>
    (top && Number(top.style.zIndex) > Number(frame.style.zIndex) ? top : frame), null);
  const width = String(desktop.clientWidth);
  for (const frame of layers) {
    const behind = narrow.matches && frame !== shown;
    if (frame.hasAttribute('data-behind') !== behind) frame.toggleAttribute('data-behind', behind);
    // The client alone is zoomed: the title bar and its close box keep their size.
    const client = frame.querySelector(':scope > .client');
    if (!narrow.matches && frame.dataset.zoomed) {
      client.style.zoom = '';
      delete frame.dataset.zoomed;
    } else if (narrow.matches && !behind && frame.matches('.tool, .about') && frame.dataset.zoomed !== width) {
      client.style.zoom = String(zoomFor(client, desktop.clientWidth - (frame.offsetWidth - frame.clientWidth)));
      frame.dataset.zoomed = width;
    }
  }
}

// Keeps the windows of `desktop` arranged for the screen's width, as they
// open, close and are raised, and as the screen turns.
export function fitToScreen(desktop) {
  screen = desktop;
  const observer = new MutationObserver(() => arrange(desktop));
  observer.observe(desktop, { childList: true, subtree: true, attributeFilter: ['style'] });
  narrow.addEventListener('change', () => arrange(desktop));
  window.addEventListener('resize', () => arrange(desktop));
}

// Raises a window and shows it at once, before the focus goes into it: on a
// phone a window behind the one shown cannot take the focus.
export function showOnScreen(frame) {
  raise(frame);
  if (screen) arrange(screen);
}
