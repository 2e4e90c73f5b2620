// Keeps the release this worker came with, whole, for use with no network.
// A file whose name carries a hash of its content never changes: the worker
// takes it from the browser's cache where the page already has it, and
// answers with its own copy first. The page, the manifest and the licences
// are asked of the server on every visit, so that a new release shows as
// soon as it is online; the copy answers when the network does not. A new
// release's worker takes over at once: a page of the old one that asks for
// a file late asks for it by its own hashed name, so never gets the new
// release's file in its place.
const CACHE = '{{CACHE}}';
const KEEP = {{KEEP}};
const HASHED = new Set(Object.values({{FILES}}));

// A request's file, by its name in the site.
function siteName(url) {
  const scope = self.registration.scope;
  const name = url.split(/[?#]/)[0].slice(scope.length);
  return url.startsWith(scope) ? name || './' : null;
}

self.addEventListener('install', (event) => {
  const requests = KEEP.map((name) =>
    new Request(name, {cache: HASHED.has(name) ? 'force-cache' : 'no-cache'}));
  event.waitUntil(caches.open(CACHE)
      .then((cache) => cache.addAll(requests))
      .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
      .then((keys) => Promise.all(keys.filter((key) => key !== CACHE)
          .map((key) => caches.delete(key))))
      .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET') {
    return;
  }
  const kept = () => caches.match(request, {cacheName: CACHE, ignoreSearch: true});
  if (HASHED.has(siteName(request.url))) {
    event.respondWith(kept().then((copy) => copy || fetch(request)));
  } else {
    event.respondWith(fetch(request, {cache: 'no-cache'}).catch(() => kept()));
  }
});
