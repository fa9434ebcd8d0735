// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// The page in a real browser, used as a person uses it (keys, clicks, taps)
// and heard as a screen reader hears it (the browser's accessibility tree).
// Each check opens the page afresh, from disk unless it says otherwise, and
// fails on any request but the page's own and on any error in the console.
//   node page_test.js PAGE ENGINE BROWSER_PROGRAM [SCREENSHOT_DIR]
// ENGINE: chromium, chromium-64, chromium-72, chromium-86, firefox or webkit.
'use strict';
const assert = require('assert/strict');
const fs = require('fs');
const path = require('path');

const {
  kTable, kMasses, kResults, kWorked, kWorkedResults,
  sleep, values, focused, message, poll, started, keys, typeMasses, launch, runChecks,
} = require('./page_steps.js');
const { serve } = require('./browsers.js');

const kFloor = require('../../../window/web/browser_floor.json');
const kIncomplete = kTable.scenarios.find((row) => row.name === 'EmptyInput').message;
const kClass = kWorkedResults[kResults.indexOf('cx')];

const [pageFile, engine, program, shots] = process.argv.slice(2);
if (shots) fs.mkdirSync(shots, { recursive: true });

// Changes the next instances of the module so that, once
// window.failNextCall is set, the next call into it (a press, when the
// check sets it just before one) fails as a trap inside the module would.
// The module's exports are named by the minifier: every function is
// wrapped.
function failOnRequest() {
  const instantiate = WebAssembly.instantiate;
  WebAssembly.instantiate = function (...args) {
    return instantiate.apply(WebAssembly, args).then((result) => {
      const instance = result instanceof WebAssembly.Instance ? result : result.instance;
      const exports = {};
      for (const [name, real] of Object.entries(instance.exports)) {
        exports[name] = typeof real !== 'function' ? real : function (...values) {
          if (!window.failNextCall) return real(...values);
          window.failNextCall = false;
          throw new WebAssembly.RuntimeError('memory access out of bounds');
        };
      }
      return result === instance ? { exports } : { module: result.module, instance: { exports } };
    });
  };
}

function flatten(node, out = []) {
  out.push(node);
  for (const child of node.children || []) flatten(child, out);
  return out;
}

// A row's masses, each box's text replaced: ASCII as keys, anything else
// as an input method commits it.
async function typeRow(page, masses) {
  for (const [i, mass] of masses.entries()) {
    await page.$eval(`#${kMasses[i]}`, (e) => { e.focus(); e.select(); });
    if (!mass) await keys(page, 'Backspace');
    for (const c of mass) {
      if (c < '\x80') await page.keyboard.type(c);
      else await page.$eval(`#${kMasses[i]}`, (e, text) => document.execCommand('insertText', false, text), c);
    }
    // Typed, not yet pressed: a key lost on the way fails here, by name.
    await poll(page, (id, text) => document.getElementById(id).value === text,
      `${kMasses[i]} showing "${mass}" as typed`, kMasses[i], mass);
  }
}

// The row typed and pressed by keyboard; its message, then what the
// boxes show, where the focus is (with the entry to correct selected) and
// what the live region says.
const scenarioChecks = kTable.scenarios.map((row) => [`${row.name}: ${row.masses.join(' ')}`, async (page) => {
  if (row.before.length) {
    await typeRow(page, row.before);
    await page.click('#Command1');
    if (await message(page)) await keys(page, 'Enter');
  }
  await typeRow(page, row.masses);
  await page.focus('#Command1');
  await keys(page, ' ');
  assert.deepEqual(await message(page), row.notice ? [row.notice, row.message] : false);
  if (row.notice) await keys(page, 'Enter');
  assert.deepEqual(await values(page, kResults), row.shown);
  assert.equal(await focused(page), row.select || 'Command1');
  if (row.select) {
    assert.deepEqual(await page.$eval(`#${row.select}`, (e) => [e.selectionStart, e.selectionEnd === e.value.length]),
      [0, true]);
  }
  assert.equal(await page.$eval('#announcement', (e) => e.textContent.replace(/\u200b/g, '')), row.heard);
  if (shots && row.name === 'Worked') {
    const r = await page.$eval('#Form1', (e) => e.getBoundingClientRect().toJSON());
    await page.screenshot({ path: path.join(shots, 'screenshot-web.png'),
      clip: { x: r.x - 12, y: r.y - 12, width: r.width + 24, height: r.height + 24 } });
  }
}]);

