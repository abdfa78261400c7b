// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The tool windows of the page as a person meets them: a refusal in each
// family blocks its own window only and leaves the refused field focused and
// selected; several windows at once, each with its own values; Enter and Esc
// as on the desktop; the steps, the picture and the clipboard give what the
// command line gives for the same steps.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { control, cutCaptions, fieldTexts, openTool, pressing, startBrowser, takeStep } from './browser.mjs';
import { outputOf, runSteps, tools } from './command_line.mjs';

const menuOf = Object.fromEntries(tools().map((tool) => [tool.className, tool]));
const open = (page, className) => openTool(page, menuOf[className].popup, menuOf[className].item);

let browser;
let page;
before(async () => {
  browser = await startBrowser();
});
after(() => browser.stop());

// A box of each family: a refused double and integer field, which take the
// focus back selected after OK; the Roman numeral's range and the
// calculator's help, after which the focus is where it was, on the button.
const refusals = [
  { className: 'Length', field: 'Input', text: 'y', button: 'ft', refused: true },
  { className: 'Numbers', field: 'Arabic number', text: 'x', button: '<<', refused: false },
  { className: 'TheCombination', field: 'r', text: 'two', button: 'Calculate', refused: true },
  { className: 'Geo', field: 'Point 2 Y', text: '-', button: 'Calculate', refused: true },
  { className: 'MyCalculator', field: 'Memory 2', text: 'x', button: 'Help', refused: false },
];

for (const { className, field, text, button, refused } of refusals) {
  test(`${className}: a box blocks its own window only, and OK gives the field back selected`, async () => {
    page = await browser.newPage();
    const other = await open(page, 'Temperature' in menuOf ? 'Temperature' : 'Degrees');
    const window = await open(page, className);
    await control(window, field, 'field').fill(text);
    const before = await window.getAttribute('data-presses');
    await control(window, button).click();
    const box = page.getByRole('alertdialog', { name: 'Brimlet 5' });
    await box.waitFor();
    const expected = runSteps(className, [['set', field, text], ['press', button]]);
    assert.equal(await box.locator('.message').textContent(), expected.messages[0]);
    assert.equal(await window.evaluate((frame) => frame.inert), true);
    // The other window, dragged aside by its title bar, works on while the box waits.
    const bar = await other.locator('.title-bar').boundingBox();
    const from = await other.boundingBox();
    await page.mouse.move(bar.x + 40, bar.y + 8);
    await page.mouse.down();
    await page.mouse.move(bar.x + 640, bar.y + 48, { steps: 4 });
    await page.mouse.up();
    assert.equal((await other.boundingBox()).x, from.x + 600);
    await control(other, 'Input', 'field').fill('100');
    await pressing(page, other, () => control(other, 'Celcius').click());
    assert.deepEqual(await fieldTexts(other), runSteps('Degrees', [['set', 'Input', '100'], ['press', 'Celcius']]).fields);
    assert.equal(await window.getAttribute('data-presses'), before);
    // A click into the blocked window brings its box to the front.
    await window.click({ position: { x: 5, y: 5 }, force: true });
    assert.equal(await page.evaluate(() => document.activeElement.closest('[role=alertdialog]') !== null), true);
    await box.getByRole('button', { name: 'OK' }).click();
    await window.locator(`xpath=self::*[@data-presses != "${before}"]`).waitFor();
    assert.equal(await window.evaluate((frame) => frame.inert), false);
    assert.deepEqual(await fieldTexts(window), expected.fields);
    const focused = await page.evaluate(() => {
      const active = document.activeElement;
      return [active.getAttribute('aria-label'), active.selectionStart ?? null, active.selectionEnd ?? null,
        active.value?.length ?? null];
    });
    assert.deepEqual(focused, refused ? [field, 0, focused[3], focused[3]] : [button, null, null, focused[3]]);
    await page.context().close();
  });
}

