// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The page for everyone: axe-core (read from node_modules) over every window
// in the light scheme and the dark.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { startBrowser } from './browser.mjs';
import { tools } from './command_line.mjs';

let browser;
before(async () => { browser = await startBrowser(); });
after(() => browser.stop());
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
      for (const keys of tool.className === 'Pythegor' ? ['Control+T', 'Control+P'] : ['Escape']) {
        await page.locator('.window.tool').last().locator('.edit').first().focus();
        await press(page, keys);
      }
    }
    assert.equal(await page.locator('.window.steps, .window.picture').count(), 2);
    await check('steps and picture');
    await choose('Conversions', 'Length');
    await press(page, 'y', 'Tab', 'Space');
    await page.getByRole('alertdialog').waitFor();
    await check('box');
    assert.deepEqual(found, []);
    await page.context().close();
  });
}
