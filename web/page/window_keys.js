// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// What the keys of a tool window mean, as the desktop reads them.
import { ToolKey } from './core.js';

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
  if (key === 'ArrowLeft' || key === 'ArrowUp') return -1;
  if (key === 'ArrowRight' || key === 'ArrowDown') return 1;
  return 0;
}

// GridMove's order in the core: Left, Right, Up, Down; null for another key.
export function gridMoveOf(key) {
  const move = ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown'].indexOf(key);
  return move < 0 ? null : move;
}
