// The browser edition's service worker: the page and the files it loads
// are cached when it installs, so that once visited the game starts with
// the network gone. Online, every file comes from the network past the
// browser's HTTP cache, so a new build is played at once and whole.
//
// The files of one build are cached together under that build's name,
// which scripts/web.sh writes in below: a new build is a new worker, which
// caches all of its files before it takes over, then drops the old build's
// cache, so the cache never holds two versions of the site mixed.
const build = "@BUILD@";
const buildCache = `linkloom ${build}`;
// Served packs are kept from one build to the next.
const packCache = "linkloom packs";
const siteFiles = ["./", "index.html", "linkloom.js", "linkloom.wasm",
                   "linkloom.data", "manifest.webmanifest", "webicon.png"];
const sitePaths = new Set(siteFiles.map(
    file => new URL(file, self.registration.scope).pathname));

// The network, never the HTTP cache, which may hold an earlier build's
// file for a while after a rebuild. A page's own request cannot be
// fetched with options of its own, so it is asked for again by address.
function fromNetwork(request) {
  return fetch(request.mode === "navigate" ? request.url : request,
               {cache: "no-store"});
}

self.addEventListener("install", event => {
  event.waitUntil(caches.open(buildCache)
      .then(cache => Promise.all(siteFiles.map(file =>
          fromNetwork(new Request(file)).then(response => {
            if (!response.ok) throw new Error(`${file}: ${response.status}`);
            return [file, response];
          }))).then(fetched => Promise.all(fetched.map(
              ([file, response]) => cache.put(file, response)))))
      .catch(error => caches.delete(buildCache).then(() => {
        throw error;
      }))
      .then(() => self.skipWaiting()));
});

self.addEventListener("activate", event => {
  event.waitUntil(caches.keys()
      .then(names => Promise.all(names
          .filter(name => name !== buildCache && name !== packCache)
          .map(name => caches.delete(name))))
      .then(() => self.clients.claim()));
});

self.addEventListener("fetch", event => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== "GET" || url.origin !== location.origin) return;
  const siteFile = sitePaths.has(url.pathname);
  event.respondWith(fromNetwork(request).then(response => {
    // The site's files are cached only whole, as the worker installs.
    if (response.ok && !siteFile) {
      const copy = response.clone();
      caches.open(packCache).then(cache => cache.put(request, copy));
    }
    return response;
  }, () => caches.open(siteFile ? buildCache : packCache)
      .then(cache => cache.match(request, {ignoreSearch: true}))
      .then(cached => cached || Response.error())));
});
