'use strict';
// Start-up and the one road into the core: every event waits its turn, so the core is
// never entered again while a dialog holds it (the timer and the mouse wait too).
(async () => {
  const kTic = 47;                 // ms, the workbench's timer
  const kGuardaDatosCada = 3000;   // ms between writes of the stored folder
  const kCarpetaDeDatos = '/datos';
  const kClaveDeIdioma = 'velistra.idioma';

  // Commands the page carries out itself: the view and the language.
  const kAcercar = 200, kAlejar = 201, kTamanoNormal = 202, kPrimerNivel = 210;
  const kAjustar = 220, kAjustarAlCircuito = 221, kPatillaje = 230, kAyuda = 300, kEspanol = 310, kIngles = 311;
  const kDeshacer = 110, kRehacer = 111, kAlmacenarEn = 104;
  const kNiveles = [50, 75, 100, 150, 200, 300];
  // What the core asks after an event, as bits.
  const kRepintar = 1, kTitulo = 2, kMuestraAyuda = 8, kCierra = 16;

  function idiomaAlEmpezar() {
    const elegido = localStorage.getItem(kClaveDeIdioma);
    if (elegido === 'es' || elegido === 'en') return elegido;
    const preferido = (navigator.languages && navigator.languages[0]) || navigator.language || '';
    return /^en\b/i.test(preferido) ? 'en' : 'es';
  }

  const M = await Velistra({ locateFile: (nombre) => nombre });
  const idioma = idiomaAlEmpezar();
  document.documentElement.lang = idioma;

  // The stored folder (IndexedDB): the recovery copy and the recent circuits.
  M.FS.mkdir(kCarpetaDeDatos);
  M.FS.mount(M.IDBFS, {}, kCarpetaDeDatos);
  const sincroniza = (desdeElAlmacen) => new Promise((r) => M.FS.syncfs(desdeElAlmacen, () => r()));
  await sincroniza(true);
  const guardaDatos = () => M.FS.syncfs(false, () => {});

  await Pinturas.carga(M);
  M.ccall('velistra_inicia', null, ['string', 'string', 'string'], [idioma, kCarpetaDeDatos + '/recuperacion', Pinturas.kCarpeta]);
  const T = M.textos();
  Dialogos.textos(T);
  Archivos.inicia(M.FS, guardaDatos);

  M.velistra = {
    avisos: { muestra: Dialogos.muestra, pregunta: Dialogos.pregunta, elige: Dialogos.elige },
    dialogos: {
      abre: () => Archivos.elige(),
      guarda: async (carpeta, extension, actual) => {
        const propuesto = actual ? Archivos.nombreDe(actual) : 'circuito.' + extension;
        const nombre = await Dialogos.pideNombre(textoDeOrden(kAlmacenarEn), propuesto, extension);
        return nombre === null ? null : carpeta + '/' + nombre;
      },
      color: Dialogos.color,
    },
  };

  const menus = M.menus();
  // The text of a command as its menu item shows it.
  const textoDeOrden = (id) => menus.flatMap((m) => m.filas).find((f) => f.id === id).texto;

  // ---- The one road into the core.
  const pendientes = [];
  let ocupado = false;
  let archivoAnotado = '';

  async function corre() {
    if (ocupado) return;
    ocupado = true;
    try {
      while (pendientes.length) {
        const tarea = pendientes.shift();
        try { await tarea.hacer(); } catch (e) { console.error(e); }
      }
    } finally {
      ocupado = false;
    }
  }

  // A pointer move or a scroll replaces one still waiting: only the last one matters.
  function encola(hacer, clase) {
    if (clase === 'mueve' || clase === 'desplazamiento') {
      const i = pendientes.findIndex((t) => t.clase === clase);
      if (i >= 0) { pendientes[i].hacer = hacer; return; }
    }
    pendientes.push({ hacer, clase });
    corre();
  }

  // While a call is in the core (suspended in a dialog included), nothing else may enter it.
  let enElNucleo = false;
  async function llama(nombre, tipos = [], args = []) {
    enElNucleo = true;
    try {
      return await M.ccall(nombre, 'number', tipos, args, { async: true });
    } finally {
      enElNucleo = false;
    }
  }

  let ultimaPosicion = null;

  async function atiende(accion) {
    if (accion & kRepintar) Mesa.pinta();
    actualizaEstado();
    actualizaTitulo();
    Menus.actualiza();
    Archivos.entregaLoEscrito();
    const archivo = M.archivoActual();
    if (archivo && archivo !== archivoAnotado) {
      archivoAnotado = archivo;
      Archivos.anotaAbierto(archivo);
    }
    if (accion & kMuestraAyuda) await muestraAyuda();
    if (accion & kCierra) await cierra();
  }

  function actualizaTitulo() {
    const titulo = M.titulo().replace(Archivos.kCarpeta + '/', '');
    document.title = M.modificado() ? titulo + '*' : titulo;
  }

  function actualizaEstado() {
    const rechazo = M.rechazo();
    document.getElementById('estado-sonda').textContent = rechazo || M.estado();
    document.getElementById('estado-posicion').textContent =
      ultimaPosicion ? M.posicion(ultimaPosicion.x, ultimaPosicion.y) : '';
    Patillaje.actualiza(ultimaPosicion ? M.chipEn(ultimaPosicion.x, ultimaPosicion.y) : 0);
  }

  const kEventos = {
    izquierdoAbajo: 'velistra_izquierdo_abajo',
    mueve: 'velistra_mueve',
    izquierdoArriba: 'velistra_izquierdo_arriba',
    derechoAbajo: 'velistra_derecho_abajo',
    alternaSeleccion: 'velistra_alterna_seleccion',
  };

  function evento(tipo, x, y) {
    if (tipo === 'sale') {
      ultimaPosicion = null;
      encola(async () => atiende(await llama('velistra_sale')), 'sale');
      return;
    }
    if (tipo === 'mueve') ultimaPosicion = { x, y };
    encola(async () => {
      const inicio = performance.now();
      await atiende(await llama(kEventos[tipo], ['number', 'number'], [x, y]));
      // Settled and repainted: what the performance tools show per event.
      performance.measure('velistra:' + tipo, { start: inicio });
    }, tipo);
  }

  async function muestraAyuda() {
    await Dialogos.ayuda(T.ayuda.slice(0, -1), T.ayuda[T.ayuda.length - 1]);
  }

  async function cierra() {
    if (!(await llama('velistra_puede_cerrar'))) return;
    M.ccall('velistra_termina', null, [], []);
    await sincroniza(false);
    window.close();
    // A tab the page did not open stays: it starts over, as a new program would.
    location.reload();
  }

  // ---- The view.
  function zoom(nuevo, fijo) {
    Mesa.cambiaNivel(Math.max(10, Math.min(400, nuevo)), fijo);
    Menus.actualiza();
  }

  function nivelVecino(sentido) {
    const actual = Mesa.nivel();
    const lista = sentido > 0 ? kNiveles.filter((n) => n > actual + 0.01) : kNiveles.filter((n) => n < actual - 0.01).reverse();
    return lista.length ? lista[0] : actual;
  }

  function eligeIdioma(codigo) {
    localStorage.setItem(kClaveDeIdioma, codigo);
    if (codigo === M.idioma()) return;
    const otros = M.textosEn(codigo);
    Dialogos.muestra(otros.idiomaElegido, otros.idioma, 3);
  }

  function ejecuta(id) {
    if (id === kAcercar) return zoom(nivelVecino(1));
    if (id === kAlejar) return zoom(nivelVecino(-1));
    if (id === kTamanoNormal) return zoom(100);
    if (id >= kPrimerNivel && id < kPrimerNivel + kNiveles.length) return zoom(kNiveles[id - kPrimerNivel]);
    if (id === kAjustar) return zoom(Mesa.nivelAjustado());
    if (id === kAjustarAlCircuito) {
      const z = M.areaEnUso();
      if (z.length === 4) Mesa.ajustaA(z[0], z[1], z[2], z[3]);
      return Menus.actualiza();
    }
    if (id === kPatillaje) { Patillaje.alterna(); return Menus.actualiza(); }
    if (id === kEspanol || id === kIngles) return eligeIdioma(id === kIngles ? 'en' : 'es');
    encola(async () => atiende(await llama('velistra_ejecuta', ['number'], [id])), 'orden');
  }

  function estadoDe(id) {
    if (id === kDeshacer) return { activo: !enElNucleo && M.puedeDeshacer() };
    if (id === kRehacer) return { activo: !enElNucleo && M.puedeRehacer() };
    if (id >= kPrimerNivel && id < kPrimerNivel + kNiveles.length)
      return { activo: true, marcado: Math.abs(Mesa.nivel() - kNiveles[id - kPrimerNivel]) < 0.01 };
    if (id === kPatillaje) return { activo: true, marcado: Patillaje.visible() };
    if (id === kEspanol || id === kIngles) return { activo: true, marcado: (id === kIngles ? 'en' : 'es') === M.idioma() };
    return { activo: true };
  }

  function abreArchivo(ruta) {
    encola(async () => atiende(await llama('velistra_abre', ['string'], [ruta])), 'orden');
  }

  // ---- The page.
  Menus.construye({
    menus,
    botones: M.botones(),
    imagenDeBoton: (b) => Pinturas.botonDeLaBarra(M, b.imagen, b.id),
    ejecuta, estadoDe,
    recientes: () => Archivos.listaDeRecientes(),
    abreReciente: (nombre) => abreArchivo(Archivos.preparaReciente(nombre)),
  });

  Patillaje.inicia(M, T);
  Mesa.inicia({
    evento,
    // The scroll offset waits its turn like any event; a repaint asked for meanwhile
    // comes after the call.
    desplazamiento: (x, y) => encola(async () => {
      M.ccall('velistra_desplazamiento', null, ['number', 'number'], [x, y]);
      Mesa.pinta();
    }, 'desplazamiento'),
    pinta: (x, y, w, h) => (enElNucleo ? null : M.pinta(x, y, w, h)),
    chipEn: (x, y) => (enElNucleo ? 0 : M.chipEn(x, y)),
    // Waits its turn too, so the repaint after a zoom draws at the new scale.
    escala: (n) => encola(async () => { M.escalaDeLaVista(n); Mesa.pinta(); }, 'escala'),
    arrastra: () => !enElNucleo && M.arrastra(),
    muestraAyudaDeChip: (codigo, x, y) => Patillaje.muestraAyuda(codigo, x, y),
    zoomPorRueda: (sentido, fijo) => zoom(nivelVecino(sentido), fijo),
  });
  Mesa.pinta();
  performance.mark('velistra:mesa-mostrada');
  actualizaTitulo();
  actualizaEstado();

  // A circuit file dropped on the page opens as "Recuperar..." opens one.
  document.addEventListener('dragover', (e) => {
    if (!e.dataTransfer || ![...e.dataTransfer.types].includes('Files')) return;
    e.preventDefault();
    document.body.classList.add('arrastrando-archivo');
  });
  document.addEventListener('dragleave', (e) => { if (!e.relatedTarget) document.body.classList.remove('arrastrando-archivo'); });
  document.addEventListener('drop', async (e) => {
    document.body.classList.remove('arrastrando-archivo');
    const archivo = e.dataTransfer && e.dataTransfer.files[0];
    if (!archivo) return;
    e.preventDefault();
    abreArchivo(await Archivos.copia(archivo));
  });

  // Leaving with unsaved changes asks first, as closing the window does.
  window.addEventListener('beforeunload', (e) => {
    if (!M.modificado()) return;
    e.preventDefault();
    e.returnValue = '';
  });
  window.addEventListener('pagehide', () => {
    if (!enElNucleo) M.ccall('velistra_termina', null, [], []);
    M.FS.syncfs(false, () => {});
  });

  // The timer: skipped while anything else is in the core or a dialog is open.
  setInterval(() => {
    if (ocupado || pendientes.length || Dialogos.abiertos()) return;
    encola(async () => {
      const accion = await llama('velistra_tic');
      if (accion & kRepintar) { Mesa.pinta(); actualizaEstado(); }
    }, 'tic');
  }, kTic);
  // The recovery copy reaches the stored folder soon after the core writes it.
  setInterval(guardaDatos, kGuardaDatosCada);

  // For scripts that drive the page (the browser tests).
  window.velistraPagina = {
    M,
    ocupada: () => ocupado || pendientes.length > 0 || document.body.dataset.listo !== '1',
    textosDeLosMenus: () => [...document.querySelectorAll('#menus .titulo-de-menu, #menus .elemento')]
      .map((e) => e.firstChild && e.firstChild.nodeType === Node.TEXT_NODE ? e.firstChild.textContent : e.querySelector('.texto')?.textContent)
      .concat([...document.querySelectorAll('#herramientas button')].map((b) => b.title))
      .filter(Boolean),
  };

  encola(async () => {
    await muestraAyuda();
    await atiende(await llama('velistra_ofrece_recuperacion'));
    document.body.dataset.listo = '1';
  }, 'orden');

  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }
})();
