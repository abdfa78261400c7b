// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The page for everyone, one walk each: axe-core (read from node_modules) over
// every window in the light scheme and the dark; keys alone; and what a
// screen reader is given, from Chromium's own accessibility tree.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { buildDir, control, fieldTexts, openTool, pressing, startBrowser } from './browser.mjs';
import { runSteps, tools } from './command_line.mjs';

let browser;
before(async () => { browser = await startBrowser(); });
after(() => browser.stop());
const menu = Object.fromEntries(tools().map((tool) => [tool.className, tool]));
const controlNames = (className, kind) => JSON.parse(execFileSync(`${buildDir}/brimlet-tool`, ['--tool', className,
  '--list', '--json'], { encoding: 'utf8' })).controls.filter((c) => c.kind === kind).map((c) => c.name);
const press = async (page, ...keys) => {
  for (const key of keys) await page.keyboard.press(key);
};

for (const colorScheme of ['light', 'dark']) {
  test(`axe finds nothing wrong in the ${colorScheme} scheme`, async () => {
    const page = await browser.newPage();
    await page.emulateMedia({ colorScheme });
    await page.addScriptTag({ path: createRequire(import.meta.url).resolve('axe-core/axe.min.js') });
    const found = [];
    const check = async (what) => found.push(...(await page.evaluate(() => globalThis.axe.run(document)))
      .violations.flatMap((rule) => rule.nodes.map((node) => `${what}: ${rule.id} ${node.target}`)));
    const choose = async (popup, item) => {
      await page.getByRole('menuitem', { name: popup, exact: true }).click();
      await check(`${popup} menu`);
      await page.getByRole('menu', { name: popup }).getByRole('menuitem', { name: item, exact: true }).click();
    };
    for (const tool of tools()) {
      await choose(tool.popup, tool.item);
      await check(tool.className);
      // The steps and the picture stay open, to be checked at the end.
      for (const keys of tool.className === 'Pythegor' ? ['Control+Shift+S', 'Control+P'] : ['Escape']) {
        await page.locator('.window.tool').last().locator('.edit').first().focus();
        await press(page, keys);
      }
    }
    assert.equal(await page.locator('.window.steps, .window.picture').count(), 2);
    await check('steps and picture');
    await choose('Help', 'Keys');
    await check('keys');
    await choose('Conversions', 'Length');
    await press(page, 'y', 'Tab', 'Space');
    await page.getByRole('alertdialog').waitFor();
    await check('box');
    assert.deepEqual(found, []);
    await page.context().close();
  });
}

// The focus: its name and id, its window (or the menu bar), and a ring of 2 px or more drawn.
const focused = (page) => page.evaluate(() => {
  const active = document.activeElement;
  const drawn = window.getComputedStyle(active.matches('.unit input') ? active.nextElementSibling : active);
  return { name: active.getAttribute('aria-label'), id: active.dataset.id, ring: parseFloat(drawn.outlineWidth) >= 2,
    window: active.closest('.window')?.getAttribute('aria-label') ?? (active.closest('#menubar') && 'menu bar') };
});

// F10 (or Down on a menu title that holds the focus), the arrow keys and Enter.
async function openByKeys(page, { popup, item }) {
  await press(page, (await focused(page)).window === 'menu bar' ? 'ArrowDown' : 'F10');
  const open = () => page.locator('#menubar [aria-expanded="true"]').getAttribute('aria-label');
  while (await open() !== popup) await press(page, 'ArrowRight');
  while ((await focused(page)).name !== item) await press(page, 'ArrowDown');
  await press(page, 'Enter');
  return page.locator('.window').last();
}

test('by keys alone: every control of every window, its focus seen; a box, the calculator, the windows', async () => {
  const page = await browser.newPage();
  for (const tool of tools()) {
    const window = await openByKeys(page, tool);
    const reached = [];
    for (let at = await focused(page); !reached.some((seen) => seen.id === at.id); at = await focused(page)) {
      reached.push(at);
      await press(page, 'Tab');
    }
    assert.equal(reached.every((at) => at.ring && at.window === reached[0].window), true, tool.className);
    // Every field and button (a calculator's blank keys have no name), and a unit button of the row.
    const names = reached.map((at) => at.name);
    assert.deepEqual(['field', 'button'].flatMap((kind) => controlNames(tool.className, kind))
      .filter((name) => name && !names.includes(name)), [], tool.className);
    const units = controlNames(tool.className, 'unit button');
    assert.equal(units.length === 0 || units.some((name) => names.includes(name)), true, tool.className);
    await press(page, 'Escape');
    await window.waitFor({ state: 'detached' });
    assert.equal((await focused(page)).window, 'menu bar');
  }
  const length = await openByKeys(page, menu.Length);
  await press(page, 'y', 'Tab', 'Space');
  await page.getByRole('alertdialog').waitFor();
  assert.equal((await focused(page)).window, 'Brimlet 5');
  await pressing(page, length, () => press(page, 'Enter'));
  await pressing(page, length, () => press(page, '3', 'Tab', 'Space'));
  const lengthName = (await focused(page)).window;
  assert.deepEqual(await fieldTexts(length), runSteps('Length', [['set', 'Input', '3'], ['press', 'm']]).fields);
  await press(page, 'Control+Shift+S');
  assert.equal((await focused(page)).name, 'Steps');
  await press(page, 'Escape');
  assert.equal((await focused(page)).window, lengthName);
  const calculator = await openByKeys(page, menu.SimpleCalc);
  for (const key of '12+3=') await pressing(page, calculator, () => press(page, key));
  assert.deepEqual(await fieldTexts(calculator), runSteps('SimpleCalc', [['keys', '12+3=']]).fields);
  const calculatorName = (await focused(page)).window;
  for (const [keys, window] of [['Control+F6', lengthName], ['Control+Shift+F6', calculatorName],
    ['Escape', lengthName]]) {
    await press(page, keys);
    assert.equal((await focused(page)).window, window, keys);
  }
  await press(page, 'F10', 'ArrowLeft', 'ArrowUp', 'Enter');
  assert.match(await page.getByRole('dialog', { name: 'Keys' }).textContent(), /Ctrl\+F6.*Ctrl\+Shift\+S/s);
  await press(page, 'Escape');
  assert.equal((await focused(page)).window, lengthName);
  await page.context().close();
});

