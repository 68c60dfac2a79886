'use strict';
// Keeps one version of the site for playing offline. Each version's files go
// into a cache of their own, named after the version, all of them before the
// worker serves anything. A new version's worker waits until no page of the
// old one is open, then serves its own files and drops the old ones: a page
// never gets the files of two versions.
const version = 'vorn-@VERSION@';
const files = [@FILES@];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(version).then((cache) => cache.addAll(files)));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(
    names.filter((name) => name.startsWith('vorn-') && name !== version).map((name) => caches.delete(name)))));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(version).then(async (cache) =>
    (await cache.match(event.request, {ignoreSearch: true})) || fetch(event.request)));
});
