// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The web edition in headless Chromium on this machine (docs/benchmarks.md):
// what the page transfers before its menus can be used, gzip-compressed, the
// font aside; the time from navigation to a usable menu, against an empty
// page that loads one small .wasm; and what a press costs, in the core alone
// and through a tool window.
//     node bench/web-page.mjs [RUNS]     (after scripts/web.sh build)
import { gzipSync } from 'node:zlib';
import { mkdtemp, writeFile, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { serve } from '../web/serve.mjs';
import { site, startBrowser } from '../web/tests/browser.mjs';

const runs = Number(process.argv[2] ?? 15);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const { browser, url, stop } = await startBrowser();

// A fresh context for each load: nothing comes from a cache.
async function load(address, wanted) {
  const context = await browser.newContext();
  const page = await context.newPage();
  const bodies = [];
  page.on('response', async (response) => {
    bodies.push(response.body().then((body) => ({ url: response.url(), body }), () => null));
  });
  await page.goto(address);
  await page.waitForSelector(wanted, { state: 'attached' });
  const ready = await page.evaluate(() => performance.getEntriesByName('brimlet-ready')[0]?.startTime ??
    performance.now());
  const files = (await Promise.all(bodies)).filter(Boolean);
  await context.close();
  return { ready, files };
}

// The transfer.
const first = await load(url, 'body[data-ready="true"]');
let total = 0;
let raw = 0;
console.log('Transferred before the menus can be used (gzip -9):');
for (const { url: address, body } of first.files) {
  const name = new URL(address).pathname;
  const packed = gzipSync(body, { level: 9 }).length;
  const font = name.endsWith('.ttf');
  if (!font) {
    total += packed;
    raw += body.length;
  }
  console.log(`  ${name.padEnd(28)} ${String(body.length).padStart(8)} B  ${String(packed).padStart(7)} B gzip${font ? '  (font, not counted)' : ''}`);
}
console.log(`  total: ${raw} B, ${total} B gzip = ${(total / 1000).toFixed(1)} kB\n`);

// The empty page that loads one small module.
const emptyDir = await mkdtemp(join(tmpdir(), 'brimlet-empty-'));
await writeFile(join(emptyDir, 'index.html'), `<!doctype html><title>empty</title><script type="module">
const module = await WebAssembly.instantiateStreaming(fetch('small.wasm'));
performance.mark('brimlet-ready');
document.body.dataset.ready = String(module.instance.exports.answer());
</script>`);
// (module (func (export "answer") (result i32) i32.const 42))
await writeFile(join(emptyDir, 'small.wasm'), Buffer.from('0061736d01000000' + '0105016000017f' + '03020100' +
  '070a0106616e737765720000' + '0a06010400412a0b', 'hex'));
const emptyServer = await serve(emptyDir);
const emptyUrl = `http://127.0.0.1:${emptyServer.address().port}/`;

const times = { page: [], empty: [] };
for (let run = 0; run < runs; ++run) {
  times.page.push((await load(url, 'body[data-ready="true"]')).ready);
  times.empty.push((await load(emptyUrl, 'body[data-ready="42"]')).ready);
}
const pageTime = median(times.page);
const emptyTime = median(times.empty);
console.log(`Navigation to a usable menu, median of ${runs}: ${pageTime.toFixed(1)} ms; ` +
  `the empty page with one .wasm ${emptyTime.toFixed(1)} ms; ratio ${(pageTime / emptyTime).toFixed(2)}\n`);
emptyServer.close();
await rm(emptyDir, { recursive: true, force: true });

// A press: Length's "ft" on '2', in the core alone and through its window.
const context = await browser.newContext();
const page = await context.newPage();
await page.goto(url);
await page.waitForSelector('body[data-ready="true"]');
const presses = 2000;
const core = await page.evaluate(async (count) => {
  const { loadCore } = await import('./core.js');
  const brimlet = await loadCore();
  const item = brimlet.menus().menus.flatMap((menu) => menu.tools).find((tool) => tool.className === 'Length');
  const length = brimlet.tool(item.command);
  const feet = length.template.controls.find((control) => control.name === 'ft').id;
  const input = length.template.controls.find((control) => control.name === 'Input').id;
  const window = brimlet.open(length.command);
  for (let i = 0; i < 200; ++i) brimlet.press(window, feet);
  const start = performance.now();
  for (let i = 0; i < count; ++i) {
    brimlet.typed(window, input, i % 2 ? '2' : '3');
    brimlet.press(window, feet);
  }
  return (performance.now() - start) / count;
}, presses);
await page.getByRole('menuitem', { name: 'Conversions' }).click();
await page.getByRole('menuitem', { name: 'Length', exact: true }).click();
const windowPress = await page.evaluate(async (count) => {
  const frame = document.querySelector('.window.tool');
  const feet = frame.querySelector('[aria-label="ft"]');
  frame.querySelector('[aria-label="Input"]').value = '2';
  const press = () => {
    const played = new Promise((done) => frame.addEventListener('brimlet-pressed', done, { once: true }));
    feet.click();
    return played;
  };
  for (let i = 0; i < 200; ++i) await press();
  const start = performance.now();
  for (let i = 0; i < count; ++i) await press();
  return (performance.now() - start) / count;
}, presses);
console.log(`A press (Length, ft), mean of ${presses}: ${(core * 1000).toFixed(1)} µs in the core, ` +
  `${(windowPress * 1000).toFixed(1)} µs through the window (click to fields shown)`);
await context.close();
await stop();
console.log(`(site: ${site})`);
