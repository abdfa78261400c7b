// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The page's core writes and reads numbers byte for byte as the desktop's:
// random doubles and texts (the seed is printed; BRIMLET_SEED repeats a run)
// and the edges of rounding, notation and range, through every writer (field,
// advanced calculator, worked steps, picture) and the field's reader.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { buildDir, startBrowser } from './browser.mjs';

const seed = BigInt(process.env.BRIMLET_SEED ?? Date.now());
console.log(`number texts: seed ${seed}`);

// xorshift64*: a stream of 64-bit numbers from the seed.
function* bitsFrom(start) {
  let state = start | 1n;
  const mask = (1n << 64n) - 1n;
  for (;;) {
    state ^= state >> 12n;
    state ^= (state << 25n) & mask;
    state ^= state >> 27n;
    yield (state * 0x2545f4914f6cdd1dn) & mask;
  }
}

const view = new DataView(new ArrayBuffer(8));
const hexOf = (value) => {
  view.setFloat64(0, value);
  return view.getBigUint64(0).toString(16).padStart(16, '0');
};
const doubleOf = (bits) => {
  view.setBigUint64(0, bits);
  return view.getFloat64(0);
};

function doubles() {
  const edges = [0, -0, 0.1, 0.5, 1.5, 2.5, 1 / 3, 2 / 3, 0.1 + 0.2, 1e15, 1e15 - 1, 999999999999999.5,
    1234567890123456, 1e21, 1e22, 2 ** 53, 2 ** 63, 2 ** 64, 2 ** 70, 5e-324, 2.2250738585072014e-308,
    Number.MAX_VALUE, 0.0001, 0.00001, 0.0001 - 2 ** -66, 999999.5, 9999995, -459.66999999999996,
    Infinity, -Infinity, 123456789012345680000];
  for (let power = -1074; power <= 1023; power += 7) edges.push(2 ** power, -(2 ** power) * 3);
  const random = bitsFrom(seed);
  const values = [...edges];
  while (values.length < 20000) {
    const value = doubleOf(random.next().value);
    // A NaN's bits need not survive the way into WebAssembly; their texts
    // are the same code in both builds, and the core's own tests pin them.
    if (!Number.isNaN(value)) values.push(values.length % 2 ? value : Number(value.toPrecision(1 + (values.length % 17))));
  }
  return values;
}

function texts(values) {
  const random = bitsFrom(seed + 1n);
  const pick = (list) => list[Number(random.next().value % BigInt(list.length))];
  const list = ['', ' ', '-', '.', 'e5', 'inf', 'nan', '1e', '1e+', '-.5', '+3', '  12.5  ', '0x1A', '1,5',
    '1e999', '-1e999', '1e-400', '2.4703282292062327e-324', '2.4703282292062328e-324', '1.7976931348623159e308',
    '00000000000000000000000000001', '0.' + '0'.repeat(400) + '1', '9'.repeat(400)];
  for (const value of values.slice(0, 5000)) {
    list.push(`${pick(['', ' ', '\t', '+', '-'])}${String(Math.abs(value))}${pick(['', 'x', 'e', 'e-7', 'E+300'])}`);
  }
  return list;
}

let browser;
before(async () => {
  browser = await startBrowser();
});
after(() => browser.stop());

test('every number text is the desktop\'s, byte for byte', async () => {
  const values = doubles();
  const inputs = texts(values);
  const lines = [...values.map((value) => `d ${hexOf(value)}`), ...inputs.map((text) => `t ${text}`)];
  const desktop = execFileSync(join(buildDir, 'tests/web_number_texts'), {
    input: `${lines.join('\n')}\n`,
    encoding: 'utf8',
    maxBuffer: 64 << 20,
  }).split('\n').slice(0, -1);
  const page = await browser.newPage();
  const web = await page.evaluate(async ([values, inputs]) => {
    const { loadCore } = await import('./core.js');
    const core = await loadCore();
    return [...values.map((value) => core.numberTexts(value)), ...inputs.map((text) => core.readNumber(text))];
  }, [values, inputs]);
  assert.equal(web.length, desktop.length);
  const differing = lines.flatMap((line, i) => (web[i] === desktop[i] ? [] : [`${line}: ${web[i]} for ${desktop[i]}`]));
  assert.deepEqual(differing.slice(0, 10), [], `seed ${seed}`);
});
