// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The core, compiled to WebAssembly: every tool, its template and its
// number texts come from here, as on the desktop. Texts cross as UTF-8.
import loadBrimlet from './brimlet.mjs';

// ToolKey's order in the core.
export const ToolKey = Object.freeze({ Character: 0, Enter: 1, Backspace: 2, Delete: 3 });

export async function loadCore() {
  const module = await loadBrimlet();
  const call = (name, returns, types, args) => module.ccall(name, returns, types, args);
  const json = (name, types, args) => JSON.parse(call(name, 'string', types, args));
  return {
    addWord: (context, source, translation) =>
      call('brimlet_add_word', null, ['string', 'string', 'string'], [context, source, translation]),
    rightToLeft: (yes) => call('brimlet_right_to_left', null, ['number'], [yes ? 1 : 0]),
    word: (context, text) => call('brimlet_word', 'string', ['string', 'string'], [context, text]),
    menus: () => json('brimlet_menus', [], []),
    tool: (command) => json('brimlet_tool', ['number'], [command]),
    open: (command) => call('brimlet_open', 'number', ['number'], [command]),
    opened: (window) => json('brimlet_opened', ['number'], [window]),
    close: (window) => call('brimlet_close', null, ['number'], [window]),
    typed: (window, id, text) => call('brimlet_typed', null, ['number', 'number', 'string'], [window, id, text]),
    press: (window, id) => json('brimlet_press', ['number', 'number'], [window, id]),
    key: (window, key, character) =>
      json('brimlet_key', ['number', 'number', 'number'], [window, key, character]),
    confirm: (window) => json('brimlet_confirm', ['number'], [window]),
    announcement: (window, postscript) =>
      call('brimlet_announcement', 'string', ['number', 'string'], [window, postscript]),
    steps: (window) => call('brimlet_steps', 'string', ['number'], [window]),
    picture: (window) => call('brimlet_picture', 'string', ['number'], [window]),
    allFields: (window) => call('brimlet_all_fields', 'string', ['number'], [window]),
    gridNeighbour: (window, id, move) =>
      call('brimlet_grid_neighbour', 'number', ['number', 'number', 'number'], [window, id, move]),
    gridTyped: (window, letter, milliseconds) =>
      call('brimlet_grid_typed', 'number', ['number', 'number', 'number'], [window, letter, milliseconds]),
    numberTexts: (value) => call('brimlet_number_texts', 'string', ['number'], [value]),
    readNumber: (text) => call('brimlet_read_number', 'string', ['string'], [text]),
  };
}
