// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// A leaded part as the desktop windows draw it: leads, a body of two end caps and a narrower
// middle, the bands where the core places them (thousandths of the body's length).
import { ask } from './core.js';

const SVG = 'http://www.w3.org/2000/svg';
const BODY_INK = { beige: '#e2c796', blue: '#5c94d6', green: '#60a068', other: '#c4bcb2' };
let drawn = 0; // each drawing's clip path needs an id of its own

function el(name, attributes, parent) {
  const e = document.createElementNS(SVG, name);
  for (const [k, v] of Object.entries(attributes)) e.setAttribute(k, v);
  if (parent) parent.appendChild(e);
  return e;
}

// `colours` are names the core reads (English or Chinese); `even` spreads them evenly, for
// colours seen on a part whose reading end nobody knows yet.
export function drawPart(container, colours, { even = false, label = '' } = {}) {
  container.replaceChildren();
  const look = ask({ question: 'look', colours, even });
  if (look.status !== 0) return;
  const { bands, body: bodyColour, length } = look.json;
  const W = 300, H = 80, lead = W * 0.055, midY = H / 2;
  const body = { x: lead, y: midY - H * 0.44, w: W - 2 * lead, h: H * 0.88 };
  const cap = body.w * 0.2, neck = H * 0.32, capRound = H * 0.3;
  const id = `part-clip-${++drawn}`;

  const svg = el('svg', { viewBox: `0 0 ${W} ${H}`, role: 'img' }, container);
  if (label) el('title', {}, svg).textContent = label;
  const defs = el('defs', {}, svg);
  const wire = el('linearGradient', { id: `${id}-wire`, x1: 0, y1: 0, x2: 0, y2: 1 }, defs);
  el('stop', { offset: 0, 'stop-color': '#ececec' }, wire);
  el('stop', { offset: 1, 'stop-color': '#787878' }, wire);
  const light = el('linearGradient', { id: `${id}-light`, x1: 0, y1: 0, x2: 0, y2: 1 }, defs);
  for (const [offset, opacity] of [[0, 0.16], [0.28, 0.59], [0.45, 0], [1, 0]])
    el('stop', { offset, 'stop-color': '#fff', 'stop-opacity': opacity }, light);
  const shade = el('linearGradient', { id: `${id}-shade`, x1: 0, y1: 0, x2: 0, y2: 1 }, defs);
  el('stop', { offset: 0.6, 'stop-color': '#000', 'stop-opacity': 0 }, shade);
  el('stop', { offset: 1, 'stop-color': '#000', 'stop-opacity': 0.3 }, shade);

  // A clip path takes shapes only, no group: the three are added to whichever parent.
  const shape = (parent) => {
    el('rect', { x: body.x, y: body.y, width: cap, height: body.h, rx: capRound }, parent);
    el('rect', { x: body.x + body.w - cap, y: body.y, width: cap, height: body.h, rx: capRound }, parent);
    el('rect', { x: body.x + cap * 0.6, y: midY - neck, width: body.w - cap * 1.2, height: 2 * neck,
                 rx: neck * 0.3 }, parent);
  };
  shape(el('clipPath', { id }, defs));

  el('rect', { x: 0, y: midY - 1.6, width: W, height: 3.2, fill: `url(#${id}-wire)` }, svg);
  shape(el('g', { fill: BODY_INK[bodyColour] ?? BODY_INK.beige, class: 'body' }, svg));
  const painted = el('g', { 'clip-path': `url(#${id})` }, svg);
  for (const b of bands) {
    const w = body.w * b.width / length;
    el('rect', { class: b.metal ? 'band metal' : 'band', 'data-colour': b.colour, fill: b.ink,
                 x: body.x + body.w * b.centre / length - w / 2, y: body.y, width: w, height: body.h },
       painted);
  }
  el('rect', { x: body.x, y: body.y, width: body.w, height: body.h, fill: `url(#${id}-light)` }, painted);
  el('rect', { x: body.x, y: body.y, width: body.w, height: body.h, fill: `url(#${id}-shade)` }, painted);
}

// The paint of one colour, from the same table the bands are drawn with.
export function inkOf(colour) {
  const look = ask({ question: 'look', colours: [colour], even: true });
  return look.status === 0 ? look.json.bands[0].ink : '#888';
}
