'use strict';
// The program's modal dialogs as HTML: message boxes, the save question, the help dialog,
// the file and colour choosers. Each answers with a promise; the core waits for it.
const Dialogos = (() => {
  const capa = () => document.getElementById('capa-modal');
  let abiertos = 0;
  // The page's texts in its language (TextosDeLaPagina).
  let T = {};

  // Texts shown with '&' mnemonics lose the mark; '&&' stays one '&'.
  const sinMnemonico = (t) => t.replace(/&(&?)/g, '$1');

  function elemento(etiqueta, clase, contenido) {
    const e = document.createElement(etiqueta);
    if (clase) e.className = clase;
    if (contenido !== undefined) e.textContent = contenido;
    return e;
  }

  // One dialog with a title, a body and buttons; `cierra(valor)` ends it with that answer.
  // Esc answers `alEscapar` when given; a dialog without it closes only through a button.
  function abre({ titulo, clase, construye, alEscapar }) {
    return new Promise((resuelve) => {
      const dialogo = elemento('div', 'dialogo' + (clase ? ' ' + clase : ''));
      dialogo.setAttribute('role', 'dialog');
      dialogo.setAttribute('aria-modal', 'true');
      dialogo.append(elemento('div', 'barra', titulo));
      const anterior = document.activeElement;
      const cierra = (valor) => {
        dialogo.remove();
        if (--abiertos === 0) capa().hidden = true;
        if (anterior && anterior.focus) anterior.focus();
        resuelve(valor);
      };
      dialogo.addEventListener('keydown', (e) => {
        e.stopPropagation();
        if (e.key === 'Escape' && alEscapar !== undefined) cierra(alEscapar);
      });
      construye(dialogo, cierra);
      capa().append(dialogo);
      capa().hidden = false;
      ++abiertos;
      const foco = dialogo.querySelector('[autofocus]') || dialogo.querySelector('button');
      if (foco) foco.focus();
    });
  }

  function botones(dialogo, lista) {
    const fila = elemento('div', 'botones');
    for (const b of lista) {
      const boton = elemento('button', null, sinMnemonico(b.texto));
      boton.type = 'button';
      if (b.foco) boton.autofocus = true;
      boton.addEventListener('click', b.accion);
      fila.append(boton);
    }
    dialogo.append(fila);
  }

  const kIconos = [['✖', '#c42b1c'], ['⚠', '#c69300'], ['?', '#2b64c4'], ['ℹ', '#2b64c4']];

  function cuerpoConIcono(dialogo, icono, mensaje) {
    const cuerpo = elemento('div', 'cuerpo');
    const [simbolo, color] = kIconos[icono] || kIconos[3];
    const i = elemento('span', 'icono', simbolo);
    i.style.color = color;
    cuerpo.append(i, elemento('div', 'mensaje', mensaje));
    dialogo.append(cuerpo);
  }

  // A message box with its OK button: Icono order Error, Advertencia, Pregunta, Informacion.
  function muestra(mensaje, titulo, icono) {
    return abre({
      titulo, alEscapar: 0,
      construye: (d, cierra) => {
        cuerpoConIcono(d, icono, mensaje);
        botones(d, [{ texto: T.aceptar, foco: true, accion: () => cierra(0) }]);
      },
    });
  }

  // Yes / No / Cancel: answers 0, 1, 2; Esc cancels.
  function pregunta(mensaje, titulo) {
    return abre({
      titulo, alEscapar: 2,
      construye: (d, cierra) => {
        cuerpoConIcono(d, 2, mensaje);
        botones(d, [
          { texto: T.si, foco: true, accion: () => cierra(0) },
          { texto: T.no, accion: () => cierra(1) },
          { texto: T.cancelar, accion: () => cierra(2) },
        ]);
      },
    });
  }

  // A question with buttons of its own: answers 1 for the first, 0 for the others; Esc
  // is the first, which decides nothing for good.
  function elige(mensaje, titulo, nombres) {
    return abre({
      titulo, alEscapar: 1,
      construye: (d, cierra) => {
        cuerpoConIcono(d, 2, mensaje);
        botones(d, nombres.map((n, i) => ({ texto: n, foco: i === 0, accion: () => cierra(i === 0 ? 1 : 0) })));
      },
    });
  }

  // The help dialog: closes only through its button (Enter presses it).
  function ayuda(lineas, boton) {
    return abre({
      titulo: T.informacion, clase: 'ayuda',
      construye: (d, cierra) => {
        const cuerpo = elemento('div', 'cuerpo');
        lineas.forEach((l, i) => {
          const e = elemento('div', null, l || '\u00a0');
          if (i === 0) e.style.fontWeight = 'bold';
          cuerpo.append(e);
        });
        d.append(cuerpo);
        botones(d, [{ texto: boton, foco: true, accion: () => cierra(0) }]);
      },
    });
  }

  // A name to save under, proposed from the current file; answers the name or null.
  function pideNombre(titulo, propuesto, extension) {
    return abre({
      titulo, alEscapar: null,
      construye: (d, cierra) => {
        const cuerpo = elemento('div', 'cuerpo');
        const campo = elemento('input');
        campo.type = 'text';
        campo.value = propuesto;
        campo.autofocus = true;
        campo.setAttribute('aria-label', titulo);
        cuerpo.append(campo);
        d.append(cuerpo);
        const acepta = () => {
          let nombre = campo.value.trim().replace(/[\/\\]/g, '_');
          if (!nombre) return;
          if (!/\.[^.]+$/.test(nombre)) nombre += '.' + extension;
          cierra(nombre);
        };
        campo.addEventListener('keydown', (e) => { if (e.key === 'Enter') acepta(); });
        botones(d, [
          { texto: T.aceptar, accion: acepta },
          { texto: T.cancelar, accion: () => cierra(null) },
        ]);
        setTimeout(() => { campo.focus(); campo.setSelectionRange(0, propuesto.lastIndexOf('.') >>> 0); });
      },
    });
  }

  const kBasicos = [
    '#ff8080', '#ffff80', '#80ff80', '#00ff80', '#80ffff', '#0080ff', '#ff80c0', '#ff80ff',
    '#ff0000', '#ffff00', '#80ff00', '#00ff40', '#00ffff', '#0080c0', '#8080c0', '#ff00ff',
    '#804040', '#ff8040', '#00ff00', '#008080', '#004080', '#8080ff', '#800040', '#ff0080',
    '#800000', '#ff8000', '#008000', '#008040', '#0000ff', '#0000a0', '#800080', '#8000ff',
    '#400000', '#804000', '#004000', '#004040', '#000080', '#000040', '#400040', '#400080',
    '#000000', '#808000', '#808040', '#808080', '#408080', '#c0c0c0', '#400040', '#ffffff',
  ];
  // 0x00BBGGRR, as circuit files keep colours.
  const aHex = (c) => '#' + [c & 255, (c >> 8) & 255, (c >> 16) & 255].map((v) => v.toString(16).padStart(2, '0')).join('');
  const deHex = (h) => { const v = parseInt(h.slice(1), 16); return ((v >> 16) & 255) | (v & 0xff00) | ((v & 255) << 16); };

  // The colour of new wires: basic colours, the 16 custom ones (kept in `memoria` at
  // `indice`, 32-bit words) and any colour. Answers the colour or -1.
  function color(inicial, memoria, indice) {
    let elegido = aHex(inicial);
    const personalizados = Array.from({ length: 16 }, (_, i) => aHex(memoria[indice + i]));
    return abre({
      titulo: T.color, alEscapar: -1,
      construye: (d, cierra) => {
        const cuerpo = elemento('div', 'cuerpo');
        const seccion = elemento('div', 'seccion-de-color');
        const muestra = elemento('input');
        muestra.type = 'color';
        muestra.value = elegido;
        const marca = () => seccion.querySelectorAll('.colores button').forEach((b) => b.classList.toggle('elegido', b.dataset.color === elegido));
        const rejilla = (lista, alElegir) => {
          const g = elemento('div', 'colores');
          lista.forEach((c, i) => {
            const b = elemento('button');
            b.type = 'button';
            b.style.background = c;
            b.dataset.color = c;
            b.title = c;
            b.addEventListener('click', () => alElegir(c, i, b));
            g.append(b);
          });
          return g;
        };
        const elige = (c) => { elegido = c; muestra.value = c; marca(); };
        let ranura = 0;
        const propios = rejilla(personalizados, (c, i) => { ranura = i; elige(c); });
        muestra.addEventListener('input', () => { elegido = muestra.value; marca(); });
        const agrega = elemento('button', null, T.agregarColor);
        agrega.type = 'button';
        agrega.addEventListener('click', () => {
          personalizados[ranura] = elegido;
          const b = propios.children[ranura];
          b.style.background = elegido;
          b.dataset.color = elegido;
          ranura = (ranura + 1) % 16;
          marca();
        });
        seccion.append(elemento('div', null, T.coloresBasicos), rejilla(kBasicos, elige),
                       elemento('div', null, T.coloresPersonalizados), propios, muestra, agrega);
        cuerpo.append(seccion);
        d.append(cuerpo);
        marca();
        const termina = (valor) => {
          personalizados.forEach((c, i) => { memoria[indice + i] = deHex(c); });
          cierra(valor);
        };
        botones(d, [
          { texto: T.aceptar, foco: true, accion: () => termina(deHex(elegido)) },
          { texto: T.cancelar, accion: () => termina(-1) },
        ]);
      },
    });
  }

  return {
    muestra, pregunta, elige, ayuda, pideNombre, color,
    abiertos: () => abiertos > 0,
    textos: (t) => { T = t; },
  };
})();
