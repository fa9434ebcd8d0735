// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// What the page's checks share: the table of scenarios, the
// worked example, the steps a person takes, and the run of a list of
// checks, each on a page of its own that fails on any request but the
// page's own and on any error or warning in the console.
'use strict';
const assert = require('assert/strict');
const fs = require('fs');
const { kEngines, launch } = require('./browsers.js');

// The windows' table of scenarios, as the build writes it.
const kTable = JSON.parse(fs.readFileSync(process.env.VELLACOR_SCENARIOS, 'utf8'));
const kMasses = kTable.massBoxes;
const kResults = kTable.resultBoxes;
const kWorkedRow = kTable.scenarios.find((row) => row.name === 'Worked');
const kWorked = kWorkedRow.masses;
const kWorkedResults = kWorkedRow.shown;

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const values = (page, names) =>
  page.evaluate((n) => n.map((id) => document.getElementById(id).value), names);
const focused = (page) => page.evaluate(() => document.activeElement.id);
const message = (page) => page.evaluate(() => !document.getElementById('overlay').hidden &&
  [document.getElementById('message').className, document.getElementById('message-text').textContent]);
// Polled from outside: the older clients' waitForFunction compiles its
// test from a string in the page, which the page's policy refuses once it
// runs.
async function poll(page, test, what, ...args) {
  for (const deadline = Date.now() + 30000; Date.now() < deadline;) {
    const value = await page.evaluate(test, ...args);
    if (value) return value;
    await sleep(50);
  }
  throw new Error(`${what} not within 30 s`);
}
// Until the form is there with its focus in s475 and, unless the check
// holds it back, the module runs (it has forbidden code from strings): on
// a busy machine a press before then is answered only once it runs.
const started = (page, module = true) => poll(page, (m) =>
  document.activeElement && document.activeElement.id === 's475' &&
  (!m || !!document.querySelector('meta[content="script-src \'none\'"]')), 'the form and its focus', module);
const keys = async (page, ...names) => { for (const name of names) await page.keyboard.press(name); };

// From the focus in s475: the six masses, each followed by Tab; then Tab to
// Command1 (past ms and cx) and Space.
async function typeMasses(page, masses, press = true) {
  for (const mass of masses) {
    await page.keyboard.type(mass);
    await keys(page, 'Tab');
  }
  if (press) await keys(page, 'Tab', 'Tab', ' ');
}

// Runs each check [name, check, options] meant for the engine on a page
// of its own: open(page, options) takes it to where the check starts and
// gives the check its context; own(url) says which requests are the
// page's. Sets the exit code.
async function runChecks(browser, engine, checks, { open, own }) {
  let passed = 0;
  let failed = 0;
  let skipped = 0;
  for (const [name, check, options = {}] of checks) {
    if ((options.only || engine) !== engine) continue;
    if (options.setup && kEngines[engine].noPreload) {
      console.log(`skip - ${name} (its client runs no script before the page's)`);
      ++skipped;
      continue;
    }
    const page = await browser.newPage();
    const wrong = [];
    const allowed = [];
    page.on('request', (r) => { if (!own(r.url())) wrong.push(r.url()); });
    // Every error and warning fails the check, but for those it expects.
    const expected = (text) => allowed.some((pattern) => pattern.test(text));
    page.on('console', (m) => {
      if (/^(error|warn)/.test(m.type()) && !expected(m.text())) wrong.push(m.text());
    });
    // Firefox reports a refusal of its policy as an error of the page.
    page.on('pageerror', (e) => { if (!expected(e.message)) wrong.push(e.message); });
    let context = {};
    try {
      await page.setViewport(options.viewport || { width: 1024, height: 400 });
      if (options.setup) await page.evaluateOnNewDocument(options.setup);
      context = await open(page, options);
      if (options.started !== false) await started(page, options.started !== 'form');
      await check(page, { ...context, allow: (pattern) => allowed.push(pattern) });
      assert.deepEqual(wrong, []);
      console.log(`ok - ${name}`);
      ++passed;
    } catch (error) {
      console.log(`not ok - ${name}\n${error.message}`);
      ++failed;
    }
    await page.close().catch(() => {});
    if (context.close) await context.close();
  }
  await browser.close();
  console.log(`${engine}: ${passed} passed, ${failed} failed, ${skipped} skipped`);
  process.exitCode = failed === 0 && passed > 0 ? 0 : 1;
}

module.exports = {
  kTable, kMasses, kResults, kWorked, kWorkedResults,
  sleep, values, focused, message, poll, started, keys, typeMasses, launch, runChecks,
};
