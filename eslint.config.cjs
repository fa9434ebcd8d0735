// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// The page's JavaScript held to its oldest browsers: the syntax of 2017 and
// no API that Chromium 57, Firefox 53 or Safari 11 lacks (eslint-plugin-
// compat), for the page's own script and the loader emscripten makes.
// ESLint's recommended rules for the script we write. The clients come
// from the page tests' lock file (make web), found through NODE_PATH.
//   NODE_PATH=build-web/browser-test/node_modules \
//     node build-web/browser-test/node_modules/eslint/bin/eslint.js --max-warnings 0 \
//     window/web/page.js build-web/window/web/vellacor_module.js
'use strict';
const compat = require('eslint-plugin-compat');
const js = require('@eslint/js');
const globals = require('globals');

const floor = {
  languageOptions: { ecmaVersion: 2017, sourceType: 'script', globals: globals.browser },
  plugins: { compat },
  settings: { browsers: ['chrome >= 57', 'firefox >= 53', 'safari >= 11'] },
  rules: { 'compat/compat': 'error' },
};

module.exports = [
  { files: ['window/web/page.js'], ...js.configs.recommended },
  // catch needs its binding before ES2019, whether used or not.
  { files: ['window/web/page.js'], rules: { 'no-unused-vars': ['error', { caughtErrors: 'none' }] } },
  {
    files: ['window/web/page.js'],
    ...floor,
    languageOptions: { ...floor.languageOptions, globals: { ...globals.browser, Vellacor: 'readonly' } },
  },
  { files: ['**/vellacor_module.js'], ...floor },
];
