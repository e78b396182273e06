'use strict';
// Circuit files in the page: a file picked or dropped is copied into the program's
// folder before the core reads it; whatever the core writes there goes to the browser
// as a download, byte for byte. The last circuits are kept in the stored folder so that
// they can be opened again on a later visit.
const Archivos = (() => {
  const kCarpeta = '/archivos';
  const kRecientes = '/datos/recientes';
  const kMaximoDeRecientes = 8;
  let FS = null;
  // Files of the folder and the time the page last saw each change.
  const vistos = new Map();
  let alGuardarDatos = () => {};

  function inicia(fs, guardaDatos) {
    FS = fs;
    alGuardarDatos = guardaDatos;
    for (const carpeta of [kCarpeta, kRecientes]) {
      try { FS.mkdirTree(carpeta); } catch (e) { /* already there */ }
    }
  }

  const hora = (ruta) => FS.stat(ruta).mtime.getTime();
  // The safe save's temporaries: "<name>.<n>.tmp".
  const esTemporal = (nombre) => /\.\d+\.tmp$/.test(nombre) || nombre.startsWith('.');
  const nombreDe = (ruta) => ruta.slice(ruta.lastIndexOf('/') + 1);

  // Puts a file the user gave into the folder; answers its path there.
  async function copia(archivo) {
    const datos = new Uint8Array(await archivo.arrayBuffer());
    const ruta = kCarpeta + '/' + archivo.name.replace(/[\/\\]/g, '_');
    FS.writeFile(ruta, datos);
    vistos.set(nombreDe(ruta), hora(ruta));
    return ruta;
  }

  function descarga(nombre, datos) {
    const enlace = document.createElement('a');
    enlace.href = URL.createObjectURL(new Blob([datos], { type: 'text/plain' }));
    enlace.download = nombre;
    document.body.append(enlace);
    enlace.click();
    enlace.remove();
    setTimeout(() => URL.revokeObjectURL(enlace.href), 10000);
  }

  // After each call into the core: files it wrote since the last look are downloaded
  // and become recent circuits.
  function entregaLoEscrito() {
    for (const nombre of FS.readdir(kCarpeta)) {
      if (nombre === '.' || nombre === '..' || esTemporal(nombre)) continue;
      const ruta = kCarpeta + '/' + nombre;
      const cuando = hora(ruta);
      if (vistos.get(nombre) === cuando) continue;
      vistos.set(nombre, cuando);
      const datos = FS.readFile(ruta);
      descarga(nombre, datos);
      anotaReciente(nombre, datos);
    }
  }

  function listaDeRecientes() {
    try {
      return FS.readFile(kRecientes + '/lista', { encoding: 'utf8' }).split('\n').filter(Boolean);
    } catch (e) {
      return [];
    }
  }

  function anotaReciente(nombre, datos) {
    const lista = [nombre, ...listaDeRecientes().filter((n) => n !== nombre)];
    for (const sobra of lista.splice(kMaximoDeRecientes)) {
      try { FS.unlink(kRecientes + '/' + sobra); } catch (e) { /* gone already */ }
    }
    FS.writeFile(kRecientes + '/' + nombre, datos);
    FS.writeFile(kRecientes + '/lista', lista.join('\n') + '\n');
    alGuardarDatos();
  }

  // A circuit the core has just loaded from the folder joins the recent ones.
  function anotaAbierto(ruta) {
    if (!ruta.startsWith(kCarpeta + '/')) return;
    try { anotaReciente(nombreDe(ruta), FS.readFile(ruta)); } catch (e) { /* not there */ }
  }

  // A recent circuit goes back into the folder to be opened from there.
  function preparaReciente(nombre) {
    const ruta = kCarpeta + '/' + nombre;
    FS.writeFile(ruta, FS.readFile(kRecientes + '/' + nombre));
    vistos.set(nombre, hora(ruta));
    return ruta;
  }

  // The file picker: answers the path of the copy, or null when the user cancelled.
  function elige() {
    const entrada = document.getElementById('elige-archivo');
    return new Promise((resuelve) => {
      const fin = (valor) => {
        entrada.onchange = null;
        entrada.oncancel = null;
        entrada.value = '';
        resuelve(valor);
      };
      entrada.onchange = async () => {
        const archivo = entrada.files && entrada.files[0];
        fin(archivo ? await copia(archivo) : null);
      };
      entrada.oncancel = () => fin(null);
      entrada.click();
    });
  }

  return { inicia, copia, elige, entregaLoEscrito, listaDeRecientes, anotaAbierto, preparaReciente, nombreDe, kCarpeta };
})();
