// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The main window's menu bar: the command table's popups and items in its
// order, with "&Help" and its About item at the end, as on the desktop. Alt
// and a popup's mnemonic letter, or F10, open a menu from the keyboard; the
// arrow keys walk the menus and their items, Enter chooses, Esc closes.
import { captionNodes, mnemonicOf, withoutMnemonic } from './mnemonic.js';
import { word } from './language.js';

const status = (text) => {
  document.getElementById('status').textContent = text;
};

export function buildMenuBar(bar, popups) {
  const menus = [];
  let returnFocus = null;

  const close = (restore = true) => {
    for (const menu of menus) {
      menu.list.hidden = true;
      menu.title.setAttribute('aria-expanded', 'false');
    }
    status(word('CMainFrame', 'Ready'));
    if (restore && returnFocus?.isConnected) returnFocus.focus();
    returnFocus = null;
  };
  const open = (menu, focusFirst) => {
    if (returnFocus === null && !bar.contains(document.activeElement)) returnFocus = document.activeElement;
    for (const other of menus) {
      other.list.hidden = other !== menu;
      other.title.setAttribute('aria-expanded', String(other === menu));
    }
    status('');
    (focusFirst ? menu.items[0] : menu.title).focus();
  };
  const openMenu = () => menus.find((menu) => !menu.list.hidden);

  for (const popup of popups) {
    const menu = { popup, mnemonic: mnemonicOf(popup.title), items: [] };
    const holder = document.createElement('div');
    holder.className = 'menu';
    menu.title = document.createElement('button');
    menu.title.type = 'button';
    menu.title.setAttribute('role', 'menuitem');
    menu.title.setAttribute('aria-haspopup', 'menu');
    menu.title.setAttribute('aria-expanded', 'false');
    menu.title.setAttribute('aria-label', withoutMnemonic(popup.title));
    if (menu.mnemonic) menu.title.setAttribute('aria-keyshortcuts', `Alt+${menu.mnemonic.toUpperCase()}`);
    menu.title.append(...captionNodes(popup.title));
    menu.title.tabIndex = menus.length === 0 ? 0 : -1;
    menu.list = document.createElement('div');
    menu.list.setAttribute('role', 'menu');
    menu.list.setAttribute('aria-label', withoutMnemonic(popup.title));
    menu.list.hidden = true;
    for (const entry of popup.items) {
      const item = document.createElement('button');
      item.type = 'button';
      item.setAttribute('role', 'menuitem');
      item.tabIndex = -1;
      item.setAttribute('aria-label', withoutMnemonic(entry.text));
      item.append(...captionNodes(entry.text));
      item.mnemonic = mnemonicOf(entry.text);
      // The focus goes back where it was before the menu, whatever the item opens.
      item.addEventListener('click', () => {
        close();
        entry.action();
      });
      item.addEventListener('focus', () => status(entry.prompt ?? ''));
      item.addEventListener('pointerenter', () => item.focus());
      menu.list.append(item);
      menu.items.push(item);
    }
    menu.title.addEventListener('click', () => (menu.list.hidden ? open(menu, false) : close()));
    menu.title.addEventListener('pointerenter', () => {
      if (openMenu() && openMenu() !== menu) open(menu, false);
    });
    holder.append(menu.title, menu.list);
    bar.append(holder);
    menus.push(menu);
  }

  bar.addEventListener('keydown', (event) => {
    const menu = openMenu() ?? menus.find((m) => m.title === document.activeElement);
    if (!menu) return;
    const index = menus.indexOf(menu);
    const at = menu.items.indexOf(document.activeElement);
    const step = (list, from, by) => list[(from + by + list.length) % list.length];
    let handled = true;
    switch (event.key) {
      case 'ArrowLeft':
        open(step(menus, index, -1), !menu.list.hidden);
        break;
      case 'ArrowRight':
        open(step(menus, index, 1), !menu.list.hidden);
        break;
      case 'ArrowDown':
        if (menu.list.hidden) open(menu, true);
        else step(menu.items, at, 1).focus();
        break;
      case 'ArrowUp':
        if (menu.list.hidden) open(menu, true);
        else step(menu.items, at < 0 ? 0 : at, -1).focus();
        break;
      case 'Home':
        menu.items[0].focus();
        break;
      case 'End':
        menu.items[menu.items.length - 1].focus();
        break;
      case 'Escape':
      case 'F10':
        close();
        break;
      default: {
        const chosen = menu.items.find((item) => item.mnemonic && item.mnemonic === event.key.toLowerCase());
        if (chosen && !menu.list.hidden) chosen.click();
        else handled = false;
      }
    }
    if (handled) {
      event.preventDefault();
      event.stopPropagation();
    }
  });
  document.addEventListener('pointerdown', (event) => {
    if (openMenu() && !bar.contains(event.target)) close(false);
  });
  // Alt and a popup's letter, or F10, from anywhere in the page.
  document.addEventListener('keydown', (event) => {
    if (event.key === 'F10' && !event.altKey && !event.ctrlKey && !event.shiftKey) {
      event.preventDefault();
      if (openMenu()) close();
      else open(menus[0], true);
      return;
    }
    if (!event.altKey || event.ctrlKey || event.metaKey) return;
    const letter = event.code.startsWith('Key') ? event.code.slice(3).toLowerCase() : '';
    const menu = menus.find((m) => m.mnemonic && m.mnemonic === letter);
    if (menu) {
      event.preventDefault();
      open(menu, true);
    }
  });
  return { close };
}
