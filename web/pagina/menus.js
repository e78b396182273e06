'use strict';
// The menu bar, the toolbar and the keyboard shortcuts, built from the command table's
// browser rows. What a command does is decided elsewhere: `ejecuta(id)`.
const Menus = (() => {
  let ejecuta = () => {};
  let estadoDe = () => ({ activo: true, marcado: false });
  let recientes = () => [];
  let abreReciente = () => {};
  const atajos = new Map();
  let barraAbierta = false;

  const elemento = (etiqueta, clase, texto) => {
    const e = document.createElement(etiqueta);
    if (clase) e.className = clase;
    if (texto !== undefined) e.textContent = texto;
    return e;
  };

  // "Ctrl+Shift+S" as the key events spell it: "ctrl+shift+s".
  function normaliza(atajo) {
    const partes = atajo.split('+');
    let tecla = partes.pop();
    if (tecla === '') { partes.pop(); tecla = '+'; }
    return [...partes.map((p) => p.toLowerCase()).sort(), tecla.toLowerCase()].join('+');
  }

  function atajoDelEvento(e) {
    const mods = [];
    if (e.altKey) mods.push('alt');
    if (e.ctrlKey || e.metaKey) mods.push('ctrl');
    // "Ctrl++" is typed with Shift on most keyboards: the character decides, not Shift.
    if (e.shiftKey && /^[a-z0-9]$/i.test(e.key)) mods.push('shift');
    if (e.shiftKey && /^F\d+$/.test(e.key)) mods.push('shift');
    return [...mods.sort(), e.key.toLowerCase()].join('+');
  }

  function cierraTodo() {
    document.querySelectorAll('#menus .abierto').forEach((e) => e.classList.remove('abierto'));
    document.querySelectorAll('#menus .menu').forEach((m) => { m.hidden = true; });
    barraAbierta = false;
  }

  function submenuEn(contenedor, niveles, cache) {
    let actual = contenedor;
    let clave = '';
    for (const nivel of niveles) {
      clave += '\u0001' + nivel;
      if (!cache.has(clave)) {
        const item = elemento('div', 'elemento submenu', nivel);
        item.setAttribute('role', 'menuitem');
        const menu = elemento('div', 'menu');
        menu.hidden = true;
        item.append(menu);
        actual.append(item);
        abreAlPasar(item, menu);
        cache.set(clave, menu);
      }
      actual = cache.get(clave);
    }
    return actual;
  }

  function abreAlPasar(item, menu) {
    item.addEventListener('mouseenter', () => {
      for (const hermano of item.parentElement.children) {
        if (hermano !== item) {
          hermano.classList.remove('abierto');
          hermano.querySelectorAll('.menu').forEach((m) => { m.hidden = true; });
        }
      }
      item.classList.add('abierto');
      menu.hidden = false;
      if (menu.dataset.recientes) llenaRecientes(menu);
    });
  }

  function itemDeOrden(fila) {
    const item = elemento('div', 'elemento');
    item.setAttribute('role', 'menuitem');
    item.dataset.id = fila.id;
    if (fila.marca) item.dataset.marca = fila.marca;
    item.append(elemento('span', 'texto', fila.texto));
    if (fila.atajos.length) item.append(elemento('span', 'atajo', fila.atajos[0]));
    item.addEventListener('click', (e) => {
      e.stopPropagation();
      if (item.classList.contains('inactivo')) return;
      cierraTodo();
      ejecuta(fila.id);
    });
    return item;
  }

  function llenaRecientes(menu) {
    menu.replaceChildren();
    const lista = recientes();
    if (!lista.length) {
      menu.append(elemento('div', 'elemento inactivo', menu.dataset.ninguno));
      return;
    }
    for (const nombre of lista) {
      const item = elemento('div', 'elemento', nombre);
      item.setAttribute('role', 'menuitem');
      item.addEventListener('click', (e) => {
        e.stopPropagation();
        cierraTodo();
        abreReciente(nombre);
      });
      menu.append(item);
    }
  }

  function construyeMenu(titulo, filas) {
    const cabecera = elemento('div', 'titulo-de-menu', titulo.replace(/&(&?)/g, '$1'));
    cabecera.setAttribute('role', 'menuitem');
    const menu = elemento('div', 'menu');
    menu.hidden = true;
    cabecera.append(menu);
    const submenus = new Map();
    for (const fila of filas) {
      const lugar = submenuEn(menu, fila.clase === 'recientes' ? [] : fila.submenu, submenus);
      if (fila.clase === 'separador') lugar.append(elemento('div', 'separador'));
      else if (fila.clase === 'recientes') {
        const sub = submenuEn(menu, fila.submenu, submenus);
        sub.dataset.recientes = '1';
        sub.dataset.ninguno = fila.texto;
      } else lugar.append(itemDeOrden(fila));
      for (const a of fila.atajos) atajos.set(normaliza(a), fila.id);
    }
    const abre = () => {
      cierraTodo();
      actualiza();
      cabecera.classList.add('abierto');
      menu.hidden = false;
      barraAbierta = true;
    };
    cabecera.addEventListener('mousedown', (e) => {
      if (e.target !== cabecera) return;
      e.preventDefault();
      if (cabecera.classList.contains('abierto')) cierraTodo(); else abre();
    });
    cabecera.addEventListener('mouseenter', () => { if (barraAbierta && !cabecera.classList.contains('abierto')) abre(); });
    return cabecera;
  }

  function construyeBarra(botones, imagenDeBoton) {
    const barra = document.getElementById('herramientas');
    let grupo = null;
    for (const b of botones) {
      if (grupo !== null && b.grupo !== grupo) barra.append(elemento('span', 'separador-de-botones'));
      grupo = b.grupo;
      const boton = elemento('button');
      boton.type = 'button';
      boton.dataset.id = b.id;
      boton.title = b.atajos.length ? `${b.ayuda} (${b.atajos[0]})` : b.ayuda;
      boton.setAttribute('aria-label', b.ayuda);
      boton.append(imagenDeBoton(b));
      boton.addEventListener('click', () => ejecuta(b.id));
      barra.append(boton);
    }
  }

  // Greys out and marks items and buttons as the program now stands.
  function actualiza() {
    document.querySelectorAll('#menus .elemento[data-id], #herramientas button').forEach((e) => {
      const estado = estadoDe(Number(e.dataset.id));
      if (e.tagName === 'BUTTON') e.disabled = !estado.activo;
      else {
        e.classList.toggle('inactivo', !estado.activo);
        e.classList.toggle('marcado', !!estado.marcado);
      }
    });
  }

  function construye(config) {
    ({ ejecuta, estadoDe, recientes, abreReciente } = config);
    const barra = document.getElementById('menus');
    for (const m of config.menus) {
      if (m.filas.length) barra.append(construyeMenu(m.titulo, m.filas));
    }
    construyeBarra(config.botones, config.imagenDeBoton);
    for (const b of config.botones) for (const a of b.atajos) atajos.set(normaliza(a), b.id);
    document.addEventListener('mousedown', (e) => { if (!e.target.closest('#menus')) cierraTodo(); });
    document.addEventListener('keydown', (e) => {
      if (e.key === 'Escape') { cierraTodo(); return; }
      const id = atajos.get(atajoDelEvento(e));
      if (id === undefined) return;
      e.preventDefault();
      cierraTodo();
      ejecuta(id);
    });
    actualiza();
  }

  return { construye, actualiza, cierraTodo };
})();
