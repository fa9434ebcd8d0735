// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// The page's JavaScript held to its oldest browsers: the syntax of 2017 and
// no API that the oldest browsers served lack (window/web/browser_floor.json;
// eslint-plugin-compat), for the page's own script and the loader emscripten makes.
// ESLint's recommended rules for the scripts we write. The clients come
// from the page tests' lock file (make web), found through NODE_PATH.
//   NODE_PATH=build-web/browser-test/node_modules \
//     node build-web/browser-test/node_modules/eslint/bin/eslint.js --max-warnings 0 \
//     window/web/page.js window/web/service_worker.js build-web/window/web/vellacor_module.js
'use strict';
const compat = require('eslint-plugin-compat');
const js = require('@eslint/js');
const globals = require('globals');
const least = require('./window/web/browser_floor.json');

const floor = {
  languageOptions: { ecmaVersion: 2017, sourceType: 'script', globals: globals.browser },
  plugins: { compat },
  settings: { browsers: [`chrome >= ${least.chromium}`, `firefox >= ${least.firefox}`, `safari >= ${least.safari}`] },
  rules: { 'compat/compat': 'error' },
};

// The served folder's service worker runs only where service workers are
// (Chromium 57, Firefox 53 and Safari 11.1 have them): held to the syntax
// of 2017 and the workers' globals.
const worker = {
  ...floor,
  languageOptions: { ...floor.languageOptions, globals: globals.serviceworker },
  // Safari has service workers from 11.1.
  settings: { browsers: [`chrome >= ${least.chromium}`, `firefox >= ${least.firefox}`,
    `safari >= ${Math.max(least.safari, 11.1)}`] },
};
const own = ['window/web/page.js', 'window/web/service_worker.js'];

module.exports = [
  { files: own, ...js.configs.recommended },
  // catch needs its binding before ES2019, whether used or not.
  { files: own, rules: { 'no-unused-vars': ['error', { caughtErrors: 'none' }] } },
  {
    files: ['window/web/page.js'],
    ...floor,
    languageOptions: { ...floor.languageOptions, globals: { ...globals.browser, Vellacor: 'readonly' } },
  },
  { files: ['window/web/service_worker.js'], ...worker },
  { files: ['**/vellacor_module.js'], ...floor },
];
