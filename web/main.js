// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The page: two tools over the core. Every sentence in an answer or a refusal is the core's;
// the page only lays it out.
import { loadCore, ask } from './core.js';
import { drawPart, inkOf } from './part.js';

const $ = (selector) => document.querySelector(selector);

// The palette in the main window's order, with the desktop's keys: digits by their value,
// J 金, Y 银.
const PALETTE = [
  ['brown', '棕', '1'], ['red', '红', '2'], ['orange', '橙', '3'], ['yellow', '黄', '4'],
  ['green', '绿', '5'], ['blue', '蓝', '6'], ['violet', '紫', '7'], ['grey', '灰', '8'],
  ['white', '白', '9'], ['black', '黑', '0'], ['gold', '金', 'J'], ['silver', '银', 'Y'],
];
const NAME = Object.fromEntries(PALETTE.map(([colour, name]) => [colour, name]));

// One answer area: the core's JSON as text for anyone who reads the page's data, the core's
// lines to read. A refusal empties the area, so nothing stays that was true of other input.
function show(reply, area, error) {
  area.dataset.json = reply.raw;
  const lines = area.querySelector('.lines');
  if (reply.status === 0) {
    error.textContent = '';
    lines.replaceChildren(...reply.text.split('\n').map(line));
    area.hidden = false;
  } else {
    error.textContent = reply.text;
    lines.replaceChildren();
    area.hidden = true;
  }
}

// "色环：黄 紫 红 金" → the label before the colon set apart, for the eye of a beginner.
function line(text) {
  const p = document.createElement('p');
  // The terminal indents what belongs to the line above.
  if (text.startsWith('  ')) p.className = 'sub';
  const colon = text.indexOf('：');
  if (colon > 0 && colon < 8) {
    const label = document.createElement('span');
    label.className = 'label';
    label.textContent = text.slice(0, colon + 1);
    p.append(label, text.slice(colon + 1));
  } else {
    p.textContent = text;
  }
  return p;
}

// Whatever was answered no longer holds once its input changes.
function forget(area, error) {
  area.hidden = true;
  area.querySelector('.lines').replaceChildren();
  area.querySelector('.part')?.replaceChildren();
  delete area.dataset.json;
  error.textContent = '';
}

function setUpTabs() {
  const tabs = [...document.querySelectorAll('[role=tab]')];
  const select = (tab, focus) => {
    for (const t of tabs) {
      const on = t === tab;
      t.setAttribute('aria-selected', String(on));
      t.tabIndex = on ? 0 : -1;
      document.getElementById(t.getAttribute('aria-controls')).hidden = !on;
    }
    if (focus) tab.focus();
    history.replaceState(null, '', '#' + tab.getAttribute('aria-controls'));
  };
  tabs.forEach((tab, i) => {
    tab.addEventListener('click', () => select(tab, false));
    tab.addEventListener('keydown', (e) => {
      const step = { ArrowRight: 1, ArrowLeft: -1 }[e.key];
      if (step) select(tabs[(i + step + tabs.length) % tabs.length], true);
    });
  });
  const fromAddress = tabs.find((t) => '#' + t.getAttribute('aria-controls') === location.hash);
  if (fromAddress) select(fromAddress, false);
}

function setUpValueTool() {
  const input = $('#value-input'), bands = $('#value-bands');
  const area = $('#value-answer'), error = $('#value-error'), part = $('#value-part');
  const find = () => {
    const reply = ask({ question: 'colours', value: input.value, bands: bands.value });
    show(reply, area, error);
    part.replaceChildren();
    if (reply.status === 0)
      drawPart(part, reply.json.colours, { label: reply.json.colours_zh.join(' ') });
  };
  $('#value-form').addEventListener('submit', (e) => {
    e.preventDefault();
    find();
  });
  input.addEventListener('input', () => forget(area, error));
  // A change of bands asks again at once: the value typed still stands.
  bands.addEventListener('change', () => {
    if (input.value.trim()) find();
    else forget(area, error);
  });
  forget(area, error);
}

