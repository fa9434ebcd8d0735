// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// The page's folder (make web's build-web/site) as a lab puts it on a web
// server: installable, kept by its service worker for use without the
// network, replaced whole by a new version, and on a phone upright and
// sideways. Each check serves the folder, or a copy of it, from a server
// of its own on 127.0.0.1 (an origin of its own, so no worker is left from
// the check before), and fails on a request outside the folder.
//   node site_test.js SITE_FOLDER ENGINE BROWSER_PROGRAM [SCREENSHOT_DIR]
// ENGINE: chromium or webkit.
'use strict';
const assert = require('assert/strict');
const crypto = require('crypto');
const fs = require('fs');
const os = require('os');
const path = require('path');
const {
  kMasses, kResults, kWorked, kWorkedResults,
  sleep, values, poll, started, typeMasses, launch, runChecks,
} = require('./page_steps.js');
const { serve, folder: folderFiles } = require('./browsers.js');

const [siteFolder, engine, program, shots] = process.argv.slice(2);
if (shots) fs.mkdirSync(shots, { recursive: true });

// A plain static server of the folder, as any lab's: what it serves, the
// browser may keep only after asking again (no-cache).
const serveSite = (site) => serve(folderFiles(site, { 'Cache-Control': 'no-cache' }));

// Until the worker runs the page's folder (active, not yet in control).
const workerReady = (page) => poll(page, () => navigator.serviceWorker.getRegistration()
  .then((r) => !!(r && r.active && r.active.state === 'activated')), 'the worker activated');
const controller = (page) => page.evaluate(() =>
  navigator.serviceWorker.controller && new URL(navigator.serviceWorker.controller.scriptURL).pathname);
const cacheNames = (page) => page.evaluate(() => caches.keys());
const kCache = (version, url) => new RegExp(`^vellacor ${version}-[0-9a-f]{12} ${url}$`);

