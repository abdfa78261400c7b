// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The page offline after one visit, and a new version at the next: the
// service worker (service_worker.js) keeps every file of one version. A new
// version's worker waits while pages of the old one run; a page with nothing
// open asks it to take over and starts again from it. A page in use keeps its
// version: it asks for no file once it has started, so it never meets a file
// of the new one, which it gets when it is next opened.
const nothingOpen = () => document.querySelector('#desktop > .window') === null;

// Browsers offer service workers over https, and over http on this machine.
const workers = /^https?:$/.test(window.location.protocol) ? navigator.serviceWorker : undefined;

// Listened for from the page's first module on: a page still starting, or
// showing its menus alone, loses nothing by starting again.
workers?.addEventListener('controllerchange', () => {
  if (nothingOpen()) window.location.reload();
});

// Called once the page has started, so that filling the cache does not
// compete with the page's own files.
export function keepOffline() {
  if (!workers) return;
  const offerTakeOver = (registration) => {
    if (registration.waiting && nothingOpen()) registration.waiting.postMessage('take-over');
  };
  workers.register('service_worker.js').then((registration) => {
    const watch = (next) => next?.addEventListener('statechange', () => {
      if (next.state === 'installed') offerTakeOver(registration);
    });
    offerTakeOver(registration);
    watch(registration.installing);
    registration.addEventListener('updatefound', () => watch(registration.installing));
  }, (error) => console.warn(`Brimlet 5 is not kept for use offline: ${error.message}`));
}
