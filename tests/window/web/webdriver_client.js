// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// The few calls page_test.js makes of puppeteer, over WebDriver, for
// WebKit: WebKitWebDriver starts its MiniBrowser (executablePath) on the
// X display in DISPLAY, a session a page. WebDriver has no console to
// listen to and runs no script before a page's own, so page.on() hears
// nothing and evaluateOnNewDocument() throws.
'use strict';
const { spawn } = require('child_process');
const fs = require('fs');
const net = require('net');

// WebDriver's codes for the keys the checks press.
const kKeys = {
  Tab: '\uE004', Enter: '\uE007', Escape: '\uE00C', ' ': '\uE00D', Backspace: '\uE003',
  End: '\uE010', Shift: '\uE008',
};

function freePort() {
  return new Promise((resolve, reject) => {
    const server = net.createServer();
    server.on('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

async function request(base, method, path, body) {
  const response = await fetch(base + path, {
    method,
    headers: { 'Content-Type': 'application/json; charset=utf-8' },
    body: body === undefined ? undefined : JSON.stringify(body),
  });
  const reply = await response.json();
  if (reply.value && reply.value.error) {
    throw new Error(`WebDriver ${method} ${path}: ${reply.value.error}: ${reply.value.message}`);
  }
  return reply.value;
}

// A function of the test, called in the page with its arguments, the
// first of them turned into what `first` makes of it.
const call = (fn, first = 'a[0]') =>
  `var a = Array.prototype.slice.call(arguments); a[0] = ${first}; return (${fn}).apply(null, a);`;

class Page {
  constructor(base, session) {
    const at = (path) => `/session/${session}${path}`;
    this.send = (method, path, body) => request(base, method, at(path), body);
    this.held = [];
    this.keyboard = {
      type: (text) => this.keys([...text].flatMap((c) => [['keyDown', c], ['keyUp', c]])),
      press: (name) => this.keys([['keyDown', kKeys[name] || name], ['keyUp', kKeys[name] || name]]),
      down: async (name) => { this.held.push(kKeys[name]); },
      up: async (name) => { this.held = this.held.filter((key) => key !== kKeys[name]); },
    };
    this.mouse = { click: (x, y) => this.pointer(x, y) };
  }

  // WebKitWebDriver may answer an action before the page has handled its
  // events (on a busy machine, a Tab then read the old focus): the page
  // counts the key and button releases it has seen, and the action ends
  // when the count reaches what was sent.
  async handled(kind, send, releases) {
    const seen = () => this.evaluate((k) => {
      if (!window.vellacorSeen) {
        window.vellacorSeen = { keyup: 0, mouseup: 0 };
        for (const type of ['keyup', 'mouseup']) {
          window.addEventListener(type, () => { window.vellacorSeen[type] += 1; }, true);
        }
      }
      return window.vellacorSeen[k];
    }, kind);
    const until = (await seen()) + releases;
    await send();
    for (const deadline = Date.now() + 30000; (await seen()) < until;) {
      if (Date.now() > deadline) throw new Error(`the page did not see the ${kind} within 30 s`);
      await new Promise((resolve) => setTimeout(resolve, 20));
    }
  }

  // Keys in one action, pressed while the held ones (Shift) are down.
  keys(steps) {
    const actions = this.held.map((value) => ({ type: 'keyDown', value }))
      .concat(steps.map(([type, value]) => ({ type, value })),
        this.held.map((value) => ({ type: 'keyUp', value })));
    return this.handled('keyup', () => this.send('POST', '/actions',
      { actions: [{ type: 'key', id: 'keyboard', actions }] }),
    actions.filter((a) => a.type === 'keyUp').length);
  }

  pointer(x, y) {
    return this.handled('mouseup', () => this.send('POST', '/actions', { actions: [{ type: 'pointer',
      id: 'mouse', parameters: { pointerType: 'mouse' }, actions: [
        { type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport' },
        { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }] }] }), 1);
  }

  on() {}
  evaluateOnNewDocument() { throw new Error('WebDriver runs no script before the page\'s own'); }
  goto(url) { return this.send('POST', '/url', { url }); }
  reload() { return this.send('POST', '/refresh', {}); }
  title() { return this.send('GET', '/title'); }
  evaluate(fn, ...args) { return this.send('POST', '/execute/sync', { script: call(fn), args }); }
  $eval(selector, fn, ...args) {
    return this.send('POST', '/execute/sync',
      { script: call(fn, 'document.querySelector(a[0])'), args: [selector, ...args] });
  }
  $$eval(selector, fn, ...args) {
    return this.send('POST', '/execute/sync', {
      script: call(fn, 'Array.prototype.slice.call(document.querySelectorAll(a[0]))'),
      args: [selector, ...args],
    });
  }
  focus(selector) { return this.$eval(selector, (e) => e.focus()); }
  async click(selector) {
    const element = await this.send('POST', '/element', { using: 'css selector', value: selector });
    await this.handled('mouseup',
      () => this.send('POST', `/element/${Object.values(element)[0]}/click`, {}), 1);
  }
  tap(selector) { return this.click(selector); }
  // MiniBrowser's window is at least 447 px wide.
  async setViewport({ width, height }) {
    await this.send('POST', '/window/rect', { width, height });
  }
  async screenshot({ path }) { fs.writeFileSync(path, Buffer.from(await this.send('GET', '/screenshot'), 'base64')); }
  close() { return this.send('DELETE', ''); }
}

async function launch({ executablePath }) {
  const port = await freePort();
  const driver = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore' });
  const base = `http://127.0.0.1:${port}`;
  for (let tries = 0; ; ++tries) {
    try {
      if ((await request(base, 'GET', '/status')).ready) break;
    } catch (error) {
      if (tries > 200) throw new Error(`WebKitWebDriver did not answer: ${error.message}`);
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  const capabilities = { alwaysMatch: { 'webkitgtk:browserOptions': {
    binary: executablePath, args: ['--automation'] } } };
  return {
    async newPage() {
      const { sessionId } = await request(base, 'POST', '/session', { capabilities });
      return new Page(base, sessionId);
    },
    async close() { driver.kill(); },
  };
}

module.exports = { launch };