// What the lab copies over the folder for version 1.01: a page of a new
// title, and the worker that knows that page's digest.
function nextVersion(folder) {
  const read = (file) => fs.readFileSync(path.join(folder, file), 'utf8');
  const page = read('index.html').replace('<title>Vellacor</title>', '<title>Vellacor 1.01</title>');
  const digest = crypto.createHash('sha256').update(page).digest('hex');
  const worker = read('service-worker.js').replace(/'1\.00-[0-9a-f]{12}'/, '\'1.01-000000000000\'')
    .replace(/("index\.html":")[0-9a-f]{64}/, `$1${digest}`);
  assert.notEqual(worker, read('service-worker.js'));
  return { 'service-worker.js': worker, 'index.html': page };
}
const copyIn = (folder, files) => {
  for (const [file, text] of Object.entries(files)) fs.writeFileSync(path.join(folder, file), text);
};

// Until a worker is controlling the page, reloaded once its worker is active.
async function controlled(page) {
  await workerReady(page);
  await page.reload();
  await started(page);
  assert.equal(await controller(page), '/service-worker.js');
}

// The guide beside the app: a page of the folder under no policy of the
// app's, whose policy refuses a worker to an update asked by its page.
// Chromium asks for a favicon.ico the folder does not have.
const toGuide = (page, url, allow) => {
  allow(/^Failed to load resource: .* 404 /);
  return page.goto(`${url}guide.html`);
};

// Asks the server for a new worker, and how its install ended.
const update = (page) => page.evaluate(() => navigator.serviceWorker.getRegistration()
  .then((r) => new Promise((resolve, reject) => {
    r.addEventListener('updatefound', () => {
      const worker = r.installing;
      worker.addEventListener('statechange', () => {
        if (worker.state === 'installed' || worker.state === 'redundant') resolve(worker.state);
      });
    });
    // Chromium also rejects the update itself when the install fails.
    r.update().catch(() => {});
    setTimeout(() => reject(new Error('no new worker installing')), 20000);
  })));

// The worked example typed in, and its digits in the boxes.
async function computes(page) {
  await typeMasses(page, kWorked);
  assert.deepEqual(await values(page, kResults), kWorkedResults);
}

// A phone at the shaker, held upright or sideways, its notch and rounded
// corners taking 24 px at the top and 20 px at the bottom (upright) or
// 32 px at each side (sideways).
const kPhones = [
  ['upright', { width: 360, height: 740 }, { top: 24, bottom: 20, left: 0, right: 0 }],
  ['sideways', { width: 740, height: 360 }, { top: 0, bottom: 0, left: 32, right: 32 }],
];

const phoneChecks = kPhones.map(([name, size, insets]) => [
  `a phone held ${name} (${size.width} × ${size.height}): clear of the notch, nothing sideways, ` +
  'the example tapped in', async (page, { url }) => {
    const session = await page.target().createCDPSession();
    await session.send('Emulation.setSafeAreaInsetsOverride', { insets });
    await page.goto(url);
    await started(page);
    const layout = await page.evaluate(() => {
      const shown = [...document.querySelectorAll('#Form1 > *')].filter((e) => e.offsetParent);
      const rects = shown.map((e) => e.getBoundingClientRect());
      const form = document.getElementById('Form1').getBoundingClientRect();
      const body = getComputedStyle(document.body);
      return {
        sideways: document.documentElement.scrollWidth - innerWidth,
        outside: rects.filter((r) => r.left < 0 || r.right > innerWidth).length,
        small: shown.filter((e) => parseFloat(getComputedStyle(e).fontSize) < 12).length,
        padding: [body.paddingTop, body.paddingRight, body.paddingBottom, body.paddingLeft],
        clear: form.top >= parseFloat(body.paddingTop) && form.left >= parseFloat(body.paddingLeft) &&
          form.right <= innerWidth - parseFloat(body.paddingRight),
      };
    });
    const px = (n) => `${n}px`;
    assert.deepEqual(layout, { sideways: 0, outside: 0, small: 0, clear: true,
      padding: [px(insets.top), px(insets.right), px(insets.bottom), px(insets.left)] });
    for (const [i, mass] of kWorked.entries()) {
      await page.tap(`#${kMasses[i]}`);
      await page.keyboard.type(mass);
    }
    await page.tap('#Command1');
    assert.deepEqual(await values(page, kResults), kWorkedResults);
    if (shots) await page.screenshot({ path: path.join(shots, `screenshot-site-${name}.png`) });
  }, { only: 'chromium', started: false,
    viewport: { ...size, deviceScaleFactor: 2, isMobile: true, hasTouch: true } }]);

// The window's grey, as the page shows it, in the manifest's form.
const windowColour = (page) => page.evaluate(() => `#${getComputedStyle(document.documentElement)
  .backgroundColor.match(/\d+/g).map((n) => Number(n).toString(16).padStart(2, '0')).join('')}`);

const checks = [
  ['its manifest read without errors, and nothing stands in the way of installing it',
    async (page, { url }) => {
      const session = await page.target().createCDPSession();
      const manifest = await session.send('Page.getAppManifest');
      assert.deepEqual([manifest.url, manifest.errors], [`${url}manifest.webmanifest`, []]);
      const data = JSON.parse(manifest.data);
      assert.deepEqual([data.name, data.short_name, data.lang, data.start_url, data.scope, data.display,
        data.theme_color, data.icons.map((i) => `${i.src} ${i.sizes} ${i.purpose}`)],
      ['Vellacor', 'Vellacor', 'zh-CN', './', './', 'standalone', await windowColour(page), [
        'vellacor-192.png 192x192 any', 'vellacor-512.png 512x512 any',
        'vellacor-maskable-512.png 512x512 maskable']]);
      assert.deepEqual((await session.send('Page.getInstallabilityErrors')).installabilityErrors, []);
    }, { only: 'chromium' }],
  ['its worker keeps the folder, under the version, and takes the page at the reload',
    async (page, { url, server }) => {
      await workerReady(page);
      assert.equal(await controller(page), null);
      await page.reload();
      await started(page);
      assert.equal(await controller(page), '/service-worker.js');
      const names = await cacheNames(page);
      assert.equal(names.length, 1);
      assert.match(names[0], kCache(process.env.VELLACOR_VERSION.replace('.', '\\.'), url));
      assert.deepEqual(await page.evaluate((name) => caches.open(name).then((c) => c.keys())
        .then((keys) => keys.map((k) => k.url.slice(location.origin.length)).sort()), names[0]),
      ['/apple-touch-icon.png', '/index.html', '/manifest.webmanifest', '/vellacor-192.png',
        '/vellacor-512.png', '/vellacor-maskable-512.png']);
      await computes(page);
      assert.ok(server.requests.every((file) => file.lastIndexOf('/') === 0), server.requests.join(' '));
    }, { only: 'chromium' }],
  // WebKit too: its worker registers, and takes the page opened again.
  ['served, it computes; with the server gone, it opens from its worker and computes the example',
    async (page, { url, stop }) => {
      await computes(page);
      await workerReady(page);
      await stop();
      await page.goto(url);
      await started(page);
      assert.equal(await controller(page), '/service-worker.js');
      await computes(page);
    }],
  ['a new version: the old one to the end of its use, then the new one whole, the old cache gone',
    async (page, { url, folder, browser }) => {
      await controlled(page);
      copyIn(folder, nextVersion(folder));
      await page.reload();
      await started(page);
      await poll(page, () => navigator.serviceWorker.getRegistration().then((r) => !!r.waiting),
        'the new worker installed');
      assert.equal(await page.title(), 'Vellacor');
      await computes(page);
      // The next start: the app closed, and opened again once the browser
      // has put the new worker in the old one's place.
      const ready = await browser.newPage();
      const session = await ready.target().createCDPSession();
      const states = {};
      session.on('ServiceWorker.workerVersionUpdated', ({ versions }) => {
        for (const version of versions) states[version.versionId] = version.status;
      });
      await session.send('ServiceWorker.enable');
      await page.close();
      const newest = () => states[Math.max(...Object.keys(states).map(Number))];
      for (const deadline = Date.now() + 30000; newest() !== 'activated' ||
        !Object.values(states).includes('redundant');) {
        if (Date.now() > deadline) throw new Error(`the old worker still in place: ${JSON.stringify(states)}`);
        await sleep(50);
      }
      await ready.goto(url);
      await started(ready);
      assert.equal(await ready.title(), 'Vellacor 1.01');
      assert.deepEqual(await cacheNames(ready), [`vellacor 1.01-000000000000 ${url}`]);
      await computes(ready);
      await ready.close();
    }, { only: 'chromium', copy: true }],
  ['a folder half copied over: the new worker keeps nothing, the old version goes on, ' +
    'and the copy once whole installs', async (page, { url, folder, allow }) => {
    await controlled(page);
    const names = await cacheNames(page);
    const next = nextVersion(folder);
    copyIn(folder, { 'service-worker.js': next['service-worker.js'] });
    await toGuide(page, url, allow);
    assert.equal(await update(page), 'redundant');
    assert.deepEqual(await cacheNames(page), names);
    await page.goto(url);
    await started(page);
    assert.equal(await page.title(), 'Vellacor');
    await computes(page);
    // The phone tries again at a later start: asked again for as long as
    // no try is under way, since one may still be with the half copy.
    copyIn(folder, { 'index.html': next['index.html'] });
    await toGuide(page, url, allow);
    await poll(page, () => navigator.serviceWorker.getRegistration().then((r) => r.waiting ||
      r.installing ? !!r.waiting : r.update().then(() => false, () => false)), 'the whole copy installed');
    assert.deepEqual((await cacheNames(page)).sort(), [`vellacor 1.01-000000000000 ${url}`, ...names].sort());
  }, { copy: true }],
  ['withdrawn: the retiring worker put in place of the worker leaves no cache and no worker',
    async (page, { url, folder, allow }) => {
      await controlled(page);
      assert.equal((await cacheNames(page)).length, 1);
      await toGuide(page, url, allow);
      const retiring = fs.readFileSync(path.join(folder, 'service-worker-retire.js'));
      for (const file of fs.readdirSync(folder)) fs.rmSync(path.join(folder, file));
      fs.writeFileSync(path.join(folder, 'service-worker.js'), retiring);
      await update(page).catch(() => {});
      await poll(page, () => Promise.all([navigator.serviceWorker.getRegistrations(), caches.keys()])
        .then(([workers, names]) => workers.length === 0 && names.length === 0), 'no worker, no cache');
    }, { copy: true }],
  ['opened from disk: no worker, no request, and it computes', async (page) => {
    await computes(page);
    await sleep(500);
    // A page from disk may not even ask.
    assert.equal(await page.evaluate(() => !navigator.serviceWorker ||
      navigator.serviceWorker.getRegistrations().then((all) => all.length, (e) => e.name)),
    'SecurityError');
  }, { only: 'chromium', disk: true }],
  ...phoneChecks,
];

async function main() {
  const browser = await launch(engine, program);
  const disk = `file://${path.resolve(siteFolder, 'index.html')}`;
  let served = null;
  await runChecks(browser, engine, checks, {
    own: (u) => u === disk || u.startsWith('data:') || (served !== null && u.startsWith(served)),
    open: async (page, options) => {
      let folder = siteFolder;
      if (options.copy) {
        folder = fs.mkdtempSync(path.join(os.tmpdir(), 'vellacor-site-'));
        for (const file of fs.readdirSync(siteFolder)) fs.copyFileSync(path.join(siteFolder, file), path.join(folder, file));
      }
      const site = await serveSite(folder);
      served = options.disk ? null : site.url;
      if (options.disk) await page.goto(disk);
      else if (options.started !== false) await page.goto(site.url);
      return { ...site, folder, browser };
    },
  });
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
