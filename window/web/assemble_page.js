// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// Makes the one self-contained page: the template with the style, the
// WebAssembly module's loader, the module itself (in base64, a data block
// the page's script hands to the loader), the page's script and the icon
// put in, and a Content-Security-Policy that lets the page run those and
// nothing else: no request, no other script.
//   node assemble_page.js TEMPLATE STYLE LOADER MODULE SCRIPT ICON OUTPUT
'use strict';
const crypto = require('crypto');
const fs = require('fs');

const [template, style, loader, wasm, script, icon, output] = process.argv.slice(2);
const read = (file) => fs.readFileSync(file, 'utf8');
const parts = { STYLE: read(style), GLUE: read(loader), SCRIPT: read(script) };
for (const [name, text] of Object.entries(parts)) {
  if (/<\/(script|style)/i.test(text)) throw new Error(`${name} would end its element early`);
}
const hash = (text) => `'sha256-${crypto.createHash('sha256').update(text).digest('base64')}'`;
// Browsers before Chromium 97, Firefox 102 and Safari 16 compile
// WebAssembly under a policy only with 'unsafe-eval', which later ones take
// for WebAssembly too ('wasm-unsafe-eval', which the older ones log as an
// error, would add nothing). The page's scripts evaluate no strings, and
// once the module is compiled the page takes 'unsafe-eval' away.
parts.CSP = [
  "default-src 'none'",
  `script-src ${hash(parts.GLUE)} ${hash(parts.SCRIPT)} 'unsafe-eval'`,
  `style-src ${hash(parts.STYLE)}`,
  'img-src data:',
  "base-uri 'none'",
  "form-action 'none'",
].join('; ');
parts.MODULE = fs.readFileSync(wasm).toString('base64');
parts.ICON = fs.readFileSync(icon).toString('base64');
const page = read(template).replace(/@([A-Z]+)@/g, (_, name) => parts[name]);
fs.writeFileSync(output, page);
