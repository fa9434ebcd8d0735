// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// The browsers the page's tests and benchmarks run, and the one local web
// server they serve it from.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');

// The engines, each with the DevTools protocol client of its age. The
// older Chromium builds (from npm's chrome-aws-lambda) run headless only
// in one process; WebKit is driven over WebDriver.
const kEngines = {
  chromium: { client: 'puppeteer-core' },
  'chromium-64': { client: 'puppeteer-1.1', oneProcess: true },
  'chromium-72': { client: 'puppeteer-core-1.11', oneProcess: true },
  'chromium-86': { client: 'puppeteer-core-5.3', oneProcess: true },
  firefox: { client: 'puppeteer-core', browser: 'firefox' },
  webkit: { client: './webdriver_client.js', browser: 'webkit', noPreload: true },
};

// The engine's browser, headless. Where it or its client is missing the
// run is skipped (77), and fails in CI: a skip there would pass a page
// never run.
const kChromiumFlags = fs.readFileSync(path.join(__dirname, 'chromium.flags'), 'utf8')
  .split('\n').filter((line) => line && !line.startsWith('#'));

async function launch(engine, program) {
  let puppeteer;
  try {
    puppeteer = require(kEngines[engine].client);
    fs.accessSync(program, fs.constants.X_OK);
  } catch (error) {
    const ci = process.env.CI === 'true';
    console.log(`${engine}: ${ci ? 'failed' : 'skipped'}, ${error.message} (make web installs what it needs)`);
    process.exit(ci ? 1 : 77);
  }
  const { browser: kind = 'chrome', oneProcess } = kEngines[engine];
  const start = () => puppeteer.launch({
    browser: kind, executablePath: program, headless: true,
    args: kind === 'chrome'
      ? kChromiumFlags.concat(oneProcess ? ['--single-process', '--no-zygote'] : []) : [],
  });
  if (!oneProcess) return start();
  // Chromium in one process, on a busy machine, now and then never answers
  // its first request for a page (about one start in ten): one that has
  // not answered within a minute is started afresh.
  for (let attempt = 1; ; ++attempt) {
    const browser = await start();
    let timer;
    const page = await Promise.race([browser.newPage(),
      new Promise((resolve) => { timer = setTimeout(resolve, 60000); })]);
    clearTimeout(timer);
    if (page) {
      await page.close();
      return browser;
    }
    browser.process().kill('SIGKILL');
    if (attempt === 3) throw new Error(`${engine} gave no page in three starts`);
  }
}

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
};

// A server on 127.0.0.1 of what answer(path, search) gives ({ body,
// headers }; nothing for a 404), which keeps the paths asked for. stop()
// takes it off the network at once, as when the lab's Wi-Fi is gone.
async function serve(answer) {
  const sockets = new Set();
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://x');
    const where = decodeURIComponent(url.pathname);
    server.requests.push(where);
    const found = answer(where, url.search);
    if (!found) {
      response.statusCode = 404;
      response.end();
      return;
    }
    response.setHeader('Content-Type', kTypes[path.extname(where)] || kTypes['.html']);
    for (const [name, value] of Object.entries(found.headers || {})) response.setHeader(name, value);
    response.end(found.body);
  });
  server.requests = [];
  server.on('connection', (socket) => {
    sockets.add(socket);
    socket.on('close', () => sockets.delete(socket));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const url = `http://127.0.0.1:${server.address().port}/`;
  const stop = () => new Promise((resolve) => {
    server.close(resolve);
    sockets.forEach((socket) => socket.destroy());
  });
  return { server, url, stop, close: () => (server.listening ? stop() : undefined) };
}

// The files of a folder, as a lab's plain server gives them; its address
// alone gives index.html.
const folder = (root, headers) => (where) => {
  const file = path.join(root, where.slice(1) || 'index.html');
  if (where.includes('..') || !fs.existsSync(file) || !fs.statSync(file).isFile()) return null;
  return { body: fs.readFileSync(file), headers };
};

module.exports = { kEngines, launch, serve, folder };
