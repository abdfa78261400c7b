// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The context menu of a tool window's background: "Copy All Fields"
// (Ctrl+Shift+C), "Copy Field" with each field by name, and for a tool that
// records them "Show Steps" (Ctrl+T), for a solver that draws "Show Picture"
// (Ctrl+P). Shift+F10 or the Menu key opens it from the keyboard.
import { StepsWindow } from './steps_window.js';
import { PictureWindow } from './picture_window.js';
import { word } from './language.js';

// Puts text on the clipboard, as the desktop's Copy does.
export async function copyText(text) {
  try {
    await navigator.clipboard.writeText(text);
  } catch {
    // Where the page may not write the clipboard directly, the older way.
    const scratch = document.createElement('textarea');
    scratch.value = text;
    document.body.append(scratch);
    scratch.select();
    document.execCommand('copy');
    scratch.remove();
  }
  document.dispatchEvent(new CustomEvent('brimlet-copied', { detail: text }));
}

// Opens the tool's steps or picture window, or brings it forward when open.
export function showCompanion(window, kind) {
  const Kind = kind === 'steps' ? StepsWindow : PictureWindow;
  for (const companion of window.companions) {
    if (companion instanceof Kind) {
      companion.focus();
      return;
    }
  }
  window.companions.add(new Kind(window));
}

function menuItem(text, action) {
  const item = document.createElement('button');
  item.type = 'button';
  item.setAttribute('role', 'menuitem');
  item.tabIndex = -1;
  item.textContent = text;
  item.addEventListener('click', action);
  return item;
}

// Opens the menu at (x, y) of the page; by a key, on its first entry.
export function toolMenu(window, x, y, byKey = false) {
  const show = (kind) => showCompanion(window, kind);
  document.querySelector('.context-menu')?.remove();
  const menu = document.createElement('div');
  menu.className = 'context-menu';
  menu.setAttribute('role', 'menu');
  const returnTo = document.activeElement;
  const close = () => {
    menu.removeEventListener('focusout', leave);
    menu.remove();
    if (returnTo?.isConnected) returnTo.focus();
  };
  // Clicking or tabbing elsewhere closes it, as a popup menu closes.
  const leave = (event) => {
    if (!menu.contains(event.relatedTarget)) close();
  };
  const items = [menuItem(word('ToolWindow', 'Copy All Fields'), () => { close(); window.copyAllFields(); })];
  const fields = window.controls.filter((c) => c.control.kind === 'edit');
  const copyField = document.createElement('div');
  copyField.setAttribute('role', 'group');
  copyField.setAttribute('aria-label', word('ToolWindow', 'Copy Field'));
  copyField.className = 'submenu';
  const heading = document.createElement('div');
  heading.className = 'submenu-title';
  heading.textContent = word('ToolWindow', 'Copy Field');
  heading.setAttribute('aria-hidden', 'true');
  copyField.append(heading);
  for (const field of fields) {
    const item = menuItem(field.control.name, () => { close(); copyText(field.focusable.value); });
    copyField.append(item);
    items.push(item);
  }
  menu.append(items[0], copyField);
  if (window.tool.steps) {
    const item = menuItem(word('StepsWindow', 'Show Steps'), () => { close(); show('steps'); });
    menu.append(item);
    items.push(item);
  }
  if (window.tool.draws) {
    const item = menuItem(word('PictureWindow', 'Show Picture'), () => { close(); show('picture'); });
    menu.append(item);
    items.push(item);
  }
  menu.addEventListener('keydown', (event) => {
    const at = items.indexOf(document.activeElement);
    if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
      const by = event.key === 'ArrowDown' ? 1 : -1;
      items[(at + by + items.length) % items.length].focus();
    } else if (event.key === 'Escape') {
      close();
    } else {
      return;
    }
    event.preventDefault();
    event.stopPropagation();
  });
  menu.addEventListener('focusout', leave);
  menu.style.left = `${x}px`;
  menu.style.top = `${y}px`;
  document.body.append(menu);
  // Opened by a key, it opens on its first entry, as a menu bar's menus do.
  if (byKey) {
    items[0].focus();
  } else {
    menu.tabIndex = -1;
    menu.focus();
  }
}
