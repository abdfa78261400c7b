// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The desktop's roles for what a template lays out loose: each row of unit
// buttons a group of radio buttons, and a table of buttons (the periodic
// table) a grid of rows and cells. The controls stay where the template puts
// them; the groups own them by id.
let made = 0;

function owner(client, role, label, owned) {
  const element = document.createElement('div');
  element.setAttribute('role', role);
  if (label) element.setAttribute('aria-label', label);
  element.setAttribute('aria-owns', owned.map((control) => {
    control.id ||= `owned-${++made}`;
    return control.id;
  }).join(' '));
  client.append(element);
  return element;
}

// Unit buttons that stand together in template order are one row.
function unitRows(controls) {
  const rows = [];
  let last = null;
  for (const entry of controls) {
    if (entry.control.kind !== 'unit') {
      last = null;
    } else {
      if (!last) rows.push(last = []);
      last.push(entry.focusable);
    }
  }
  return rows;
}

export function giveRoles(client, template, controls) {
  for (const row of unitRows(controls)) {
    owner(client, 'radiogroup', '', row);
    row.forEach((radio, index) => {
      radio.setAttribute('aria-posinset', String(index + 1));
      radio.setAttribute('aria-setsize', String(row.length));
    });
  }
  if (template.grid.length === 0) return;
  const byId = new Map(controls.map((entry) => [entry.control.id, entry.focusable]));
  const rows = new Map();
  for (const [id, row, column] of template.grid) {
    const cell = byId.get(id);
    if (!cell) continue;
    cell.setAttribute('role', 'gridcell');
    cell.setAttribute('aria-colindex', String(column + 1));
    if (!rows.has(row)) rows.set(row, []);
    rows.get(row).push(cell);
  }
  const grid = owner(client, 'grid', template.name, []);
  const order = [...rows.keys()].sort((a, b) => a - b);
  grid.setAttribute('aria-owns', order.map((row) => {
    const element = owner(client, 'row', '', rows.get(row));
    element.setAttribute('aria-rowindex', String(row + 1));
    element.id = `owned-${++made}`;
    return element.id;
  }).join(' '));
}
