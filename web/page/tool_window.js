// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// One tool window: a fresh tool of the core, its template's controls, and
// the page's side of every press. A press runs the tool's handler in the core
// at once; what the handler did (texts set, a field focused, a box shown) is
// played back in its order, each box holding back what came after it until
// it is answered, as on the desktop, while the page itself never waits.
import { buildControls, Flag } from './controls.js';
import { isEditable, routeKey } from './window_keys.js';
import { messageBox } from './message_box.js';
import { createFrame } from './window_frame.js';
import { toolMenu, copyText } from './tool_menu.js';
import { announce } from './live_region.js';
import { giveRoles } from './reader_roles.js';
import { word } from './language.js';

const has = (control, flag) => (control.flags & flag) !== 0;

export class ToolWindow {
  constructor(core, tool, units) {
    this.core = core;
    this.tool = tool;
    this.template = tool.template;
    this.session = core.open(tool.command);
    this.busy = false;
    this.presses = 0;
    this.companions = new Set();
    this.box = createFrame({
      title: this.template.caption,
      label: this.template.name,
      kind: 'tool',
      onClose: () => this.close(),
    });
    this.frame = this.box.frame;
    this.frame.dataset.tool = tool.className;
    this.frame.dataset.presses = '0';
    const client = this.box.client;
    client.style.width = `${units.x(this.template.width)}px`;
    client.style.height = `${units.y(this.template.height)}px`;
    this.controls = buildControls(client, this.template, units, `unit-${this.session}`);
    giveRoles(client, this.template, this.controls);
    this.byId = new Map(this.controls.filter((c) => c.focusable).map((c) => [c.control.id, c]));
    this.units = this.controls.filter((c) => c.control.kind === 'unit');
    this.defaultButton = this.controls.find((c) => has(c.control, Flag.Default));
    this.connect();
    this.apply(core.opened(this.session).events);
    // The window opens on its first Tab stop, a field's text selected.
    const first = this.firstTabStop();
    first?.focus();
    if (first?.classList.contains('edit')) first.select();
  }

  firstTabStop() {
    return this.controls.find((c) => c.focusable && has(c.control, Flag.TabStop))?.focusable;
  }

  // The fields the user can change, told to the core before each press.
  tellTyped() {
    for (const { control, focusable } of this.controls) {
      if (control.kind === 'edit' && !focusable.readOnly) this.core.typed(this.session, control.id, focusable.value);
    }
  }

  connect() {
    for (const entry of this.controls) {
      const { control, focusable } = entry;
      if (!focusable || control.kind === 'edit') continue;
      focusable.addEventListener('click', () => {
        if (control.kind === 'unit') this.check(entry);
        this.press(control.id);
      });
    }
    this.keepOneUnitStop();
    this.frame.addEventListener('keydown', (event) => routeKey(this, event));
    this.frame.addEventListener('contextmenu', (event) => {
      if (isEditable(event.target)) return;
      event.preventDefault();
      toolMenu(this, event.clientX, event.clientY);
    });
  }

  // The unit buttons are one exclusive group, kept by hand, so that each can
  // be a Tab stop of its own as the template says.
  check(entry) {
    for (const unit of this.units) unit.focusable.checked = unit === entry;
    this.keepOneUnitStop();
  }

  // A row the template leaves out of the Tab order is one Tab stop: its
  // pressed button, or its first while none is pressed.
  keepOneUnitStop() {
    if (this.units.length === 0 || this.units.some((u) => has(u.control, Flag.TabStop))) return;
    const stop = this.units.find((u) => u.focusable.checked) ?? this.units[0];
    for (const unit of this.units) unit.focusable.tabIndex = unit === stop ? 0 : -1;
  }

  setField(id, text) {
    const field = this.byId.get(id)?.focusable;
    if (field && field.value !== text) field.value = text;
  }

  apply(events) {
    for (const [act, id, text] of events) {
      if (act === 'set') this.setField(id, text);
      else if (act === 'append') this.setField(id, this.byId.get(id).focusable.value + text);
    }
  }

  // Plays a press's outcome back: boxes one after another, each answered
  // before what the handler did after it shows.
  async play(outcome) {
    for (const [act, id, text] of outcome.events) {
      if (act === 'set' || act === 'append') {
        this.apply([[act, id, text]]);
      } else if (act === 'focus') {
        const field = this.byId.get(id)?.focusable;
        field?.focus();
        field?.select?.();
      } else if (act === 'message') {
        const focused = this.frame.contains(document.activeElement) ? document.activeElement : null;
        await messageBox(text, this.frame);
        focused?.focus();
      }
    }
  }

  // Runs one action of the core (a press, a key, the confirm) on the texts
  // the user typed, and plays its outcome.
  act(action) {
    if (this.busy) return Promise.resolve(null);
    this.tellTyped();
    return this.run(action());
  }

  async run(outcome) {
    this.busy = true;
    this.frame.dataset.busy = 'true';
    await this.play(outcome);
    this.busy = false;
    delete this.frame.dataset.busy;
    let postscript = '';
    if (outcome.used) {
      for (const companion of this.companions) {
        if (companion.refresh()) postscript = word('StepsWindow', 'Steps updated');
      }
    }
    announce(this.core.announcement(this.session, postscript));
    this.frame.dataset.presses = String(++this.presses);
    this.frame.dispatchEvent(new CustomEvent('brimlet-pressed', { bubbles: true }));
    return outcome;
  }

  // A key the tool takes for itself (the calculators'): true when it did.
  offerKey([key, character]) {
    this.tellTyped();
    const outcome = this.core.key(this.session, key, character);
    if (!outcome.used) return false;
    this.run(outcome);
    return true;
  }

  press(id) {
    return this.act(() => this.core.press(this.session, id));
  }

  // Enter where the template has no default button: read all fields, and
  // close only when that succeeds.
  async confirm() {
    const outcome = await this.act(() => this.core.confirm(this.session));
    if (outcome?.accepted) this.close();
  }

  async copyAllFields() {
    this.tellTyped();
    await copyText(this.core.allFields(this.session));
  }

  close() {
    for (const companion of this.companions) companion.close();
    this.box.close();
    this.core.close(this.session);
    this.frame.dispatchEvent(new CustomEvent('brimlet-closed'));
  }
}
