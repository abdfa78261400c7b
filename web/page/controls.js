// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// A template's controls as native HTML controls, in template order (which is
// the Tab order), placed in dialog units. Each is named as the desktop and
// the command line name it; a unit button is a radio button drawn as a push
// button, pressed while checked.
import { captionNodes } from './mnemonic.js';
import { keepsLeftToRight, word } from './language.js';

// The template's style flags (core/templates/dialog_template.h).
export const Flag = Object.freeze({
  TabStop: 1 << 0,
  Default: 1 << 1,
  Flat: 1 << 2,
  ReadOnly: 1 << 3,
  MultiLine: 1 << 4,
  RightAlign: 1 << 5,
  NoBorder: 1 << 6,
  AutoHScroll: 1 << 7,
  HScrollBar: 1 << 8,
  Center: 1 << 9,
  NoPrefix: 1 << 10,
});

// What a user may type into a field, as the desktop's edit controls bound it.
const userTextLimit = 32767;

const has = (control, flag) => (control.flags & flag) !== 0;

function makeEdit(control) {
  const multiLine = has(control, Flag.MultiLine);
  const edit = document.createElement(multiLine ? 'textarea' : 'input');
  if (!multiLine) edit.type = 'text';
  else edit.wrap = 'off';
  edit.className = 'edit';
  edit.readOnly = has(control, Flag.ReadOnly);
  edit.spellcheck = false;
  edit.autocomplete = 'off';
  // Fields hold numbers and the program's ASCII texts: digits, signs and
  // exponents are never reordered, in any language.
  edit.dir = 'ltr';
  if (!edit.readOnly) edit.maxLength = userTextLimit;
  edit.classList.toggle('right', has(control, Flag.RightAlign));
  edit.classList.toggle('borderless', has(control, Flag.NoBorder));
  edit.classList.toggle('scrollbar', has(control, Flag.HScrollBar));
  return edit;
}

function makeButton(control, group) {
  if (control.kind === 'unit') {
    const holder = document.createElement('label');
    holder.className = 'unit';
    const radio = document.createElement('input');
    radio.type = 'radio';
    // A name of its own: each unit button is a Tab stop as its template says,
    // and the window keeps them exclusive.
    radio.name = `${group}-${control.id}`;
    radio.value = String(control.id);
    const face = document.createElement('span');
    face.append(...captionNodes(control.caption));
    if (keepsLeftToRight(control.caption)) face.dir = 'ltr';
    holder.append(radio, face);
    return { element: holder, focusable: radio };
  }
  const button = document.createElement('button');
  button.type = 'button';
  button.className = 'push';
  button.classList.toggle('flat', has(control, Flag.Flat));
  button.classList.toggle('default', has(control, Flag.Default));
  button.append(...captionNodes(control.caption));
  if (keepsLeftToRight(control.caption)) button.dir = 'ltr';
  if (!control.caption) button.classList.add('blank');
  return { element: button, focusable: button };
}

function makeStatic(control, icon) {
  const element = document.createElement('div');
  if (control.kind === 'group') {
    element.className = 'group';
    element.classList.toggle('flat', has(control, Flag.Flat));
    if (control.caption) {
      const caption = document.createElement('span');
      caption.className = 'group-caption';
      caption.append(...captionNodes(control.caption));
      element.append(caption);
    }
  } else if (control.kind === 'icon') {
    element.className = 'icon';
    const image = document.createElement('img');
    image.src = icon;
    image.alt = '';
    element.append(image);
  } else {
    element.className = 'label';
    element.classList.toggle('centre', has(control, Flag.Center));
    if (keepsLeftToRight(control.caption)) element.dir = 'ltr';
    if (has(control, Flag.NoPrefix)) element.textContent = control.caption;
    else element.append(...captionNodes(control.caption));
  }
  return element;
}

// A button's tooltip, as on the desktop: the full wording of a caption shown
// shortened, then the keys that press it (Enter too, for the default button
// of a window that takes keys).
function tooltipOf(control, takesKeys) {
  const keys = [...control.keys];
  const enter = word('ToolWindow', 'Enter');
  if (takesKeys && has(control, Flag.Default) && !keys.includes(enter)) keys.push(enter);
  const pressedBy = keys.length === 0 ? ''
    : word('ToolWindow', keys.length === 1 ? 'Key: %1' : 'Keys: %1').replace('%1', keys.join(word('ToolWindow', ' or ')));
  return [control.full, pressedBy].filter(Boolean).join('\n');
}

// Builds every control into `client`: [{ control, element, focusable }] in
// template order. Group boxes go first in the page, so that they stay behind
// the controls they frame, wherever the template puts them. icon is the
// program icon's address.
export function buildControls(client, template, units, group, icon = '') {
  const built = [];
  const takesKeys = template.controls.some((control) => control.keys.length > 0);
  for (const control of template.controls) {
    let element;
    let focusable = null;
    if (control.kind === 'edit') {
      element = focusable = makeEdit(control);
    } else if (control.kind === 'button' || control.kind === 'unit') {
      ({ element, focusable } = makeButton(control, group));
    } else {
      element = makeStatic(control, icon);
    }
    if (focusable) {
      focusable.tabIndex = has(control, Flag.TabStop) ? 0 : -1;
      if (control.name) focusable.setAttribute('aria-label', control.name);
      if (control.description) focusable.setAttribute('aria-description', control.description);
      focusable.dataset.id = String(control.id);
      const tip = control.kind === 'edit' ? control.full : tooltipOf(control, takesKeys);
      if (tip) focusable.title = tip;
      // A caption shortened to fit: its full wording for the reader too.
      if (control.full && !control.description) focusable.setAttribute('aria-description', control.full);
      if (control.kind !== 'edit' && !control.handled && !control.caption) {
        focusable.disabled = true;
        focusable.setAttribute('aria-hidden', 'true');
      }
    }
    if (!focusable && control.full) element.title = control.full;
    element.style.left = `${units.x(control.x)}px`;
    element.style.top = `${units.y(control.y)}px`;
    // Qt lays a label's words out in whole pixels, the browser in fractions: a
    // caption that fills its label to a fraction of a pixel ("Côté 1 :", 35.03
    // pixels in 35) would wrap here but not on the desktop.
    element.style.width = `${units.x(control.w) + (control.kind === 'label' ? 1 : 0)}px`;
    element.style.height = `${units.y(control.h)}px`;
    built.push({ control, element, focusable });
  }
  const groups = built.filter((entry) => entry.control.kind === 'group');
  client.append(...groups.map((entry) => entry.element));
  client.append(...built.filter((entry) => entry.control.kind !== 'group').map((entry) => entry.element));
  return built;
}
