// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

import assert from 'node:assert/strict';
import { test } from 'node:test';
import { answer, clickColours, open, showTool, zelquin } from './harness.mjs';

// Keys as on the desktop: a digit enters its colour, J gold, Y silver, Backspace takes one back,
// Return reads (on a palette button too, without picking it again); and the colours clicked
// for the same reading.
const readings = [
  ['1 0 2 J Enter', '', 'brown', 'black', 'red', 'gold'],
  ['4 7 J Y Backspace J', '4.7', 'yellow', 'violet', 'gold', 'gold'],
  ['3 9 8 Backspace 8 7 6 5', '', 'orange', 'white', 'grey', 'violet', 'blue', 'green'],
  ['1 0 0 2 1', '9.93k', 'brown', 'black', 'black', 'red', 'brown'],
];

async function byClicks(measured, colours) {
  const { page } = await open();
  await clickColours(page, measured, colours);
  return page;
}

async function byKeys(keys, measured) {
  const { page } = await open();
  await showTool(page, 'tool-reading');
  await page.focus('button.chip');
  for (const k of keys.split(' ')) await page.keyboard.press(k === 'J' || k === 'Y' ? `Key${k}` : k === '0' || +k ? `Digit${k}` : k);
  await page.focus('#reading-measured');
  await page.keyboard.type(measured);
  await page.keyboard.press('Enter');
  return page;
}

test('reading by keys gives the answer reading by clicks gives', async () => {
  for (const [keys, measured, ...colours] of readings) {
    const want = zelquin(['--read', ...colours, ...(measured ? ['--measured', measured] : [])]);
    const [clicked, keyed] = await Promise.all([byClicks(measured, colours), byKeys(keys, measured)]);
    const seen = await Promise.all([clicked, keyed].map((p) => answer(p, '#reading-answer', '#reading-error', want)));
    assert.deepEqual(seen[1], seen[0], keys);
    assert.notEqual(seen[0].json, null, keys);
  }
});
