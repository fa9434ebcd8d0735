// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// The page with the worked example and a 5-million-character mass on the
// 4.75 mm sieve ("30." and zeros and a final 1, which reads as 30): the
// time of a press, from the click until the results are in their boxes,
// measured in the page (performance.now), as build/bench/window_bench's
// PressWithLongEntry times the Qt window. The entry alternates with 25...1,
// so that each press writes new results. Median and range of 9 presses.
//   NODE_PATH=build-web/browser-test/node_modules \
//     node bench/page_long_entry.js build-web/vellacor.html [chromium|firefox] [BROWSER]
'use strict';
const path = require('path');
const { launch } = require('../tests/window/web/browsers.js');

const [page_file, engine = 'chromium', program = engine === 'firefox' ? '/usr/bin/firefox-esr'
  : '/usr/bin/chromium'] = process.argv.slice(2);

async function main() {
  const browser = await launch(engine, program);
  const page = await browser.newPage();
  await page.goto(`file://${path.resolve(page_file)}`);
  await page.waitForSelector('#s015');
  await page.evaluate(() => {
    ['80', '100', '100', '75', '85'].forEach((mass, i) => {
      const box = document.getElementById(['s236', 's118', 's06', 's03', 's015'][i]);
      box.value = mass;
      box.dispatchEvent(new Event('input'));
    });
  });
  const times = [];
  for (let i = 0; i < 9; ++i) {
    const [lead, loss] = i % 2 ? ['25', '35'] : ['30', '30'];
    times.push(await page.evaluate(async (text, expected) => {
      const box = document.getElementById('s475');
      box.value = text;
      box.dispatchEvent(new Event('input'));
      const start = performance.now();
      document.getElementById('Command1').click();
      while (document.getElementById('ss').value !== expected) await Promise.resolve();
      return performance.now() - start;
    }, `${lead}.${'0'.repeat(5e6 - lead.length - 2)}1`, loss));
  }
  await browser.close();
  times.sort((a, b) => a - b);
  console.log(`${engine}: press with a 5-million-character entry: median ${times[4].toFixed(1)} ms` +
    ` (${times[0].toFixed(1)} to ${times[8].toFixed(1)} ms, 9 presses)`);
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
