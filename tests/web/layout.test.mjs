// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

import assert from 'node:assert/strict';
import { test } from 'node:test';
import { clickColours, open, showTool } from './harness.mjs';

// Each tool with an answer showing: long answer lines are what would push the page sideways.
const tools = {
  async 'tool-value'(page) {
    await page.fill('#value-input', '4.7k');
    await page.selectOption('#value-bands', { label: '五环' });
    await page.click('#value-find');
    await page.waitForSelector('#value-answer[data-json]', { timeout: 8000 }).catch(() => {});
  },
  async 'tool-reading'(page) {
    await clickColours(page, '9.9k', ['brown', 'black', 'red', 'gold']);
    await page.fill('#smd-input', '47Z');
    await page.press('#smd-input', 'Enter');
    await page.waitForSelector('#reading-answer[data-json]', { timeout: 8000 }).catch(() => {});
  },
};

// The computed accessible name, as assistive technology gets it.
async function unnamed(page) {
  const cdp = await page.context().newCDPSession(page);
  const { root } = await cdp.send('DOM.getDocument', { depth: -1 });
  const { nodeIds } = await cdp.send('DOM.querySelectorAll', { nodeId: root.nodeId, selector: 'button, input, select' });
  const names = await Promise.all(nodeIds.map(async (nodeId) => {
    const { nodes } = await cdp.send('Accessibility.getPartialAXTree', { nodeId, fetchRelatives: false });
    if (nodes[0].ignored || nodes[0].name?.value.trim()) return null;
    return (await cdp.send('DOM.getOuterHTML', { nodeId })).outerHTML.slice(0, 80);
  }));
  return names.filter(Boolean);
}

const screens = [[360, 640, 40], [1366, 768, 0]];

test('on a phone and a desktop screen nothing scrolls sideways, every control is named, phone targets are big enough', async () => {
  for (const [width, height, least] of screens) {
    const { page } = await open({ width, height });
    await page.waitForSelector('body[data-ready]');
    assert.ok(await page.locator('#loading').isHidden(), `${width}x${height}: the loading note stays`);
    for (const [tool, use] of Object.entries(tools)) {
      await showTool(page, tool);
      await use(page);
      const where = `${width}x${height} ${tool}`;
      const sideways = await page.evaluate(() => document.scrollingElement.scrollWidth - innerWidth);
      assert.ok(sideways <= 0, `${where}: scrolls ${sideways}px sideways`);
      assert.deepEqual(await unnamed(page), [], `${where}: controls without a name`);
      const small = await page.$$eval('button, input, select', (els, least) => els
        .filter((e) => e.getClientRects().length && e.getBoundingClientRect().height < least)
        .map((e) => `${e.id || e.className || e.localName} ${e.getBoundingClientRect().height}px`), least);
      assert.deepEqual(small, [], `${where}: targets under ${least}px high`);
    }
    await page.context().close();
  }
});
