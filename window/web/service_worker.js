// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// The page served as an app: this worker keeps the folder's files (the
// page, its manifest and icons) for use without the network, one version
// at a time. It takes the page at the next start after it is installed,
// never in the middle of a use, so that a page and its files are always
// of one version; it then drops the files of the version before. It keeps
// a file only when it is the very file this version was built with, so a
// folder half copied over installs nothing and the phone goes on with the
// version it has. It asks for nothing outside its own folder.
// assemble_page.js writes in the version (the program's, and a digest of
// the files), each file's SHA-256, and whether this is the retiring
// worker: the one an administrator puts in this one's place to take the
// app off the phones, which keeps nothing, drops the folder's caches and
// unregisters.
'use strict';
const kVersion = '@VERSION@';
const kDigests = JSON.parse('@DIGESTS@');
const kFiles = Object.keys(kDigests);
const kRetiring = '@RETIRING@' === 'true';
const kPage = 'index.html';
const kFolder = new URL('./', self.location.href).href;
// Each folder of an address its own caches, so that two copies of the
// app on one server leave each other's alone.
const kCache = 'vellacor ' + kVersion + ' ' + kFolder;
const kOwn = new RegExp('^vellacor .* ' + kFolder.replace(/[.*+?^${}()|[\]\\]/g, '\\$&') + '$');

function hex(buffer) {
  return Array.prototype.map.call(new Uint8Array(buffer), function (byte) {
    return ('0' + byte.toString(16)).slice(-2);
  }).join('');
}

// A file fresh from the server, not from the browser's own cache, which
// may still hold the version before; refused unless it is this version's.
function fetchChecked(file) {
  return fetch(new Request(file, { cache: 'reload' })).then(function (response) {
    if (!response.ok) throw new Error(file + ': ' + response.status);
    return response.clone().arrayBuffer().then(function (body) {
      return crypto.subtle.digest('SHA-256', body);
    }).then(function (digest) {
      if (hex(digest) !== kDigests[file]) throw new Error(file + ' is not the file of ' + kVersion);
      return response;
    });
  });
}

// Every file checked before any is kept: a refusal leaves no cache.
function keepAll() {
  return Promise.all(kFiles.map(fetchChecked)).then(function (responses) {
    return caches.open(kCache).then(function (cache) {
      return Promise.all(responses.map(function (response, i) { return cache.put(kFiles[i], response); }));
    });
  }).catch(function (error) {
    return caches.delete(kCache).then(function () { throw error; });
  });
}

// This folder's caches, but for the one named.
function dropCaches(kept) {
  return caches.keys().then(function (names) {
    return Promise.all(names.filter(function (name) { return kOwn.test(name) && name !== kept; })
      .map(function (name) { return caches.delete(name); }));
  });
}

self.addEventListener('install', function (event) {
  event.waitUntil(kRetiring ? self.skipWaiting() : keepAll());
});

self.addEventListener('activate', function (event) {
  event.waitUntil(kRetiring ? dropCaches(null).then(function () {
    return self.registration.unregister();
  }) : dropCaches(kCache));
});

// The folder's own files from the cache, the page for the folder's
// address too; anything else of the folder from the network, as without
// the worker.
self.addEventListener('fetch', function (event) {
  const request = event.request;
  if (kRetiring || request.method !== 'GET' || request.url.indexOf(kFolder) !== 0) return;
  const path = request.url.slice(kFolder.length).split(/[?#]/)[0];
  const file = path === '' && request.mode === 'navigate' ? kPage : path;
  if (kFiles.indexOf(file) < 0) return;
  event.respondWith(caches.open(kCache).then(function (cache) {
    return cache.match(file);
  }).then(function (response) {
    return response || fetch(request);
  }));
});
