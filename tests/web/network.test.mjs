// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

import assert from 'node:assert/strict';
import { test } from 'node:test';
import { clickColours, open, showTool, site } from './harness.mjs';

test('using both tools fetches nothing from outside the site', async () => {
  const { page, requests } = await open();
  await showTool(page, 'tool-value');
  await page.fill('#value-input', '4k7');
  await page.click('#value-find');
  await page.waitForSelector('#value-answer[data-json]', { timeout: 8000 }).catch(() => {});
  await clickColours(page, '', ['brown', 'black', 'red', 'gold']);
  await page.waitForSelector('#reading-answer[data-json]', { timeout: 8000 }).catch(() => {});
  await page.waitForLoadState('networkidle');
  const own = new URL(site).origin;
  assert.ok(requests.length > 0);
  assert.deepEqual(requests.filter((u) => !/^(data|blob):/.test(u) && new URL(u).origin !== own), []);
});
