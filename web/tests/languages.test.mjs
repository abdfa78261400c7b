// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The page in each language it offers, as a person whose browser speaks it
// meets it: the catalogue the browser's languages choose (a region finds its
// language, English where none has one), every tool window opened from the
// menus in that language with every caption fitting its control and every
// field named from the catalogue, and typed numbers giving the number texts
// that English gives. A language written right to left mirrors the windows
// but for the keypads, whose keys keep their order, and the fields.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { execFileSync } from 'node:child_process';
import { buildDir, cutCaptions, fieldTexts, openEveryTool, site, startBrowser, takeStep } from './browser.mjs';
import { runSteps, tools } from './command_line.mjs';

const walks = [
  { locales: ['de-AT', 'en'], language: 'de' },
  { locales: ['fr-CA'], language: 'fr' },
  { locales: ['es'], language: 'es' },
  { locales: ['ru-RU'], language: 'ru' },
  { locales: ['pt-PT', 'pt-BR'], language: 'pt_BR' },
  { locales: ['zh-Hans-CN'], language: 'zh_CN' },
  { locales: ['ja-JP'], language: 'ja' },
  { locales: ['ar-EG'], language: 'ar', rightToLeft: true },
  { locales: ['fa'], language: 'fa', rightToLeft: true },
  { locales: ['nl-NL', 'he'], language: null },
];
// Texts a field accepts in every language, the odd ones among them.
const typed = {
  Length: [['set', '#1010', '1e+015'], ['press', '#1025'], ['set', '#1010', '-1.#INF'], ['press', '#1022']],
  Quad: [['set', '#1010', '1'], ['set', '#1011', '-3'], ['set', '#1012', '2.5e-3'], ['press', '#1000']],
  Degrees: [['set', '#1010', '-40'], ['press', '#1023']],
};
// Two controls side by side in English, left then right, and whether a
// mirrored window turns them round: a unit row does, a keypad keeps its order.
const sideBySide = { Length: [1022, 1023, true], MyCalculator: [1000, 1001, false] };
const fieldNames = (className) => JSON.parse(execFileSync(join(buildDir, 'brimlet-tool'),
  ['--tool', className, '--list', '--json'], { encoding: 'utf8' })).controls.filter((c) => c.kind === 'field');

let browser;
before(async () => {
  browser = await startBrowser();
});
after(() => browser.stop());

// The left edges of controls of a window, by id.
const lefts = (window, ids) => Promise.all(ids.map((id) => window.locator(`[data-id="${id}"]`).evaluate(
  (control) => (control.closest('.unit') ?? control).getBoundingClientRect().left)));

for (const { locales, language, rightToLeft = false } of walks) {
  test(`${locales.join(', ')}: ${language ?? 'English'}, every caption fits, numbers as in English`, async () => {
    const context = await browser.browser.newContext({ locale: locales[0] });
    await context.addInitScript((tags) => Object.defineProperty(navigator, 'languages', { get: () => tags }), locales);
    const page = await context.newPage();
    page.on('pageerror', (error) => { throw error; });
    await page.goto(browser.url);
    await page.waitForSelector('body[data-ready="true"]');
    const words = language ? JSON.parse(readFileSync(join(site, 'lang', `${language}.json`), 'utf8')) : {};
    assert.deepEqual(await page.evaluate(() => [document.documentElement.lang, document.documentElement.dir]),
      [(language ?? 'en').replace('_', '-'), rightToLeft ? 'rtl' : 'ltr']);
    const windows = await openEveryTool(page);
    assert.equal(await windows.count(), tools().length);
    assert.deepEqual(await cutCaptions(page), []);
    assert.deepEqual(await page.locator('.edit').evaluateAll(
      (edits) => [...new Set(edits.map((edit) => edit.matches(':dir(ltr)')))]), [true]);
    for (const [index, { className }] of tools().entries()) {
      const names = fieldNames(className).map(({ name }) => (words[className]?.[name] ?? name).split('\u009c')[0]);
      assert.deepEqual((await fieldTexts(windows.nth(index))).map(([name]) => name), names, className);
      if (sideBySide[className]) {
        const [left, right, turns] = sideBySide[className];
        const [first, second] = await lefts(windows.nth(index), [left, right]);
        assert.equal(first > second, rightToLeft && turns, `${className}: ${left} and ${right} in order`);
      }
      if (!typed[className]) continue;
      for (const step of typed[className]) await takeStep(page, windows.nth(index), step);
      assert.deepEqual((await fieldTexts(windows.nth(index))).map(([, text]) => text),
        runSteps(className, typed[className]).fields.map(([, text]) => text), className);
      // What a screen reader hears after the press names the fields as the page does.
      const heard = await page.locator('#announcement').textContent();
      assert.ok(names.some((name) => heard.includes(`${name} `)), `${className}: ${heard}`);
    }
    await context.close();
  });
}
