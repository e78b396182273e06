'use strict';
// Works offline once visited: every file of the page is kept; the network comes first,
// so a published update is taken as soon as it can be reached.
const kAlmacen = 'velistra-v1';
const kArchivos = [
  './', 'index.html', 'velistra.css', 'velistra.js', 'velistra.wasm',
  'dialogos.js', 'archivos.js', 'menus.js', 'mesa.js', 'patillaje.js', 'pinturas.js', 'pagina.js',
  'manifest.webmanifest', 'velistra-64.png', 'velistra-128.png', 'velistra-256.png',
  'imagenes.vlim', 'fuente.vlft', 'elipses.vlel',
];

self.addEventListener('install', (e) => {
  e.waitUntil(caches.open(kAlmacen).then((c) => c.addAll(kArchivos)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (e) => {
  e.waitUntil(caches.keys()
    .then((claves) => Promise.all(claves.filter((k) => k !== kAlmacen).map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET' || new URL(e.request.url).origin !== location.origin) return;
  e.respondWith(fetch(e.request).then((respuesta) => {
    if (respuesta.ok) {
      const copia = respuesta.clone();
      caches.open(kAlmacen).then((c) => c.put(e.request, copia));
    }
    return respuesta;
  }).catch(() => caches.match(e.request, { ignoreSearch: true })));
});
