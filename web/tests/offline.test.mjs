// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The site after one visit: installable, and working with the network gone;
// and a new version of it, named by the build's own step, replacing the old
// one whole at the next visit, the old cache removed.
import { after, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cp, mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { serve } from '../serve.mjs';
import { fieldTexts, openTool, repository, site, startBrowser, takeStep } from './browser.mjs';
import { runSteps } from './command_line.mjs';

const browser = await startBrowser();
after(() => browser.stop());

// The names of the origin's caches once the page's worker has filled its own
// and taken over; the page registered it before it was ready.
const kept = (page) => page.evaluate(async () => {
  const { installing, waiting, active } = await navigator.serviceWorker.register('service_worker.js');
  const worker = installing ?? waiting ?? active;
  while (worker.state !== 'activated') {
    if (worker.state === 'redundant') throw new Error('the service worker was not installed');
    await new Promise((done) => worker.addEventListener('statechange', done, { once: true }));
  }
  return window.caches.keys();
});

test('after one visit the page is installable, and starts and computes with the network gone', async () => {
  const page = await browser.newPage();
  // Playwright's contexts are private ones, where nothing is installed; every other check passes.
  const { installabilityErrors } = await (await page.context().newCDPSession(page)).send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors.map((error) => error.errorId), ['in-incognito']);
  assert.equal((await kept(page)).length, 1);
  await page.context().setOffline(true);
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  const window = await openTool(page, 'Conversions', 'Length');
  const steps = [['set', 'Input', '2'], ['press', 'ft']];
  for (const step of steps) await takeStep(page, window, step);
  assert.deepEqual(await fieldTexts(window), runSteps('Length', steps).fields);
  await page.context().close();
});

test('a new version replaces the old one whole at the next visit, and the old cache goes', async () => {
  const directory = await mkdtemp(join(tmpdir(), 'brimlet-site-'));
  await cp(site, directory, { recursive: true });
  const server = await serve(directory);
  const page = await (await browser.browser.newContext()).newPage();
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  assert.equal((await kept(page)).length, 1);
  // Each start of the page tells the title of its index.html and the mark of
  // its main.js: the new version changes both.
  const starts = [];
  await page.exposeFunction('brimletStarted', (start) => starts.push(String(start)));
  await page.addInitScript(() => document.addEventListener('brimlet-ready', () =>
    window.brimletStarted([document.title, document.body.dataset.next ?? ''])));
  const change = async (file, edit) => writeFile(join(directory, file), edit(await readFile(join(directory, file), 'utf8')));
  await change('index.html', (text) => text.replace('<title>Brimlet 5</title>', '<title>Brimlet 5 (next)</title>'));
  await change('main.js', (text) => `document.body.dataset.next = 'true';\n${text}`);
  execFileSync('cmake', ['-D', `SITE=${directory}`, '-P', join(repository, 'cmake/site_version.cmake')]);
  const version = /"version" : "([0-9a-f]{64})"/.exec(await readFile(join(directory, 'service_worker.js'), 'utf8'))[1];
  await page.reload({ waitUntil: 'commit' });
  await page.waitForSelector('body[data-next="true"][data-ready="true"]');
  assert.deepEqual(starts.filter((start) => start !== 'Brimlet 5,' && start !== 'Brimlet 5 (next),true'), []);
  assert.equal(starts.at(-1), 'Brimlet 5 (next),true');
  assert.deepEqual(await kept(page), [`brimlet ${page.url()} ${version}`]);
  await page.context().close();
  server.close();
  await rm(directory, { recursive: true });
});
