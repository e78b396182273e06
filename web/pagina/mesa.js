'use strict';
// The workbench window: the visible part of the 2000 x 1500 workbench painted by the
// core into a canvas, scrolled by the page's scroll bars and zoomed by scaling the
// canvas (100 % is the core's pixels one to one). Every mouse event reaches the core in
// workbench coordinates.
const Mesa = (() => {
  const kAncho = 2000;
  const kAlto = 1500;
  const kEsperaDeLaAyuda = 600;  // ms the pointer rests on a chip before its tooltip
  const kBordeDeArrastre = 24;   // px from an edge where a drag scrolls the workbench
  let nivel = 1;
  let nucleo = null;  // {evento(tipo, x, y), desplazamiento(x, y), pinta(x, y, w, h), chipEn(x, y), escala(nivel)}
  let ultimo = null;  // the last pointer position, in window points
  let botonIzquierdo = false;
  let esperaDeAyuda = 0;
  let autoDesplazamiento = 0;

  const area = () => document.getElementById('mesa');
  const lienzo = () => document.getElementById('lienzo');

  function desplazamiento() {
    const a = area();
    return { x: Math.round(a.scrollLeft / nivel), y: Math.round(a.scrollTop / nivel) };
  }

  // Window point -> the workbench point under it.
  function aMesa(cx, cy) {
    const r = lienzo().getBoundingClientRect();
    const d = desplazamiento();
    return { x: Math.floor((cx - r.left) / nivel) + d.x, y: Math.floor((cy - r.top) / nivel) + d.y };
  }

  // The canvas covers the visible part; its pixels are workbench pixels.
  function dimensiona() {
    if (nucleo) nucleo.escala(nivel);
    const a = area();
    const ancho = a.clientWidth;
    const alto = a.clientHeight;
    const extension = document.getElementById('extension');
    extension.style.width = kAncho * nivel + 'px';
    extension.style.height = kAlto * nivel + 'px';
    const c = lienzo();
    const w = Math.max(1, Math.min(kAncho, Math.ceil(ancho / nivel)));
    const h = Math.max(1, Math.min(kAlto, Math.ceil(alto / nivel)));
    if (c.width !== w || c.height !== h) { c.width = w; c.height = h; }
    c.style.width = w * nivel + 'px';
    c.style.height = h * nivel + 'px';
    // The sticky canvas takes room in the flow: pull the rest back so it adds no scroll.
    c.style.marginBottom = -h * nivel + 'px';
  }

  function pinta() {
    if (!nucleo) return;
    const c = lienzo();
    const d = desplazamiento();
    const pixeles = nucleo.pinta(d.x, d.y, c.width, c.height);
    if (!pixeles) return;
    const imagen = new ImageData(new Uint8ClampedArray(pixeles.buffer, pixeles.byteOffset, c.width * c.height * 4), c.width, c.height);
    c.getContext('2d').putImageData(imagen, 0, 0);
  }

  function cambiaNivel(nuevo, fijo) {
    const a = area();
    const r = a.getBoundingClientRect();
    const punto = fijo || { x: r.left + a.clientWidth / 2, y: r.top + a.clientHeight / 2 };
    const enMesa = aMesa(punto.x, punto.y);
    nivel = nuevo / 100;
    dimensiona();
    a.scrollLeft = enMesa.x * nivel - (punto.x - r.left);
    a.scrollTop = enMesa.y * nivel - (punto.y - r.top);
    alDesplazar();
  }

  // The level at which the whole workbench fits the window.
  function nivelAjustado() {
    const a = area();
    return Math.min(a.clientWidth / kAncho, a.clientHeight / kAlto) * 100;
  }

  // The level and scroll at which the workbench area [l, r) x [t, b) fills the window,
  // never past the largest level of the menu.
  function ajustaA(l, t, r, b) {
    const a = area();
    const cabe = Math.min(a.clientWidth / (r - l), a.clientHeight / (b - t)) * 100;
    nivel = Math.max(10, Math.min(300, Math.floor(cabe))) / 100;
    dimensiona();
    a.scrollLeft = ((l + r) / 2) * nivel - a.clientWidth / 2;
    a.scrollTop = ((t + b) / 2) * nivel - a.clientHeight / 2;
    alDesplazar();
  }

  function alDesplazar() {
    const d = desplazamiento();
    nucleo.desplazamiento(d.x, d.y);
  }

  function ocultaAyuda() {
    clearTimeout(esperaDeAyuda);
    document.getElementById('ayuda-de-chip').hidden = true;
  }

  // The chip's tooltip once the pointer rests on it; moving on hides it.
  function programaAyuda(e) {
    ocultaAyuda();
    if (botonIzquierdo) return;
    const { clientX, clientY } = e;
    esperaDeAyuda = setTimeout(() => {
      const p = aMesa(clientX, clientY);
      const codigo = nucleo.chipEn(p.x, p.y);
      if (codigo) nucleo.muestraAyudaDeChip(codigo, clientX + 14, clientY + 20);
    }, kEsperaDeLaAyuda);
  }

  // A held button near an edge scrolls, and the drag follows.
  function revisaAutoDesplazamiento() {
    clearInterval(autoDesplazamiento);
    autoDesplazamiento = 0;
    if (!botonIzquierdo || !ultimo || !nucleo.arrastra()) return;
    const r = area().getBoundingClientRect();
    const dx = ultimo.x < r.left + kBordeDeArrastre ? -20 : ultimo.x > r.left + area().clientWidth - kBordeDeArrastre ? 20 : 0;
    const dy = ultimo.y < r.top + kBordeDeArrastre ? -20 : ultimo.y > r.top + area().clientHeight - kBordeDeArrastre ? 20 : 0;
    if (!dx && !dy) return;
    autoDesplazamiento = setInterval(() => {
      if (!botonIzquierdo) return revisaAutoDesplazamiento();
      area().scrollBy(dx * nivel, dy * nivel);
      const p = aMesa(ultimo.x, ultimo.y);
      nucleo.evento('mueve', p.x, p.y);
    }, 50);
  }

  function inicia(n) {
    nucleo = n;
    const a = area();
    const c = lienzo();
    dimensiona();
    new ResizeObserver(() => { dimensiona(); pinta(); }).observe(a);
    a.addEventListener('scroll', alDesplazar);
    c.addEventListener('contextmenu', (e) => e.preventDefault());
    c.addEventListener('pointerdown', (e) => {
      a.focus({ preventScroll: true });
      ocultaAyuda();
      const p = aMesa(e.clientX, e.clientY);
      ultimo = { x: e.clientX, y: e.clientY };
      if (e.button === 0) {
        // The window keeps the mouse while the button is held, so the release arrives.
        c.setPointerCapture(e.pointerId);
        botonIzquierdo = true;
        // Shift+click adds to the selection or takes out of it.
        nucleo.evento(e.shiftKey ? 'alternaSeleccion' : 'izquierdoAbajo', p.x, p.y);
      } else if (e.button === 2) {
        nucleo.evento('derechoAbajo', p.x, p.y);
      }
      e.preventDefault();
    });
    c.addEventListener('pointermove', (e) => {
      ultimo = { x: e.clientX, y: e.clientY };
      const p = aMesa(e.clientX, e.clientY);
      nucleo.evento('mueve', p.x, p.y);
      programaAyuda(e);
      revisaAutoDesplazamiento();
    });
    c.addEventListener('pointerup', (e) => {
      if (e.button !== 0 || !botonIzquierdo) return;
      botonIzquierdo = false;
      revisaAutoDesplazamiento();
      const p = aMesa(e.clientX, e.clientY);
      nucleo.evento('izquierdoArriba', p.x, p.y);
    });
    c.addEventListener('pointerleave', () => {
      ocultaAyuda();
      if (!botonIzquierdo) nucleo.evento('sale', 0, 0);
    });
    a.addEventListener('wheel', (e) => {
      if (!e.ctrlKey) return;
      // Ctrl+wheel zooms about the pointer, one level per notch.
      e.preventDefault();
      nucleo.zoomPorRueda(e.deltaY < 0 ? 1 : -1, { x: e.clientX, y: e.clientY });
    }, { passive: false });
  }

  return {
    inicia, pinta, cambiaNivel, nivelAjustado, ajustaA, aMesa, ocultaAyuda,
    nivel: () => nivel * 100,
    desplazamiento,
  };
})();