// Every node of a role as { role, name, description, children }, through the nodes a reader passes over.
async function nodes(page, role) {
  const { nodes: all } = await (await page.context().newCDPSession(page)).send('Accessibility.getFullAXTree');
  const byId = new Map(all.map((node) => [node.nodeId, node]));
  const shown = (node) => (node.childIds ?? []).map((id) => byId.get(id))
    .flatMap((child) => (child.ignored || child.role?.value === 'generic' ? shown(child) : [child]));
  const read = (node) => ({ role: node.role?.value, name: node.name?.value, description: node.description?.value,
    children: shown(node).map(read) });
  return all.filter((node) => !node.ignored && node.role?.value === role).map(read);
}
const names = (list) => list.map((node) => node.name);

// The live region's words for a press once it has played out; null when it said nothing.
async function spoken(page, window, action) {
  await window.evaluate((frame) => {
    let said = null;
    document.addEventListener('brimlet-announced', (event) => { said = event.detail; }, { once: true });
    globalThis.heard = new Promise((done) => frame.addEventListener('brimlet-pressed', () =>
      done(said && document.querySelector('[aria-live="polite"]').textContent), { once: true }));
  });
  await action();
  return page.evaluate(() => globalThis.heard);
}

test('a reader hears the desktop\'s names and roles, a box as an alert dialog, and each press once', async () => {
  const page = await browser.newPage();
  const length = await openTool(page, 'Conversions', 'Length');
  const table = await openTool(page, 'Chemistry', 'Periodic Table');
  const name = await length.getAttribute('aria-label');
  const [window] = (await nodes(page, 'dialog')).filter((node) => node.name === name);
  assert.deepEqual(names(window.children.filter((node) => node.role === 'textbox')), controlNames('Length', 'field'));
  assert.deepEqual(names((await nodes(page, 'radiogroup'))[0].children), controlNames('Length', 'unit button'));
  const [grid] = await nodes(page, 'grid');
  assert.equal(grid.name, await table.getAttribute('aria-label'));
  assert.deepEqual(grid.children.slice(0, 2).map((row) => [row.role, ...names(row.children)].slice(0, 3)),
    [['row', 'H', 'He'], ['row', 'Li', 'Be']]);
  assert.equal((await nodes(page, 'gridcell')).length, 118);
  await control(length, 'Input', 'field').fill('2');
  const typed = runSteps('Length', [['set', 'Input', '2']]).fields;
  const changed = runSteps('Length', [['set', 'Input', '2'], ['press', 'ft']]).fields
    .filter((field, at) => field[1] !== typed[at][1]).map((field) => field.join(' '));
  assert.equal(await spoken(page, length, () => control(length, 'ft').click()), changed.join(', '));
  assert.equal(await page.locator('[aria-live="polite"], [role="status"]:not([aria-live="off"])').count(), 1);
  // A reference sheet is read whole at every press; a sign's key is heard as its word.
  const planets = await openTool(page, 'Astronomy', 'Solar System Planets Data');
  const first = planets.locator('.push').first();
  const sheet = runSteps('Planets', [['press', await first.getAttribute('aria-label')]]).fields;
  for (let again = 0; again < 2; ++again) {
    assert.equal(await spoken(page, planets, () => first.click()), sheet.map((field) => field.join(' ')).join(', '));
  }
  const calculator = await openTool(page, 'Calculators', 'Basic Calculator');
  const times = await calculator.getByRole('button', { name: '*' }).getAttribute('aria-description');
  assert.equal(await spoken(page, calculator, () => press(page, '*')), times ?? 'the key\'s word');
  await control(length, 'Input', 'field').fill('y');
  await control(length, 'ft').press('Enter');
  await page.getByRole('alertdialog').waitFor();
  const [box] = await nodes(page, 'alertdialog');
  const message = runSteps('Length', [['set', 'Input', 'y'], ['press', 'ft']]).messages[0];
  assert.deepEqual([box.name, box.description], ['Brimlet 5', message]);
  await page.context().close();
});
