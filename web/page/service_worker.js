// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The site kept for use offline: every file of one version of the site, in a
// cache named by that version, and nothing served from anywhere else. The
// build writes the next line (cmake/site_version.cmake): the version, a hash
// of the whole site, and each file's SHA-256. A new version of the site is a
// new worker, which waits until a page with nothing open asks it to take over
// (offline.js); so a page never meets files of two versions.
/* global self, caches, crypto */
const site = { version: '', files: {} };

// Caches are shared by the whole origin: another copy of the site elsewhere
// on the same host keeps its own.
const scope = self.registration.scope;
const prefix = `brimlet ${scope} `;
const name = prefix + site.version;

async function sha256(bytes) {
  const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', bytes));
  return [...digest].map((byte) => byte.toString(16).padStart(2, '0')).join('');
}

// Each file is fetched past the browser's HTTP cache and checked against its
// hash: a host half-way through an upload, or a stale copy in a proxy, fails
// the install (tried again at the next visit) rather than mix two versions.
self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(name);
    try {
      await Promise.all(Object.entries(site.files).map(async ([path, hash]) => {
        const response = await fetch(path, { cache: 'no-cache' });
        if (!response.ok || (await sha256(await response.clone().arrayBuffer())) !== hash) {
          throw new Error(`${path} is not the file of version ${site.version}`);
        }
        await cache.put(path, response);
      }));
    } catch (error) {
      await caches.delete(name);
      throw error;
    }
  })());
});

self.addEventListener('message', (event) => {
  if (event.data === 'take-over') self.skipWaiting();
});

// Taking over, the worker removes the caches of every older version.
self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    const old = (await caches.keys()).filter((key) => key.startsWith(prefix) && key !== name);
    await Promise.all(old.map((key) => caches.delete(key)));
  })());
});

self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || !url.href.startsWith(scope)) return;
  const path = url.pathname.slice(new URL(scope).pathname.length) || 'index.html';
  if (!(path in site.files)) return;
  event.respondWith((async () => {
    const cache = await caches.open(name);
    return (await cache.match(path)) ?? fetch(event.request);
  })());
});
