// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// Makes the page, twice: as one self-contained file, and as a folder to
// put on a web server, where it is an app to install. The template takes
// the form and its texts from the program (PARTS, run under Node), the
// style, the WebAssembly module's loader, the module itself (in base64, a
// data block the page's script hands to the loader), the page's script
// and the icon, and a Content-Security-Policy that lets the page run
// those and nothing else: no request, no other script. The folder's page
// may also read its manifest and start its service worker, from its own
// folder; the folder holds the page as index.html, the manifest, the
// worker and the icons.
//   node assemble_page.js PARTS TEMPLATE STYLE LOADER MODULE SCRIPT ICON
//     WORKER ICON_FOLDER VERSION PAGE SITE_FOLDER
'use strict';
const { execFileSync } = require('child_process');
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');

const [partsProgram, template, style, loader, wasm, script, icon, worker, icons, version, output,
  site] = process.argv.slice(2);
const read = (file) => fs.readFileSync(file, 'utf8');
const floor = JSON.parse(read(path.join(__dirname, 'browser_floor.json')));
const program = JSON.parse(execFileSync(process.execPath, [partsProgram], { encoding: 'utf8' }));
const parts = {
  STYLE: program.places + read(style).replace(/@NARROWMAX@/g, String(program.narrowMax))
    .replace(/@NARROWMIN@/g, String(program.narrowMax + 1))
    .replace(/@BOXCOLUMNS@/g, String(program.boxColumns)),
  GLUE: read(loader),
  SCRIPT: read(script),
};
for (const [name, text] of Object.entries(parts)) {
  if (/<\/(script|style)/i.test(text)) throw new Error(`${name} would end its element early`);
}
const hash = (text) => `'sha256-${crypto.createHash('sha256').update(text).digest('base64')}'`;
// Browsers before Chromium 97, Firefox 102 and Safari 16 compile
// WebAssembly under a policy only with 'unsafe-eval', which later ones take
// for WebAssembly too ('wasm-unsafe-eval', which the older ones log as an
// error, would add nothing). The page's scripts evaluate no strings, and
// once the module is compiled the page takes 'unsafe-eval' away.
const policy = [
  "default-src 'none'",
  `script-src ${hash(parts.GLUE)} ${hash(parts.SCRIPT)} 'unsafe-eval'`,
  `style-src ${hash(parts.STYLE)}`,
  'img-src data:',
  "base-uri 'none'",
  "form-action 'none'",
];
Object.assign(parts, {
  CSP: policy.join('; '),
  APP: '',
  TITLE: program.title,
  OK: program.ok,
  COULDNOTRUN: program.couldNotRun,
  FIREFOX: String(floor.firefox),
  SAFARI: String(floor.safari),
  FORM: program.form,
  MODULE: fs.readFileSync(wasm).toString('base64'),
  ICON: fs.readFileSync(icon).toString('base64'),
});
const fill = (values) => read(template).replace(/@([A-Z]+)@/g, (_, name) => values[name]);
fs.writeFileSync(output, fill(parts));

// The folder: the same page, which names its worker, manifest and Apple's
// icon for its script to link when served (a link in the page itself
// would be read from disk too), and may then read them from its folder:
// the browser loads a manifest's icons as the page's images.
const served = policy.map((rule) => (rule.startsWith('img-src') ? `${rule} 'self'` : rule))
  .concat(["manifest-src 'self'", "worker-src 'self'"]);
const workerFile = 'service-worker.js';
const retiringFile = 'service-worker-retire.js';
const app = [
  `<meta name="theme-color" content="${program.manifest.theme_color}">`,
  '<meta name="mobile-web-app-capable" content="yes">',
  '<meta name="apple-mobile-web-app-capable" content="yes">',
  `<meta name="apple-mobile-web-app-title" content="${program.title}">`,
  `<meta name="vellacor-app" content="${workerFile}" data-manifest="manifest.webmanifest" ` +
    `data-apple-touch-icon="${program.appleTouchIcon}">`,
].map((line) => line + '\n').join('');
fs.rmSync(site, { recursive: true, force: true });
fs.mkdirSync(site, { recursive: true });
const files = {
  'index.html': fill({ ...parts, APP: app, CSP: served.join('; ') }),
  'manifest.webmanifest': `${JSON.stringify(program.manifest, null, 2)}\n`,
};
for (const file of program.icons) files[file] = fs.readFileSync(path.join(icons, file));
const cached = Object.keys(files).sort();
const digest = crypto.createHash('sha256');
for (const file of cached) digest.update(file).update('\0').update(files[file]).update('\0');
const tag = `${version}-${digest.digest('hex').slice(0, 12)}`;
const digests = {};
for (const file of cached) digests[file] = crypto.createHash('sha256').update(files[file]).digest('hex');
// The worker, and the one that takes the app off the phones when put in
// its place (docs/deployment.md).
const workerText = (retiring) => read(worker)
  .replace('@VERSION@', tag)
  .replace('@DIGESTS@', JSON.stringify(digests))
  .replace('@RETIRING@', String(retiring));
files[workerFile] = workerText(false);
files[retiringFile] = workerText(true);
for (const [file, content] of Object.entries(files)) fs.writeFileSync(path.join(site, file), content);