const checks = scenarioChecks.concat([
  ['opens with every box empty, the focus in s475, at the twip places', async (page) => {
    assert.equal(await page.title(), 'Vellacor');
    assert.equal(await page.$$eval('#Form1 > *', (all) => all.length), 49);
    assert.deepEqual(await values(page, kMasses.concat(kResults)), Array(21).fill(''));
    assert.equal(await focused(page), 's475');
    const places = await page.evaluate((names) => names.map((id) => {
      const form = document.getElementById('Form1').getBoundingClientRect();
      const r = id === 'Form1' ? form : document.getElementById(id).getBoundingClientRect();
      return [r.left - form.left, r.top - form.top, r.width, r.height];
    }), ['Form1'].concat(kTable.places.map((place) => place.name)));
    assert.deepEqual(places, [[0, 0].concat(kTable.client)].concat(kTable.places.map((place) => place.rect)));
    assert.deepEqual(await page.$$eval('#Label9, #Label17, #Command1', (all) => all.map((e) => e.textContent)),
      kTable.places.filter((place) => place.caption).map((place) => place.caption));
  }],
  ['an empty input: the message, modal, and nothing changes', async (page) => {
    await page.focus('#Command1');
    await keys(page, 'Enter');
    assert.equal(await focused(page), 'message-ok');
    await page.click('#s475').catch(() => {});
    await page.mouse.click(40, 40);
    await page.keyboard.type('9');
    await keys(page, 'Tab', 'Tab');
    assert.equal(await focused(page), 'message-ok');
    if (engine === 'chromium') {
      const tree = flatten(await page.accessibility.snapshot());
      const dialog = tree.find((n) => n.role === 'alertdialog');
      assert.deepEqual([dialog.name, dialog.description], ['Vellacor', kIncomplete]);
      assert.equal(tree.filter((n) => n.role === 'textbox').length, 0, 'the form is out of reach');
    }
    await keys(page, 'Enter');
    assert.equal(await message(page), false);
    assert.equal(await focused(page), 'Command1');
    assert.deepEqual(await values(page, kMasses.concat(kResults)), Array(21).fill(''));
  }],
  ['Tab visits each stop in turn; a read-only box takes no typing, any other does', async (page) => {
    for (const stop of kTable.tabStops) {
      assert.equal(await focused(page), stop.name);
      if (stop.name !== 'Command1') {
        await page.keyboard.type('12');
        assert.deepEqual(await values(page, [stop.name]), [stop.readOnly ? '' : '12']);
        await keys(page, 'Backspace', 'Backspace');
      }
      await keys(page, 'Tab');
    }
  }],
  ['Enter in a box does not press', async (page) => {
    await typeMasses(page, kWorked, false);
    await page.focus('#s015');
    await keys(page, 'Enter');
    assert.deepEqual([await values(page, ['ss']), await message(page)], [[''], false]);
  }],
  ['after a second press the class box shows its beginning', async (page) => {
    await typeMasses(page, kWorked);
    await page.keyboard.down('Shift');
    await keys(page, 'Tab'); // back to cx, left at its text's end
    await page.keyboard.up('Shift');
    await keys(page, 'End', 'Tab', ' ');
    assert.deepEqual(await page.$eval('#cx', (e) => [e.scrollLeft, e.selectionEnd]), [0, 0]);
  }],
  ['typed and pressed before the module runs: nothing shown until it runs, then the table',
    async (page) => {
      await typeMasses(page, kWorked);
      assert.deepEqual(await values(page, ['ss', 'ms']), ['', '']);
      await page.evaluate(() => { window.startModule(); });
      await poll(page, () => document.getElementById('ms').value, 'the table');
      assert.deepEqual(await values(page, kResults), kWorkedResults);
    }, { setup: () => {
      // The module held back until the check lets it start.
      const instantiate = WebAssembly.instantiate;
      let start;
      const started = new Promise((resolve) => { start = resolve; });
      window.startModule = start;
      WebAssembly.instantiate = (...args) => started.then(() => instantiate.apply(WebAssembly, args));
    }, started: 'form' }],
  ['a 5 million character entry gives the desktop\'s digits, and the next press works', async (page) => {
    await typeMasses(page, kWorked, false);
    await page.$eval('#s475', (e, length) => {
      e.value = `30.${'0'.repeat(length - 4)}1`;
      e.dispatchEvent(new Event('input'));
    }, 5e6);
    await page.click('#Command1');
    assert.deepEqual(await values(page, kResults), ['30', '6', '16', '20', '20', '15', '17',
      '6', '22', '42', '62', '77', '94', '2.840425', kClass]);
    await page.$eval('#s475', (e) => e.select());
    await page.keyboard.type('25');
    await page.click('#Command1');
    assert.deepEqual(await values(page, ['ss', 'sb475', 'ms']), ['35', '5', '2.810526']);
  }],
  ['a call into the module that fails: said so, nothing shown as computed, then whole again',
    async (page) => {
      await typeMasses(page, kWorked);
      await page.$eval('#s475', (e) => e.select());
      await page.keyboard.type('25');
      await page.evaluate(() => { window.failNextCall = true; });
      await page.click('#Command1');
      assert.deepEqual(await message(page), ['warning',
        '这次计算没能进行，程序已重新启动。输入的筛余量都还在，请再按一次“计算”。']);
      assert.deepEqual(await values(page, kMasses.concat(kResults)),
        ['25'].concat(kWorked.slice(1), kResults.map(() => '')));
      await keys(page, 'Enter');
      assert.equal(await focused(page), 'Command1');
      await keys(page, ' ');
      assert.deepEqual(await values(page, kResults), ['35', '5', '16', '20', '20', '15', '17',
        '5', '21', '41', '61', '76', '93', '2.810526', kClass]);
    }, { setup: failOnRequest }],
  ['once it has computed, the page runs no code from a string, and still computes', async (page, context) => {
    context.allow(/Content.Security.Policy|unsafe-eval/i);
    await typeMasses(page, kWorked);
    await page.evaluate(() => {
      window.ran = false;
      setTimeout('window.ran = true', 0); // eslint-disable-line no-implied-eval
    });
    await sleep(300);
    assert.equal(await page.evaluate(() => window.ran), false);
    await page.$eval('#s475', (e) => e.select());
    await page.keyboard.type('25');
    await page.click('#Command1');
    assert.deepEqual(await values(page, ['ss', 'ms']), ['35', '2.810526']);
  }],
  ['without WebAssembly: the word for the user at once, in the form\'s place', async (page) => {
    const word = await page.$eval('#unsupported', (e) =>
      [!e.hidden && getComputedStyle(e).visibility, e.textContent.replace(/\s+/g, '')]);
    assert.equal(word[0], 'visible');
    for (const part of ['WebAssembly已被关闭', '360极速浏览器的极速模式', `Firefox${kFloor.firefox}`,
      `Safari${kFloor.safari}`,
      'Windows版程序']) {
      assert.ok(word[1].includes(part), `the word says ${part}`);
    }
    assert.deepEqual(await page.$eval('#Form1', (e) => [e.hidden, e.getBoundingClientRect().height]),
      [true, 0]);
  }, { setup: () => { delete window.WebAssembly; }, started: false }],
  ['served with a policy that refuses its scripts: the word after a moment', async (page, context) => {
    context.allow(/Content.Security.Policy|inline script/i);
    await page.goto(`${context.server.url}?strict`);
    const visible = () => page.evaluate(() => ['unsupported', 'Form1'].map((id) =>
      getComputedStyle(document.getElementById(id)).visibility));
    assert.deepEqual(await visible(), ['hidden', 'visible']);
    await sleep(3500);
    assert.deepEqual(await visible(), ['visible', 'hidden']);
  }, { started: false }],
  ['on a phone: one sieve a line, nothing beyond the width, no text below 12 px', async (page) => {
    const layout = await page.evaluate(() => {
      const shown = [...document.querySelectorAll('#Form1 > *')].filter((e) => e.offsetParent);
      const rects = shown.map((e) => e.getBoundingClientRect());
      return {
        sideways: document.documentElement.scrollWidth - innerWidth,
        shown: shown.length,
        outside: shown.filter((e, i) => rects[i].left < 0 || rects[i].right > innerWidth).length,
        small: shown.filter((e) => parseFloat(getComputedStyle(e).fontSize) < 12).length,
        overlaps: rects.filter((a, i) => rects.some((b, j) => j > i && a.left < b.right &&
          b.left < a.right && a.top < b.bottom && b.top < a.bottom)).length,
        // 2.36's line and the columns' headings, left to right, on one height each.
        lines: [['Label2', 's236', 'sb236', 'lsb236'], ['Label9', 'Label10', 'Label17']].map((ids) =>
          ids.map((id) => document.getElementById(id).getBoundingClientRect()).map((r, i, all) =>
            Math.round((r.top + r.bottom) / 8) === Math.round((all[0].top + all[0].bottom) / 8) &&
            (i === 0 || r.left > all[i - 1].right))),
        // Each heading over its column: 筛余量 over the masses, 累计筛余百分 over the cumulative.
        columns: [['Label9', 's475'], ['Label10', 'sb015'], ['Label17', 'lsb06']].map(([a, b]) =>
          Math.abs(document.getElementById(a).getBoundingClientRect().left -
            document.getElementById(b).getBoundingClientRect().left) < 2),
        decimal: [...document.querySelectorAll('[inputmode=decimal]')].map((e) => e.id),
      };
    });
    assert.deepEqual(layout, { sideways: 0, shown: 34, outside: 0, small: 0, overlaps: 0,
      lines: [[true, true, true, true], [true, true, true]], columns: [true, true, true],
      decimal: kMasses });
    for (const [i, mass] of kWorked.entries()) {
      await page.tap(`#${kMasses[i]}`);
      await page.keyboard.type(mass);
    }
    await page.tap('#Command1');
    assert.deepEqual(await values(page, kResults), kWorkedResults);
    if (shots) await page.screenshot({ path: path.join(shots, 'screenshot-web-phone.png') });
  }, { viewport: { width: 360, height: 740, deviceScaleFactor: 2, isMobile: true, hasTouch: true } }],
  ['served over HTTP: one request, the page, and the example', async (page, { server }) => {
    await page.goto(server.url);
    await started(page);
    await typeMasses(page, kWorked);
    assert.deepEqual(await values(page, kResults), kWorkedResults);
    assert.deepEqual(server.requests, ['/vellacor.html']);
  }],
  ['the accessibility tree: whole names, read-only results, the outcome', async (page) => {
    await typeMasses(page, kWorked);
    const tree = flatten(await page.accessibility.snapshot());
    const boxes = tree.filter((n) => n.role === 'textbox');
    const stops = kTable.tabStops.filter((stop) => stop.name !== 'Command1');
    assert.deepEqual(boxes.map((n) => [n.name, !!n.readonly]).sort(),
      stops.map((stop) => [stop.heard, stop.readOnly]).sort());
    const status = tree.find((n) => n.role === 'status');
    assert.ok(JSON.stringify(status).includes(kTable.scenarios[0].heard), JSON.stringify(status));
  }, { only: 'chromium' }],
  ['axe-core: no WCAG 2 A or AA fault, one main landmark, one heading, empty, with the message, '
    + 'after the example, at the window\'s width and a phone\'s', async (page) => {
    await page.evaluate(fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8'));
    const audit = async (state) => {
      for (const width of [529, 360]) {
        await page.setViewport({ width, height: 740 });
        const faults = await page.evaluate(async () => {
          const rules = window.axe.getRules(['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'])
            .map((r) => r.ruleId).concat(['landmark-one-main', 'page-has-heading-one', 'region',
              'landmark-no-duplicate-main', 'landmark-main-is-top-level', 'heading-order']);
          const { violations } = await window.axe.run(document, { runOnly: { type: 'rule', values: rules } });
          return violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`);
        });
        assert.deepEqual(faults, [], `${state}, ${width} px wide`);
      }
    };
    await audit('empty');
    await page.click('#Command1');
    assert.deepEqual(await message(page), ['plain', kIncomplete]);
    await audit('the message open');
    await keys(page, 'Enter');
    await typeMasses(page, kWorked);
    await audit('after the worked example');
  }, { only: 'chromium' }],
]);

async function main() {
  // A server of its own mind too: a policy of its own that refuses inline scripts.
  const { server, url: root, close } = await serve((where, search) => ({ body: fs.readFileSync(pageFile),
    headers: search === '?strict' ? { 'Content-Security-Policy': "script-src 'self'" } : {} }));
  server.url = `${root}vellacor.html`;
  const url = `file://${path.resolve(pageFile)}`;
  const browser = await launch(engine, program);
  // Each check opens the page from disk; the page's own requests are that
  // and its icon (data:), and the check server's.
  await runChecks(browser, engine, checks, {
    own: (u) => u === url || u.startsWith('data:') || u.startsWith('http://127.0.0.1'),
    open: async (page) => {
      server.requests = [];
      await page.goto(url);
      return { server };
    },
  });
  await close();
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
