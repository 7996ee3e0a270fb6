// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

import assert from 'node:assert/strict';
import { test } from 'node:test';
import { answer, clickColours, open, showTool, zelquin } from './harness.mjs';

// Each question as a person puts it to the page, and the same question to the command line.
const ask = {
  async value(page, [value, bands, how = 'click']) {
    await showTool(page, 'tool-value');
    await page.fill('#value-input', value);
    await page.selectOption('#value-bands', { label: bands === '5' ? '五环' : '四环' });
    await (how === 'Return' ? page.press('#value-input', 'Enter') : page.click('#value-find'));
    return { area: '#value-answer', error: '#value-error', args: ['--colours', value, '--bands', bands] };
  },
  async smd(page, [code]) {
    await showTool(page, 'tool-reading');
    await page.fill('#smd-input', code);
    await page.press('#smd-input', 'Enter');
    return { area: '#smd-answer', error: '#smd-error', args: ['--smd', code] };
  },
  async read(page, [measured, ...colours]) {
    await clickColours(page, measured, colours);
    return { area: '#reading-answer', error: '#reading-error',
      args: ['--read', ...colours, ...(measured ? ['--measured', measured] : [])] };
  },
};

const questions = [
  ['value', '4k7', '4'], ['value', '4.7 k', '5'], ['value', '4.7千欧', '4'], ['value', '2m2', '5'],
  ['value', '0', '4'], ['value', '4,7k', '4'], ['value', '', '5'],
  ['value', '4k7', '5', 'Return'], ['value', '-5', '4', 'Return'],
  ['smd', '472'], ['smd', '4R7'], ['smd', '01C'], ['smd', '47Z'], ['smd', '4x'],
  ['read', '', 'brown', 'black', 'red', 'gold'], ['read', '', 'yellow', 'violet', 'gold', 'silver'],
  ['read', '9.9k', 'brown', 'black', 'red', 'gold'], ['read', '9.93k', 'brown', 'black', 'black', 'red', 'brown'],
  ['read', '', 'orange', 'white', 'grey', 'violet', 'blue', 'green'], ['read', 'abc', 'brown', 'black', 'red', 'gold'],
];

test('the page shows the facts and refusals the command line gives for the same question', async (t) => {
  for (const [tool, ...input] of questions) await t.test(`${tool} ${input.join(' ')}`, async () => {
    const { page } = await open();
    const { area, error, args } = await ask[tool](page, input);
    const want = zelquin(args);
    const seen = await answer(page, area, error, want);
    if (want.status === 0) assert.deepEqual(seen, { json: want.json, reason: '' }, args.join(' '));
    // The part drawn shows the bands the facts name.
    if (tool === 'value' && want.status === 0) assert.deepEqual(await page.$$eval('#value-part svg rect.band',
      (bands) => bands.map((b) => b.dataset.colour)), want.json.colours, args.join(' '));
    // A refusal leaves no answer of an earlier question standing.
    else assert.deepEqual({ ...seen, json: seen.json ?? want.json }, { json: want.json, reason: want.reason }, args.join(' '));
    await page.context().close();
  });
});
