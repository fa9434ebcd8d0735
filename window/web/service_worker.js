// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// The page served as an app: this worker keeps the folder's files (the
// page, its manifest and icons) for use without the network, one version
// at a time. It takes the page at the next start after it is installed,
// never in the middle of a use, so that a page and its files are always
// of one version; it then drops the files of the version before. It asks
// for nothing outside its own folder. assemble_page.js writes in the
// version (the program's, and a digest of the files) and the files.
'use strict';
const kVersion = '@VERSION@';
const kFiles = '@FILES@'.split(' ');
const kPage = 'index.html';
const kFolder = new URL('./', self.location.href).href;
// Each folder of an address its own caches, so that two copies of the
// app on one server leave each other's alone.
const kCache = 'vellacor ' + kVersion + ' ' + kFolder;
const kOwn = new RegExp('^vellacor .* ' + kFolder.replace(/[.*+?^${}()|[\]\\]/g, '\\$&') + '$');

self.addEventListener('install', function (event) {
  // Fresh from the server, not from the browser's own cache, which may
  // still hold the files of the version before.
  event.waitUntil(caches.open(kCache).then(function (cache) {
    return cache.addAll(kFiles.map(function (file) { return new Request(file, { cache: 'reload' }); }));
  }));
});

self.addEventListener('activate', function (event) {
  event.waitUntil(caches.keys().then(function (names) {
    return Promise.all(names.filter(function (name) { return kOwn.test(name) && name !== kCache; })
      .map(function (name) { return caches.delete(name); }));
  }));
});

// The folder's own files from the cache, the page for the folder's
// address too; anything else of the folder from the network, as without
// the worker.
self.addEventListener('fetch', function (event) {
  const request = event.request;
  if (request.method !== 'GET' || request.url.indexOf(kFolder) !== 0) return;
  const path = request.url.slice(kFolder.length).split(/[?#]/)[0];
  const file = path === '' && request.mode === 'navigate' ? kPage : path;
  if (kFiles.indexOf(file) < 0) return;
  event.respondWith(caches.open(kCache).then(function (cache) {
    return cache.match(file);
  }).then(function (response) {
    return response || fetch(request);
  }));
});
