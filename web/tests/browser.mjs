// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The tests' browser: Debian's Chromium driven by playwright-core, on the
// built site served from this machine, and the steps a person takes in it.
import { chromium } from 'playwright-core';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from '../serve.mjs';

export const repository = fileURLToPath(new URL('../..', import.meta.url));
export const site = process.env.BRIMLET_SITE ?? join(repository, 'build-web/site');
export const buildDir = process.env.BRIMLET_BUILD ?? join(repository, 'build');

// Playwright gives each launch a fresh profile of its own.
export async function startBrowser() {
  const server = await serve(site);
  const browser = await chromium.launch({
    executablePath: process.env.BRIMLET_CHROMIUM ?? '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const url = `http://127.0.0.1:${server.address().port}/`;
  return {
    browser,
    url,
    async newPage() {
      const context = await browser.newContext();
      await context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: url });
      const page = await context.newPage();
      page.on('pageerror', (error) => { throw error; });
      await page.goto(url);
      await page.waitForSelector('body[data-ready="true"]');
      return page;
    },
    async stop() {
      await browser.close();
      server.close();
    },
  };
}

// Opens a tool from the menu bar as a person does; resolves to its window.
export async function openTool(page, popup, item) {
  const before = await page.locator('.window.tool').count();
  await page.getByRole('menuitem', { name: popup, exact: true }).click();
  await page.getByRole('menu', { name: popup }).getByRole('menuitem', { name: item, exact: true }).click();
  await page.locator('.window.tool').nth(before).waitFor();
  return page.locator('.window.tool').nth(before);
}

// A field or a button of a window by its accessible name, or by "#" and its
// id; a field and a button may share a name, as on the command line.
export function control(window, target, kind = 'button') {
  const which = kind === 'field' ? '.edit' : ':is(button, input[type="radio"])';
  return target.startsWith('#')
    ? window.locator(`${which}[data-id="${target.slice(1)}"]`)
    : window.locator(`${which}[aria-label=${JSON.stringify(target)}]`);
}

// Runs something that presses in the window, answers each box it shows with
// OK, and waits for the page to tell that the press has played out
// (data-presses counts them). Resolves to the boxes' texts.
export async function pressing(page, window, action) {
  const before = await window.getAttribute('data-presses');
  const messages = [];
  await action();
  for (;;) {
    const next = await page.waitForFunction(
      ([frame, count]) => (frame.dataset.presses !== count ? 'done' : document.querySelector('.message-box') && 'box'),
      [await window.elementHandle(), before]);
    if ((await next.jsonValue()) === 'done') return messages;
    const box = page.locator('.message-box').first();
    messages.push(await box.locator('.message').textContent());
    await box.getByRole('button', { name: 'OK' }).click();
  }
}

// Takes one step as a person would: types a field's text, clicks a button,
// or types keys into the window (Enter, Backspace and Delete by name).
export async function takeStep(page, window, [verb, target, text]) {
  if (verb === 'set') {
    await control(window, target, 'field').fill(text);
    return [];
  }
  if (verb === 'press') return pressing(page, window, () => control(window, target).click());
  // The command line types where no button has the focus: Enter there is the
  // default button's. A person clicks into the display first.
  const onButton = await page.evaluate(() => document.activeElement.matches('button, input[type="radio"]'));
  if (onButton) await window.locator('.edit[readonly]').first().click();
  const messages = [];
  for (const character of target) {
    const key = { '\n': 'Enter', '\b': 'Backspace', '\x7f': 'Delete' }[character] ?? character;
    messages.push(...await pressing(page, window, () => page.keyboard.press(key)));
  }
  return messages;
}

// Every edit field's text by its accessible name, in template order.
export function fieldTexts(window) {
  return window.evaluate((frame) =>
    [...frame.querySelectorAll('.edit')].map((edit) => [edit.getAttribute('aria-label'), edit.value]));
}

// Opens every tool from the menu bar by its place in the menus, whatever
// their language, in the command line's order; resolves to the windows.
export async function openEveryTool(page) {
  const titles = page.locator('#menubar > .menu > button');
  for (let popup = 0; popup < await titles.count() - 1; ++popup) {
    const items = page.locator('#menubar > .menu').nth(popup).locator('[role="menu"] > button');
    for (let item = 0; item < await items.count(); ++item) {
      await titles.nth(popup).click();
      await items.nth(item).click();
    }
  }
  return page.locator('.window.tool');
}

// The captions that do not fit their control in the page's font, as on the
// desktop: wider than their box, or wrapped onto a line more than it holds.
export function cutCaptions(page) {
  return page.locator('.client > .push, .client > .unit > span, .client > .label').evaluateAll(
    (captions) => captions.filter((caption) => caption.scrollWidth > caption.clientWidth ||
      caption.scrollHeight > caption.clientHeight + 1).map((caption) => caption.textContent));
}
