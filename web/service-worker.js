// The browser edition's service worker: the page and the files it loads
// are cached when it installs, so that once visited the game starts with
// the network gone. Online, every file still comes from the network, and
// the cache keeps the copy, so a new build is played at once.
const cacheName = "linkloom";
const siteFiles = ["./", "index.html", "linkloom.js", "linkloom.wasm",
                   "linkloom.data", "manifest.webmanifest", "webicon.png"];

self.addEventListener("install", event => {
  event.waitUntil(caches.open(cacheName)
      .then(cache => cache.addAll(siteFiles))
      .then(() => self.skipWaiting()));
});

self.addEventListener("activate", event => {
  event.waitUntil(self.clients.claim());
});

self.addEventListener("fetch", event => {
  const request = event.request;
  if (request.method !== "GET" ||
      new URL(request.url).origin !== location.origin)
    return;
  event.respondWith(fetch(request).then(response => {
    // Served packs are kept as well, so their addresses play offline.
    if (response.ok) {
      const copy = response.clone();
      caches.open(cacheName).then(cache => cache.put(request, copy));
    }
    return response;
  }, () => caches.match(request, {ignoreSearch: true}).then(
      cached => cached || Response.error())));
});
