// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The core, built to WebAssembly: every answer the page shows is the core's, word for word.
import createZelquin from './zelquin.js';

let module = null;

export async function loadCore() {
  module = await createZelquin();
}

// The reply is {"json":…,"status":…,"text":…} with the core's JSON first and untouched, so
// `raw` keeps its exact bytes (a parse and stringify would not promise that).
export function ask(request) {
  const reply = module.ccall('zq_answer', 'string', ['string'], [JSON.stringify(request)]);
  const parsed = JSON.parse(reply);
  parsed.raw = reply.slice('{"json":'.length, reply.lastIndexOf(',"status":'));
  return parsed;
}
