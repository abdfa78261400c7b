import { test } from 'node:test';
import assert from 'node:assert/strict';
import { startBrowser, openTool, pressing, fieldTexts } from './browser.mjs';

test('length', async () => {
  const b = await startBrowser();
  const page = await b.newPage();
  const w = await openTool(page, 'Conversions', 'Length');
  await w.getByRole('textbox', { name: 'Input' }).fill('2');
  await pressing(w, () => w.getByRole('radio', { name: 'ft' }).click());
  console.log(await fieldTexts(w));
  await page.screenshot({ path: '/tmp/web-shot.png' });
  await b.stop();
});