test('several windows of one tool keep their own values', async () => {
  page = await browser.newPage();
  const first = await open(page, 'Energy');
  const second = await open(page, 'Energy');
  await control(first, 'Input', 'field').fill('2');
  await pressing(page, first, () => control(first, 'Joules').click());
  await control(second, 'Input', 'field').fill('3');
  await pressing(page, second, () => control(second, 'Ergs').click());
  assert.deepEqual(await fieldTexts(first), runSteps('Energy', [['set', 'Input', '2'], ['press', 'Joules']]).fields);
  assert.deepEqual(await fieldTexts(second), runSteps('Energy', [['set', 'Input', '3'], ['press', 'Ergs']]).fields);
  assert.equal(await page.getByRole('radio', { name: 'Joules', checked: true }).count(), 1);
  await page.context().close();
});

test('Enter presses the default button, or confirms where there is none; Esc closes unread', async () => {
  page = await browser.newPage();
  const quad = await open(page, 'Quad');
  const steps = [['set', 'Coefficient a', '1'], ['set', 'Coefficient b', '2'], ['set', 'Coefficient c', '1']];
  for (const step of steps) await takeStep(page, quad, step);
  await pressing(page, quad, () => control(quad, 'Coefficient c', 'field').press('Enter'));
  assert.deepEqual(await fieldTexts(quad), runSteps('Quad', [...steps, ['keys', '\n']]).fields);

  // The Pythagorean theorem has no default button: Enter confirms, which a
  // refused field stops, and which closes the window once the fields read.
  const triangle = await open(page, 'Pythegor');
  await control(triangle, 'Side 2', 'field').fill('x');
  const messages = await pressing(page, triangle, () => page.keyboard.press('Enter'));
  assert.deepEqual(messages, runSteps('Pythegor', [['set', 'Side 2', 'x'], ['keys', '\n']]).messages);
  assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-label')), 'Side 2');
  await page.keyboard.type('4');
  await page.keyboard.press('Enter');
  await triangle.waitFor({ state: 'detached' });

  const length = await open(page, 'Length');
  await control(length, 'Input', 'field').fill('not a number');
  await page.keyboard.press('Escape');
  await length.waitFor({ state: 'detached' });
  assert.equal(await page.locator('.message-box').count(), 0);
  await page.context().close();
});

test('Show Steps and Show Picture show what --steps and --svg write, redrawn after each press', async () => {
  page = await browser.newPage();
  const window = await open(page, 'Pythegor');
  const steps = [['set', 'Side 1', '3'], ['set', 'Side 2', '4'], ['press', 'Find Hypothenuse']];
  for (const step of steps) await takeStep(page, window, step);
  for (const item of ['Show Steps', 'Show Picture']) {
    await window.locator('.client').click({ button: 'right', position: { x: 2, y: 2 } });
    await page.getByRole('menuitem', { name: item }).click();
  }
  const stepsView = page.getByRole('textbox', { name: 'Steps' });
  assert.equal(`${await stepsView.inputValue()}\n`, outputOf('Pythegor', steps, ['--steps']));
  const svgOf = (text) => page.evaluate((svg) => new XMLSerializer().serializeToString(
    new DOMParser().parseFromString(svg, 'image/svg+xml').documentElement), text);
  const shown = () => page.locator('.picture-view svg').evaluate((svg) => new XMLSerializer().serializeToString(svg));
  assert.equal(await shown(), await svgOf(outputOf('Pythegor', steps, ['--svg', '-'])));

  const more = [...steps, ['set', 'Side 2', '5'], ['press', 'Find Hypothenuse']];
  for (const step of more.slice(3)) await takeStep(page, window, step);
  assert.equal(`${await stepsView.inputValue()}\n`, outputOf('Pythegor', more, ['--steps']));
  assert.equal(await shown(), await svgOf(outputOf('Pythegor', more, ['--svg', '-'])));
  await stepsView.press('Escape');
  assert.equal(await page.locator('.window').count(), 2);
  await window.locator('.close-box').click();
  assert.equal(await page.locator('.window').count(), 0);
  await page.context().close();
});

