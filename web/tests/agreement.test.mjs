// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// Every tool gives in the page the texts the command line gives: the same
// steps, typed and clicked through the page as a person would and run by
// brimlet-tool, leave byte-identical texts in every field and show the same
// messages. The steps are the desktop's own agreement rows (refused input
// and calculator sequences among them), and more at the edges of reading
// and writing numbers.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { fieldTexts, openTool, startBrowser, takeStep } from './browser.mjs';
import { runSteps, tools } from './command_line.mjs';

const set = (field, text) => ['set', field, text];
const press = (button) => ['press', button];
const keys = (text) => ['keys', text];

const cases = {
  Geo: [set('Point 1 X', '1'), set('Point 1 Y', '2'), set('Point 2 X', '4'), set('Point 2 Y', '6.5'),
    press('Calculate'), set('Point 2 X', 'x'), press('Calculate')],
  Pythegor: [set('Side 1', '3'), set('Side 2', '4'), press('Find Hypothenuse'),
    press('Check If Pythegorean Tripple'), set('Side 2', '4.5'), press('Check If Pythegorean Tripple')],
  Quad: [set('Coefficient a', '1'), set('Coefficient b', '-3'), set('Coefficient c', '2'),
    press('Find  x-value(s)'), set('Coefficient a', '0'), press('Find  x-value(s)'),
    set('Coefficient a', '1'), set('Coefficient c', '5'), keys('\n')],
  Uncert: [set('First value', '10'), set('Percent uncertainty of the first value', '5'),
    press('Calculate Abs. Uncertainty'), set('Second value', 'x'), press('Calculate % Abs. Uncertainty')],
  Bend: [set('Inside bend radius R', '2'), set('Material thickness T', '1'), set('Angle of the bend A', '90'),
    press('Calculate Bend Allowance'), set('Angle of the bend A', '1e308'), press('Calculate Bend Allowance'),
    press('Clear Data')],
  TheCombination: [set('n', '5'), set('r', '2'), press('Calculate'), set('n', '200'), press('Calculate')],
  Permutation: [set('n', '6'), set('r', '3'), press('Calculate'), set('r', '2.5'), press('Calculate')],
  Prefixes: [set('Power of 10', '6'), press('#1000'), press('Plus / Minus'), press('10 ^ 1'), press('+/-'),
    press('#1019')],
  Periodic: [press('H'), press('He'), press('B'), press('Og')],
  Planets: [press('Earth'), press('Pluto'), press('Jupiter')],
  MyCalculator: [press('2'), press('+'), press('3'), press('='), press('sqrt'), set('Memory 1', '5é😀'),
    press('#1019'), press('Back'), press('Back'), press('Help'), press('1/x'), press('n!'), keys('7*6\n.5\b')],
  SimpleCalc: [keys('12+3\n'), press('/'), press('3'), press('='), keys('7\b9*2\n')],
  Energy: [set('Input', '2'), press('Joules'), press('kW * h'), set('Input', '-0'), press('Ergs')],
  Force: [set('Input', '3'), press('Pounds'), set('Input', ''), press('Dynes')],
  Length: [set('Input', '2é'), press('ft'), set('Input', 'y'), press('m'), set('Input', '1e-5'), press('Light-year')],
  Numbers: [set('Arabic number', '1987'), press('>>'), set('Roman numeral', 'MCMXCIV'), press('<<'),
    set('Roman numeral', 'ABC'), press('<<'), set('Arabic number', '0'), press('>>')],
  Power: [set('Input', '1'), press('Horsepowers'), press('ft*lb/s')],
  Pressures: [set('Input', '1'), press('Atm'), press('Clear Data'), set('Input', '  12.5  '), keys('\n')],
  DegreesRadians: [set('Degrees', '180'), press('<<< Convert >>>'), set('Radians', '1'),
    press('<<< Convert >>>'), press('Clear Data')],
  Speed: [set('Input', '100'), press('km/h'), press('Clear Data'), set('Input', '12345678901234567890'),
    press('mi/h')],
  Degrees: [set('Input', '100'), press('Celcius'), set('Input', 'z'), press('Kelvin'), set('Input', '.5'),
    press('Farengheit')],
  Time: [set('Input', '3600'), press('Seconds'), press('Days'), set('Input', '1,5'), press('Years')],
  Weight: [set('Input', '5'), press('lbs'), press('Clear Data'), set('Input', '0.1'), press('Oz')],
};

let browser;
before(async () => {
  browser = await startBrowser();
});
after(() => browser.stop());

test('every tool of the command line has steps here', () => {
  assert.deepEqual(tools().map((tool) => tool.className).sort(), Object.keys(cases).sort());
});

for (const tool of tools()) {
  test(`${tool.className}: the page's fields are the command line's`, async () => {
    const steps = cases[tool.className];
    const page = await browser.newPage();
    const window = await openTool(page, tool.popup, tool.item);
    const messages = [];
    for (const step of steps) messages.push(...await takeStep(page, window, step));
    const expected = runSteps(tool.className, steps);
    assert.deepEqual(await fieldTexts(window), expected.fields);
    assert.deepEqual(messages, expected.messages);
    await page.context().close();
  });
}
