// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// What a first visit costs, printed, not judged: the bytes the browser receives with an empty
// cache, what the site's files would be gzipped at -9, and the time from navigation to the
// first answer shown (4k7 asked as soon as the field is there). Run by scripts/web-test --measure.
import { readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { chromium } from 'playwright-core';

const site = process.env.ZQ_SITE, dir = process.env.ZQ_SITE_DIR, runs = 5;
const browser = await chromium.launch({ executablePath: process.env.ZQ_CHROMIUM ?? '/usr/bin/chromium' });

async function visit() {
  const context = await browser.newContext({ viewport: { width: 360, height: 640 } });
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  await cdp.send('Network.enable');
  let bytes = 0, files = 0;
  cdp.on('Network.loadingFinished', (e) => { bytes += e.encodedDataLength; files += 1; });
  const start = performance.now();
  await page.goto(site, { waitUntil: 'commit' });
  await page.fill('#value-input', '4k7');
  await page.click('#value-find');
  await page.waitForSelector('#value-answer[data-json]');
  const ms = performance.now() - start;
  await page.waitForLoadState('networkidle');
  await context.close();
  return { bytes, files, ms };
}

const visits = [];
for (let i = 0; i < runs; i++) visits.push(await visit());
await browser.close();

const walk = (d) => readdirSync(d, { withFileTypes: true }).flatMap((e) =>
  e.isDirectory() ? walk(join(d, e.name)) : [join(d, e.name)]);
const sizes = walk(dir).map((f) => { const b = readFileSync(f); return [b.length, gzipSync(b, { level: 9 }).length]; });
const sum = (i) => sizes.reduce((s, x) => s + x[i], 0);
const ms = visits.map((v) => v.ms).sort((a, b) => a - b);

console.log(`first visit: ${visits[0].files} responses, ${visits[0].bytes} bytes received (uncompressed server)`);
console.log(`site files: ${sizes.length} files, ${sum(0)} bytes, ${sum(1)} bytes at gzip -9`);
const at = (i) => `${ms[i].toFixed(0)} ms`;
console.log(`navigation to first answer: median ${at(runs >> 1)}, min ${at(0)}, max ${at(runs - 1)}`,
  `(${runs} visits, empty cache)`);
