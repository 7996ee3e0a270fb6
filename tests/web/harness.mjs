// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser tests share: the browser, pages at a given size, the command line's answer to
// the same question, and waiting for the page to show an answer. scripts/web-test sets the
// environment: ZQ_SITE (the served page), ZQ_CLI (build/zelquin).
import { spawnSync } from 'node:child_process';
import { after } from 'node:test';
import { chromium } from 'playwright-core';

export const site = process.env.ZQ_SITE ?? 'http://127.0.0.1:8137/';
const cli = process.env.ZQ_CLI ?? new URL('../../build/zelquin', import.meta.url).pathname;

// One browser for the file, launched once however many pages ask for it at the same time.
let browser;
after(async () => (await browser)?.close());

// A fresh page of the site at the given size, with every request it makes recorded.
export async function open({ width = 1366, height = 768 } = {}) {
  browser ??= chromium.launch({ executablePath: process.env.ZQ_CHROMIUM ?? '/usr/bin/chromium' });
  const context = await (await browser).newContext({ viewport: { width, height }, hasTouch: width < 600 });
  const page = await context.newPage();
  const requests = [];
  page.on('request', (r) => requests.push(r.url()));
  await page.goto(site);
  return { page, requests };
}

// The sections are tabs: brings the tool forward through its tab when it is hidden.
export async function showTool(page, id) {
  if (await page.locator(`#${id}`).isVisible()) return;
  await page.locator(`[aria-controls="${id}"], a[href="#${id}"]`).first().click();
}

// zelquin's answer to the same question: its --json object, and its one-line reason on refusal.
export function zelquin(args) {
  const json = spawnSync(cli, [...args, '--json'], { encoding: 'utf8' });
  const text = spawnSync(cli, args, { encoding: 'utf8' });
  return { status: json.status, json: JSON.parse(json.stdout), reason: text.stderr.trim() };
}

// Key order is the writer's business, not a fact.
const canon = (v) => JSON.stringify(v, (_, x) =>
  x && typeof x === 'object' && !Array.isArray(x) ? Object.fromEntries(Object.entries(x).sort()) : x);

// What an answer area shows: the facts in its data-json and the text of its refusal element.
export async function shown(page, area, error) {
  const [json, reason] = await Promise.all([
    page.locator(area).getAttribute('data-json'), page.locator(error).textContent()]);
  return { json: json ? JSON.parse(json) : null, reason: (reason ?? '').trim() };
}

// Waits (a few seconds at most: the module loads on its own time) until the area shows the
// expected answer, then hands back what it shows, which the caller compares.
export async function answer(page, area, error, want) {
  const wanted = want.status === 0 ? canon(want.json) : want.reason;
  await page.waitForFunction(([area, error, wanted, ok]) => {
    const canon = (v) => JSON.stringify(v, (_, x) =>
      x && typeof x === 'object' && !Array.isArray(x) ? Object.fromEntries(Object.entries(x).sort()) : x);
    const j = document.querySelector(area)?.getAttribute('data-json');
    const e = document.querySelector(error)?.textContent.trim();
    return ok ? !!j && !e && canon(JSON.parse(j)) === wanted : e === wanted;
  }, [area, error, wanted, want.status === 0], { timeout: 8000 }).catch(() => {});
  return shown(page, area, error);
}

// Reads a resistor by clicks: the measured value, the colours from left to right, then the read
// button where the page has one (Return in the measured field does the same from the keyboard).
export async function clickColours(page, measured, colours) {
  await showTool(page, 'tool-reading');
  await page.fill('#reading-measured', measured);
  for (const c of colours) await page.click(`button.chip[data-colour="${c}"]`);
  const read = page.locator('#reading-read');
  if (await read.count()) await read.click();
}
