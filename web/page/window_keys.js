// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// What the keys of a tool window mean, as the desktop reads them: its
// KeyRouter's and its grid navigation's rules.
import { ToolKey } from './core.js';
import { showCompanion, toolMenu } from './tool_menu.js';

// A field the user types into: its keys are its own.
export function isEditable(element) {
  return (element instanceof HTMLInputElement && element.type === 'text' && !element.readOnly) ||
    (element instanceof HTMLTextAreaElement && !element.readOnly);
}

// The key as the core's tools take it ([ToolKey, character code]), or null.
export function toolKeyOf(event) {
  switch (event.key) {
    case 'Enter':
      return [ToolKey.Enter, 0];
    case 'Backspace':
      return [ToolKey.Backspace, 0];
    case 'Delete':
      return [ToolKey.Delete, 0];
    default:
      break;
  }
  // The keypad's decimal key types the layout's separator, ',' on most
  // European layouts; on a calculator it is the decimal point.
  if (event.code === 'NumpadDecimal') return [ToolKey.Character, '.'.charCodeAt(0)];
  if (event.key.length === 1 && event.key > ' ' && event.key < '\x7f') {
    return [ToolKey.Character, event.key.charCodeAt(0)];
  }
  return null;
}

// -1 or 1 for an arrow key that moves along a row of unit buttons, else 0.
export function unitRowStep(key) {
  // A mirrored window shows the row from right to left.
  const across = document.documentElement.dir === 'rtl' ? -1 : 1;
  if (key === 'ArrowUp') return -1;
  if (key === 'ArrowDown') return 1;
  if (key === 'ArrowLeft') return -across;
  if (key === 'ArrowRight') return across;
  return 0;
}

// GridMove's order in the core: Left, Right, Up, Down; null for another key.
export function gridMoveOf(key) {
  const move = ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown'].indexOf(key);
  return move < 0 ? null : move;
}

// Tab goes round the window's controls, as in a dialog: the template's Tab
// stops in its order, then, so that the keyboard reaches every field and
// button, those that the desktop leaves to the mouse (a unit row's other
// buttons are reached by the arrow keys).
export function tabOrder(window) {
  const usable = ({ control, focusable }) => focusable && !focusable.disabled &&
    (focusable.tabIndex >= 0 || control.kind !== 'unit');
  const controls = window.controls.filter(usable);
  return [...controls.filter((c) => c.focusable.tabIndex >= 0), ...controls.filter((c) => c.focusable.tabIndex < 0)]
    .map((c) => c.focusable);
}

function moveTab(window, event, handled) {
  const order = tabOrder(window);
  if (order.length === 0) return;
  handled();
  const at = order.indexOf(document.activeElement);
  const next = order[event.shiftKey ? (at <= 0 ? order.length : at) - 1 : (at + 1) % order.length];
  next.focus();
  if (isEditable(next) || next.readOnly) next.select();
}

// The arrow keys on a unit button press its neighbour in the row (the unit
// buttons that stand together in template order), wrapping at the ends, as
// in the desktop's radio groups: pressed first, then focused.
function moveInUnitRow(window, entry, step) {
  const all = window.controls;
  const isUnit = (i) => i >= 0 && i < all.length && all[i].control.kind === 'unit';
  const index = all.indexOf(entry);
  let next = index + step;
  if (!isUnit(next)) {
    next = index;
    while (isUnit(next - step)) next -= step;
  }
  all[next].focusable.click();
  all[next].focusable.focus();
}

// In a table of buttons (the periodic table), the arrow keys move as it is
// drawn and letters typed one after another name a button; true when the key
// was one of those.
function moveInGrid(window, entry, event) {
  const move = gridMoveOf(event.key);
  let id = null;
  if (move !== null) {
    id = window.core.gridNeighbour(window.session, entry.control.id, move);
  } else if (/^[a-z]$/i.test(event.key)) {
    id = window.core.gridTyped(window.session, event.key.toLowerCase().charCodeAt(0), event.timeStamp);
  } else {
    return false;
  }
  window.byId.get(id)?.focusable.focus();
  return true;
}

// A key typed in a tool window, in the desktop's order: the window's own
// shortcuts, a unit row's and the grid's arrow keys, the keys the tool takes
// for itself where no field is being typed into, then Enter (the focused
// button, else the default button, else confirming the window), Esc and Tab.
export function routeKey(window, event) {
  if (window.busy || event.defaultPrevented) return;
  const target = event.target;
  const entry = window.controls.find((c) => c.focusable === target);
  const handled = () => {
    event.preventDefault();
    event.stopPropagation();
  };
  if (event.ctrlKey && event.shiftKey && event.code === 'KeyC') {
    handled();
    window.copyAllFields();
    return;
  }
  if ((event.shiftKey && event.key === 'F10') || event.key === 'ContextMenu') {
    if (isEditable(target)) return;
    handled();
    const place = target.getBoundingClientRect();
    toolMenu(window, place.left, place.bottom, true);
    return;
  }
  // Ctrl+T where the browser lets the page have it, Ctrl+Shift+S where it
  // does not, and Ctrl+P.
  const steps = event.shiftKey ? event.code === 'KeyS' : event.code === 'KeyT';
  if (event.ctrlKey && (steps || (!event.shiftKey && event.code === 'KeyP'))) {
    const companion = steps ? 'steps' : 'picture';
    if (companion === 'steps' ? window.tool.steps : window.tool.draws) {
      handled();
      showCompanion(window, companion);
    }
    return;
  }
  if (event.ctrlKey || event.altKey || event.metaKey) return;
  // Space presses a unit button that is pressed already, as on the desktop;
  // a radio button that is checked takes no click of its own from it.
  if (event.key === ' ' && entry?.control.kind === 'unit') {
    handled();
    entry.focusable.click();
    return;
  }
  const step = entry?.control.kind === 'unit' ? unitRowStep(event.key) : 0;
  if (step) {
    handled();
    moveInUnitRow(window, entry, step);
    return;
  }
  if (window.template.grid.length && entry?.control.kind === 'button' && moveInGrid(window, entry, event)) {
    handled();
    return;
  }
  const key = isEditable(target) ? null : toolKeyOf(event);
  if (key && window.offerKey(key)) {
    handled();
    return;
  }
  if (event.key === 'Enter') {
    handled();
    if (entry && entry.control.kind !== 'edit') entry.focusable.click();
    else if (window.defaultButton) window.defaultButton.focusable.click();
    else window.confirm();
  } else if (event.key === 'Escape') {
    handled();
    window.close();
  } else if (event.key === 'Tab') {
    moveTab(window, event, handled);
  }
}
