'use strict';
// The desktop's pictures and font, made at build time by the desktop's own painter: put
// into the program's file system before it starts, and the toolbar's images cut from
// its strip.
const Pinturas = (() => {
  const kCarpeta = '/pinturas';
  const kArchivos = ['imagenes.vlim', 'fuente.vlft', 'elipses.vlel'];
  const kLado = 16;
  // Buttons without a picture in the strip (undo, redo) get the usual arrows.
  const kFlechas = { 110: '↶', 111: '↷' };

  async function carga(M) {
    M.FS.mkdir(kCarpeta);
    await Promise.all(kArchivos.map(async (nombre) => {
      const respuesta = await fetch(nombre);
      if (!respuesta.ok) throw new Error(nombre + ': ' + respuesta.status);
      M.FS.writeFile(kCarpeta + '/' + nombre, new Uint8Array(await respuesta.arrayBuffer()));
    }));
  }

  function botonDeLaBarra(M, imagen, id) {
    if (imagen < 0) {
      const flecha = document.createElement('span');
      flecha.textContent = kFlechas[id] || '•';
      return flecha;
    }
    const lienzo = document.createElement('canvas');
    lienzo.width = kLado;
    lienzo.height = kLado;
    const pixeles = M.imagenDeLaBarra(imagen);
    if (pixeles.length === kLado * kLado * 4) {
      lienzo.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(pixeles), kLado, kLado), 0, 0);
    }
    return lienzo;
  }

  return { carga, botonDeLaBarra, kCarpeta };
})();
