// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The page on a phone (360 CSS pixels wide, touch, three device pixels to
// one): every tool window, opened by touch, shows alone, fits the width or
// scrolls sideways inside the page with its close box in sight, cuts no
// caption, and every target can be tapped (WCAG 2.5.8: 24 pixels square, or
// far enough from the others); a box shows over its window; closing the
// newest window shows the one before, Ctrl+F6 the next. No field offers a keyboard that would
// refuse a text it accepts ("1e+015", "-1.#INF").
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { control, cutCaptions, startBrowser } from './browser.mjs';
import { tools } from './command_line.mjs';

let browser;
before(async () => {
  browser = await startBrowser();
});
after(() => browser.stop());

// The targets of the menu bar and of the window shown that a finger misses.
const untappable = (page) => page.evaluate(() => {
  const targets = [...document.querySelectorAll('#menubar > .menu > button, .window:not([data-behind]) :is(' +
    '.close-box, .client > .push:enabled, .client > .unit, .client > .edit)')]
    .map((target) => ({ target, box: target.getBoundingClientRect() }));
  const small = targets.filter(({ box }) => box.width < 24 || box.height < 24);
  const centre = ({ box }) => [box.x + box.width / 2, box.y + box.height / 2];
  return small.filter((one) => targets.some((other) => {
    if (other === one) return false;
    const [x, y] = centre(one);
    const [ox, oy] = centre(other);
    const dx = Math.max(other.box.left - x, 0, x - other.box.right);
    const dy = Math.max(other.box.top - y, 0, y - other.box.bottom);
    return Math.hypot(dx, dy) < 12 - 0.01 || (small.includes(other) && Math.hypot(ox - x, oy - y) < 24 - 0.01);
  })).map(({ target }) => target.textContent || target.getAttribute('aria-label'));
});

test('every tool window fits a phone\'s width or scrolls sideways, one at a time, every target tappable', async () => {
  const context = await browser.browser.newContext({
    viewport: { width: 360, height: 740 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 });
  const page = await context.newPage();
  page.on('pageerror', (error) => { throw error; });
  await page.goto(browser.url);
  await page.waitForSelector('body[data-ready="true"]');
  const titles = page.locator('#menubar > .menu > button');
  const shown = page.locator('.window.tool:not([data-behind])');
  let opened = 0;
  for (let popup = 0; popup < await titles.count() - 1; ++popup) {
    const items = page.locator('#menubar > .menu').nth(popup).locator('[role="menu"] > button');
    for (let item = 0; item < await items.count(); ++item) {
      await titles.nth(popup).tap();
      await items.nth(item).tap();
      const { className } = tools()[opened++];
      await page.locator(`.window.tool[data-tool="${className}"][data-zoomed]`).waitFor();
      assert.equal(await page.locator('.window:not([data-behind])').count(), 1, className);
      assert.deepEqual(await cutCaptions(page), [], className);
      assert.deepEqual(await untappable(page), [], className);
      assert.deepEqual(await page.evaluate(() => [document.documentElement.scrollWidth,
        Math.ceil(document.querySelector('.window:not([data-behind]) .close-box').getBoundingClientRect().right) <= 360,
        [...document.querySelectorAll('.edit')].filter((edit) => edit.inputMode).length]), [360, true, 0], className);
    }
  }
  assert.equal(opened, tools().length);
  await control(shown, '#1010', 'field').fill('x');
  await shown.locator('.unit').first().tap();
  await page.locator('.message-box').waitFor();
  assert.deepEqual(await untappable(page), []);
  assert.equal(await page.locator('.message-box').evaluate((box) => box.getBoundingClientRect().right <= 360), true);
  await page.locator('.message-box button.default').tap();
  await shown.locator('.close-box').tap();
  assert.equal(await shown.getAttribute('data-tool'), tools().at(-2).className);
  await page.keyboard.press('Control+F6');
  assert.equal(await shown.getAttribute('data-tool'), tools()[0].className);
  await context.close();
});
