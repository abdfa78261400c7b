// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The page's start: the core is loaded, the dialog units are measured from
// the font, and the menu bar is built from the command table. The body's
// data-ready tells when the menus can be used.
import { loadCore } from './core.js';
import { dialogUnits } from './dialog_units.js';
import { buildMenuBar } from './menu_bar.js';
import { ToolWindow } from './tool_window.js';
import { showAbout } from './about_box.js';
import { captionBoxes } from './message_box.js';
import { showKeys } from './keys_box.js';
import { moveBetweenWindows } from './window_focus.js';
import { keepOffline } from './offline.js';
import { languageWords, speak, word } from './language.js';
import { fitToScreen } from './phone.js';

// The icon is read with the rest, so that the page asks for nothing once it
// has loaded, whatever the host says of caching.
const iconOf = async () => URL.createObjectURL(await (await fetch('brimlet.svg')).blob());
const [core, units, icon, words] = await Promise.all([loadCore(), dialogUnits(), iconOf(), languageWords()]);
speak(core, words);
const catalogue = core.menus();
captionBoxes(catalogue.product);

const popups = catalogue.menus.map((menu) => ({
  title: menu.title,
  items: menu.tools.map((item) => ({
    text: item.item,
    action: () => new ToolWindow(core, core.tool(item.command), units),
  })),
}));
popups.push({
  title: word('CMainFrame', '&Help'),
  items: [{
    text: word('CMainFrame', '&About %1').replace('%1', catalogue.product),
    prompt: word('CMainFrame', 'Display program information, version number and copyright'),
    action: () => showAbout(catalogue.about, units, icon),
  }, {
    text: '&Keys',
    prompt: 'List the keys that work the page without a mouse',
    action: () => showKeys(units),
  }],
});
buildMenuBar(document.getElementById('menubar'), popups);
document.addEventListener('keydown', moveBetweenWindows);
fitToScreen(document.getElementById('desktop'));

// A click into a window that a box blocks brings the box to the front. The
// blocked window is inert, so the click is told to the page, not to it.
document.getElementById('desktop').addEventListener('mousedown', (event) => {
  const under = [...document.querySelectorAll('#desktop > .window')].filter((frame) => {
    const box = frame.getBoundingClientRect();
    return event.clientX >= box.left && event.clientX < box.right && event.clientY >= box.top &&
      event.clientY < box.bottom;
  });
  const top = under.sort((a, b) => Number(b.style.zIndex) - Number(a.style.zIndex))[0];
  if (top?.dataset.blocked) {
    // Not the click's own focus change, which would take the focus off the box.
    event.preventDefault();
    top.boxFrame?.querySelector('button.default')?.focus();
  }
});

keepOffline();
performance.mark('brimlet-ready');
document.body.dataset.ready = 'true';
document.dispatchEvent(new CustomEvent('brimlet-ready'));