test('Copy All Fields and Copy Field put on the clipboard what the command line prints', async () => {
  page = await browser.newPage();
  const window = await open(page, 'Length');
  const steps = [['set', 'Input', 'tab\there'], ['press', 'in']];
  for (const step of steps) await takeStep(page, window, step);
  const clipboard = () => page.evaluate(() => navigator.clipboard.readText());
  // The page's word that it has copied, listened for before the copy starts.
  const listen = () => page.evaluate(() => {
    globalThis.copied = new Promise((done) => document.addEventListener('brimlet-copied', done, { once: true }));
  });
  const copied = () => page.evaluate(() => globalThis.copied.then(() => true));
  await listen();
  await control(window, 'in').press('Control+Shift+C');
  await copied();
  assert.equal(await clipboard(), outputOf('Length', steps));
  await listen();
  await window.locator('.client').click({ button: 'right', position: { x: 2, y: 2 } });
  await page.getByRole('menuitem', { name: 'Meters', exact: true }).click();
  await copied();
  assert.equal(await clipboard(), await control(window, 'Meters', 'field').inputValue());
  await page.context().close();
});

test('the arrow keys walk a unit row, pressing as they go, and the periodic table as it is drawn', async () => {
  page = await browser.newPage();
  const length = await open(page, 'Length');
  const steps = [['set', 'Input', '3']];
  await takeStep(page, length, steps[0]);
  await pressing(page, length, () => control(length, 'ft').click());
  await pressing(page, length, () => page.keyboard.press('ArrowRight'));
  assert.deepEqual(await fieldTexts(length), runSteps('Length', [...steps, ['press', 'ft'], ['press', 'mi']]).fields);
  await pressing(page, length, () => control(length, 'm').click());
  await pressing(page, length, () => page.keyboard.press('ArrowLeft'));
  const last = await length.getByRole('radio').last().getAttribute('aria-label');
  assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-label')), last);
  assert.equal(await length.getByRole('radio', { checked: true }).getAttribute('aria-label'), last);

  const table = await open(page, 'Periodic');
  const focusedName = () => page.evaluate(() => document.activeElement.getAttribute('aria-label'));
  await control(table, 'H').focus();
  await page.keyboard.press('ArrowDown');
  assert.equal(await focusedName(), 'Li');
  await page.keyboard.press('ArrowRight');
  assert.equal(await focusedName(), 'Be');
  await page.keyboard.press('k');
  assert.match(await focusedName(), /^K/);
  await pressing(page, table, () => page.keyboard.press('Enter'));
  assert.deepEqual(await fieldTexts(table), runSteps('Periodic', [['press', await focusedName()]]).fields);
  await page.context().close();
});

test('the menus hold the command line\'s tools in its order, opened by their letters; captions fit; nothing is fetched after load', async () => {
  page = await browser.newPage();
  const requests = [];
  // What goes over the network: a blob the page made itself does not.
  page.on('request', (request) => request.url().startsWith('blob:') || requests.push(request.url()));
  const popups = [...new Set(tools().map((tool) => tool.popup)), 'Help'];
  assert.deepEqual(await page.getByRole('menubar').locator(':scope > .menu > button').evaluateAll(
    (titles) => titles.map((title) => title.getAttribute('aria-label'))), popups);
  for (const popup of popups.slice(0, -1)) {
    const title = page.getByRole('menuitem', { name: popup, exact: true });
    const letter = await title.locator('u').textContent();
    await page.keyboard.press(`Alt+${letter}`);
    const items = await page.getByRole('menu', { name: popup }).getByRole('menuitem').evaluateAll(
      (found) => found.map((item) => item.getAttribute('aria-label')));
    // Two popups may share a letter (C&hemistry, &Help); the first is opened.
    if (items.length) {
      assert.deepEqual(items, tools().filter((tool) => tool.popup === popup).map((tool) => tool.item));
    }
    await page.keyboard.press('Escape');
  }
  await page.keyboard.press('F10');
  await page.keyboard.press('ArrowLeft');
  await page.keyboard.press('Enter');
  const about = page.locator('.window.about');
  await about.waitFor();
  assert.equal(await page.locator('#menubar').evaluate((bar) => bar.inert), true);
  await page.keyboard.press('Escape');
  await about.waitFor({ state: 'detached' });
  for (const tool of tools()) await open(page, tool.className);
  assert.equal(await page.locator('.window.tool').count(), tools().length);
  // Every caption fits its control in the page's font, as on the desktop.
  assert.deepEqual(await cutCaptions(page), []);
  assert.deepEqual(requests, []);
  await page.context().close();
});
