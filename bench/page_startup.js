// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// How quickly the page opens, against a plain page with the same 49
// controls: from the start of the navigation until 计算 is in the page
// and s475 has the focus (performance.now in the page, whose zero is the
// navigation's start), and for the page also until its module runs (its
// script then forbids code from strings, a <meta> it adds). Everything is
// served from 127.0.0.1 without caching, the pages opened in turn:
//   - in one browser context, the page as one file (which registers no
//     worker), beside the plain page, and further pages to compare (an
//     older build, say), timed as the plain page is;
//   - each in a fresh context, the folder's first open (its worker not
//     yet there);
//   - in one context where the folder's worker has taken it, the
//     installed app.
// The plain page is the folder's index.html without its scripts and
// their policy, its focus from a one-line script (the quicker) or from
// autofocus. Medians of RUNS.
'use strict';
const fs = require('fs');
const path = require('path');
const { launch, serve, folder } = require('../tests/window/web/browsers.js');

const [site, page, runs = '15', program = '/usr/bin/chromium', ...others] = process.argv.slice(2);

function plainPage() {
  return fs.readFileSync(path.join(site, 'index.html'), 'utf8')
    .replace(/<script[^>]*>[\s\S]*?<\/script>/g, '')
    .replace(/<meta http-equiv="Content-Security-Policy"[^>]*>/, '')
    .replace(/<meta name="vellacor-app"[^>]*>/, '');
}

// Nothing kept: each open asks again.
function servePages() {
  const plain = plainPage();
  const pages = {
    '/page.html': fs.readFileSync(page),
    '/plain.html': plain,
    '/plain-focused.html': plain.replace('</body>', '<script>document.getElementById("s475").focus()</script></body>'),
  };
  others.forEach((file, i) => { pages[`/other-${i}.html`] = fs.readFileSync(file); });
  const noStore = { 'Cache-Control': 'no-store' };
  const folderFiles = folder(site, noStore);
  return serve((where) => (pages[where] ? { body: pages[where], headers: noStore }
    : where.startsWith('/site/') && folderFiles(where.slice('/site'.length))));
}

// In the page, before its own scripts: the times of the form ready for
// typing and of the module running.
function watch() {
  const times = {};
  window.startTimes = times;
  const look = () => {
    const now = performance.now();
    if (!times.form && document.getElementById('Command1') && document.activeElement &&
      document.activeElement.id === 's475') times.form = now;
    if (!times.module && document.querySelector('meta[content="script-src \'none\'"]')) times.module = now;
  };
  new MutationObserver(look).observe(document, { childList: true, subtree: true });
  document.addEventListener('focusin', look, true);
  const frame = () => { look(); if (!times.form) requestAnimationFrame(frame); };
  requestAnimationFrame(frame);
}

async function open(context, url, module) {
  const page = await context.newPage();
  await page.evaluateOnNewDocument(watch);
  await page.goto(url);
  const test = module ? 'window.startTimes.form && window.startTimes.module' : 'window.startTimes.form';
  for (let i = 0; !(await page.evaluate(test)); ++i) {
    if (i > 600) throw new Error(`${url} did not start`);
    await new Promise((resolve) => setTimeout(resolve, 5));
  }
  const times = await page.evaluate(() => window.startTimes);
  await page.close();
  return times;
}

const median = (list) => {
  const sorted = list.slice().sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

const ms = (value) => `${value.toFixed(1)} ms`;

// Opens each page in turn, RUNS times, in contexts that fresh() gives,
// and prints each one's medians, against the first page's form time.
async function compare(title, pages, fresh) {
  const times = pages.map(() => []);
  for (let run = 0; run < Number(runs); ++run) {
    for (const [i, [, url, module]] of pages.entries()) {
      const context = await fresh();
      times[i].push(await open(context, url, module));
      if (fresh.once === undefined) await context.close();
    }
  }
  console.log(title);
  const reference = median(times[0].map((t) => t.form));
  pages.forEach(([name], i) => {
    const form = median(times[i].map((t) => t.form));
    const line = [`  ${name}: form ${ms(form)}`];
    if (i > 0) line.push(`${(form / reference).toFixed(2)} × the first`);
    if (times[i][0].module) line.push(`module running ${ms(median(times[i].map((t) => t.module)))}`);
    console.log(line.join(', '));
  });
}

async function main() {
  const { url, close } = await servePages();
  const base = url.slice(0, -1);
  const browser = await launch('chromium', program);
  console.log(`${await browser.version()}, medians of ${runs} opens each, alternated`);
  const plain = ['plain page, focused by a script', `${base}/plain-focused.html`, false];
  // As one file, in one context: the page itself registers no worker.
  const shared = await browser.createBrowserContext();
  const inOne = async () => shared;
  inOne.once = true;
  await compare('In one context:', [plain, ['plain page, autofocus', `${base}/plain.html`, false],
    ['the page', `${base}/page.html`, true]]
    .concat(others.map((file, i) => [path.basename(file), `${base}/other-${i}.html`, false])), inOne);
  // The folder's first open: a fresh context each time, no worker yet.
  await compare('Each in a fresh context:', [plain, ['the folder, first open', `${base}/site/`, true]],
    () => browser.createBrowserContext());
  // The installed app: its worker in control of the folder.
  await shared.close();
  const installed = await browser.createBrowserContext();
  const setup = await installed.newPage();
  await setup.goto(`${base}/site/`);
  await setup.evaluate(() => navigator.serviceWorker.ready);
  await setup.close();
  const inInstalled = async () => installed;
  inInstalled.once = true;
  await compare('In the context where the app is installed:',
    [plain, ['the installed app (its worker in control)', `${base}/site/`, true]], inInstalled);
  await browser.close();
  await close();
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