function setUpReadingTool() {
  const section = $('#tool-reading'), measured = $('#reading-measured');
  const area = $('#reading-answer'), error = $('#reading-error');
  const part = $('#reading-part'), seen = $('#reading-seen');
  const colours = [];

  const read = () => {
    const request = { question: 'read', colours: [...colours] };
    if (measured.value.trim()) request.measured = measured.value;
    show(ask(request), area, error);
  };
  // Three colours make the smallest part: from there every pick is answered at once.
  const changed = () => {
    drawPart(part, colours, { even: true, label: colours.map((c) => NAME[c]).join(' ') });
    seen.textContent = colours.length ? '已选：' + colours.map((c) => NAME[c]).join(' ') : '还没有选颜色';
    if (colours.length >= 3) read();
    else forget(area, error);
  };
  const pick = (colour) => {
    colours.push(colour);
    changed();
  };
  const back = () => {
    if (colours.pop()) changed();
  };
  const clear = () => {
    colours.length = 0;
    measured.value = '';
    changed();
  };

  const palette = $('#reading-palette');
  for (const [colour, name, key] of PALETTE) {
    const b = document.createElement('button');
    b.type = 'button';
    b.className = 'chip';
    b.dataset.colour = colour;
    b.setAttribute('aria-label', `${name}（按键 ${key}）`);
    b.setAttribute('aria-keyshortcuts', key);
    const ink = inkOf(colour);
    b.style.setProperty('--ink', ink);
    // Dark writing on the light paints (yellow, white, gold, silver…), light on the rest.
    const [r, g, bl] = [1, 3, 5].map((i) => parseInt(ink.slice(i, i + 2), 16));
    b.classList.toggle('light', 0.299 * r + 0.587 * g + 0.114 * bl > 150);
    b.innerHTML = `<span class="name"></span><kbd></kbd>`;
    b.querySelector('.name').textContent = name;
    b.querySelector('kbd').textContent = key;
    b.addEventListener('click', () => pick(colour));
    palette.appendChild(b);
  }
  $('#reading-back').addEventListener('click', back);
  $('#reading-clear').addEventListener('click', clear);
  $('#reading-form').addEventListener('submit', (e) => {
    e.preventDefault();
    read();
  });
  measured.addEventListener('input', () => {
    if (colours.length >= 3) forget(area, error);
  });

  // The desktop's keys, wherever the focus is in this tool except in a text field, where the
  // keys type. Return reads, also on a palette button (where it would pick its colour again).
  document.addEventListener('keydown', (e) => {
    if (section.hidden || e.ctrlKey || e.metaKey || e.altKey) return;
    const target = e.target;
    if (target.matches?.('input, select, textarea')) return;
    if (target !== document.body && !section.contains(target)) return;
    const key = e.key.length === 1 ? e.key.toUpperCase() : e.key;
    const entry = PALETTE.find(([, , k]) => k === key);
    if (entry) pick(entry[0]);
    else if (key === 'Backspace') back();
    else if (key === 'Enter' && !target.matches?.('#reading-back, #reading-clear')) read();
    else return;
    e.preventDefault();
  });
  changed();
}

function setUpChipCodes() {
  const input = $('#smd-input'), area = $('#smd-answer'), error = $('#smd-error');
  $('#smd-form').addEventListener('submit', (e) => {
    e.preventDefault();
    show(ask({ question: 'smd', code: input.value }), area, error);
  });
  input.addEventListener('input', () => forget(area, error));
  forget(area, error);
}

setUpTabs();
try {
  await loadCore();
  setUpValueTool();
  setUpReadingTool();
  setUpChipCodes();
  // Questions asked while the page loaded (held by index.html), answered now; the buttons
  // stay enabled throughout, as Return in a field submits nothing while its button is disabled.
  document.removeEventListener('submit', window.zqHold);
  for (const form of window.zqHeld) form.requestSubmit();
  $('#loading').hidden = true;
  document.body.dataset.ready = 'true';
} catch (e) {
  $('#loading').textContent = '这个浏览器运行不了本页的计算部分（需要 WebAssembly）。';
  throw e;
}
