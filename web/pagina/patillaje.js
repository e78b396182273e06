'use strict';
// A chip's pinout: the tooltip over a chip on the workbench, and the "Patillaje" panel
// that follows the chip under the pointer. The package is seen from above, pin 1 top
// left, pins counted down the left side and up the right, as the data sheets draw it.
const Patillaje = (() => {
  let M = null;
  let T = {};
  let panelVisible = false;

  // "~CLR" is active low: the bar covers the name up to a '/' ("A/~B": only B).
  function nombreDePatilla(nombre) {
    const celda = document.createElement('span');
    for (const [i, parte] of nombre.split('/').entries()) {
      if (i) celda.append('/');
      if (parte.startsWith('~')) {
        const barrado = document.createElement('span');
        barrado.className = 'barrado';
        barrado.textContent = parte.slice(1);
        celda.append(barrado);
      } else celda.append(parte);
    }
    return celda;
  }

  function dibujo(codigo) {
    const pines = M.patillasDelChip(codigo);
    const tabla = document.createElement('table');
    const mitad = pines / 2;
    for (let fila = 0; fila < mitad; ++fila) {
      const izquierda = fila + 1;
      const derecha = pines - fila;
      const tr = document.createElement('tr');
      const celda = (clase, contenido) => {
        const td = document.createElement('td');
        if (clase) td.className = clase;
        if (contenido !== undefined) td.append(contenido);
        tr.append(td);
      };
      celda('nombre-izquierdo', nombreDePatilla(M.patillaDelChip(codigo, izquierda)));
      celda('numero', String(izquierda));
      celda('cuerpo-del-chip', fila === 0 ? '◡' : '');
      celda('numero', String(derecha));
      celda('nombre-derecho', nombreDePatilla(M.patillaDelChip(codigo, derecha)));
      tabla.append(tr);
    }
    tabla.querySelectorAll('.nombre-izquierdo').forEach((td) => { td.style.textAlign = 'right'; });
    return tabla;
  }

  function contenido(codigo) {
    const caja = document.createDocumentFragment();
    const nombre = document.createElement('b');
    nombre.textContent = M.etiquetaDelChip(codigo);
    const descripcion = document.createElement('div');
    descripcion.textContent = M.descripcionDelChip(codigo);
    caja.append(nombre, descripcion, dibujo(codigo));
    return caja;
  }

  // Kept on the screen, beside the pointer.
  function muestraAyuda(codigo, x, y) {
    const ayuda = document.getElementById('ayuda-de-chip');
    ayuda.replaceChildren(contenido(codigo));
    ayuda.dataset.codigo = codigo;
    ayuda.hidden = false;
    const r = ayuda.getBoundingClientRect();
    const izquierda = Math.min(x, innerWidth - r.width - 4);
    const arriba = y + r.height > innerHeight ? y - r.height - 24 : y;
    ayuda.style.left = Math.max(0, izquierda) + 'px';
    ayuda.style.top = Math.max(0, arriba) + 'px';
  }

  let ultimoCodigo = 0;
  function actualiza(codigo) {
    if (!panelVisible) return;
    const panel = document.getElementById('patillaje');
    if (codigo) ultimoCodigo = codigo;
    if (!ultimoCodigo) {
      panel.replaceChildren(T.sinChip);
      return;
    }
    if (panel.dataset.codigo === String(ultimoCodigo)) return;
    panel.dataset.codigo = ultimoCodigo;
    panel.replaceChildren(contenido(ultimoCodigo));
  }

  function alterna() {
    panelVisible = !panelVisible;
    document.getElementById('patillaje').hidden = !panelVisible;
    actualiza();
  }

  return {
    inicia: (m, t) => { M = m; T = t; },
    muestraAyuda, alterna, actualiza,
    visible: () => panelVisible,
  };
})();
