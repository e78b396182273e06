#!/usr/bin/python3
"""A student's session in the browser page, through real mouse and key events in headless
Chromium: boards from the menus, a 7408 dragged onto the breadboard (first where it does
not fit), its wires, the supply, the truth table in the lamps, undo, save, an example
opened and saved again, and the page in English.

    navegador.py SITIO VELISTRA_CLI EJEMPLOS [CARPETA_DE_CAPTURAS]
"""
import html
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

SITIO, CLI, EJEMPLOS = sys.argv[1:4]
EJEMPLOS = os.path.abspath(EJEMPLOS)
CATALOGO = os.path.join(os.path.dirname(EJEMPLOS), 'idiomas', 'velistra_en.ts')
CAPTURAS = sys.argv[4] if len(sys.argv) > 4 else None
ESPERA = 30

# Command ids of the menus and boards' identifiers on a new workbench.
PROTOBOARD, INTERRUPTORES, LEDS = 4999, 4998, 4996
DESHACER, REHACER, ALMACENAR_EN = 110, 111, 104
CHIP_7408 = 7008
FUENTE = 1
# The 7408 at column 10: pin 1 (1A) below column 10, pin 2 (1B) below 11, pin 3 (1Y)
# below 12, pin 7 (GND) below 16, pin 14 (VCC) above 10.
COLUMNA = 10
HOYO_VCC = 5 * COLUMNA
HOYO = lambda columna: 320 + 5 * columna + 2
# Supply: + terminals 0..3, ground 4..7; switch board: lever i drives 3i..3i+2, then VCC
# 24 and GND 25; LED board: inputs 0..7, then GND 8.
VCC_INTERRUPTORES, GND_INTERRUPTORES, GND_LEDS = 24, 25, 8


def puerto_libre():
    with socket.socket() as s:
        s.bind(('127.0.0.1', 0))
        return s.getsockname()[1]


class Pagina:
    """The page in one browser, with helpers that act as a user does."""

    def __init__(self, idioma, descargas):
        opciones = webdriver.ChromeOptions()
        self.perfil = tempfile.mkdtemp(prefix='velistra-perfil-')
        for a in ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                  '--disable-background-networking', '--disable-component-update', '--disable-sync',
                  '--user-data-dir=' + self.perfil, '--window-size=2200,1700', '--lang=' + idioma]:
            opciones.add_argument(a)
        opciones.add_experimental_option('prefs', {
            'download.default_directory': descargas, 'download.prompt_for_download': False,
            'intl.accept_languages': idioma})
        self.descargas = descargas
        self.d = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=opciones)

    def cierra(self):
        self.d.quit()
        shutil.rmtree(self.perfil, ignore_errors=True)

    def js(self, codigo, *args):
        return self.d.execute_script(codigo, *args)

    def espera(self, condicion, que):
        WebDriverWait(self.d, ESPERA).until(lambda d: condicion(), message=que)

    def abre(self, url):
        self.d.get(url)
        # A headless browser cancels a file chooser it cannot show; held, the page's
        # input takes the file the test gives it.
        self.d.execute_cdp_cmd('Page.setInterceptFileChooserDialog', {'enabled': True})
        boton = WebDriverWait(self.d, ESPERA).until(
            lambda d: d.find_element(By.CSS_SELECTOR, '.dialogo.ayuda button'), 'el diálogo de ayuda')
        self.ayuda = self.js('return [...document.querySelectorAll(".dialogo")].map(e => e.innerText).join("\\n")')
        boton.click()
        self.espera(lambda: self.js('return document.body.dataset.listo === "1"'), 'la página lista')

    def quieta(self):
        """The core has done with the last event, or waits for the user in a dialog."""
        self.espera(lambda: self.js('return !velistraPagina.ocupada() || Dialogos.abiertos()'), 'el núcleo libre')

    def m(self, expresion):
        self.quieta()
        return self.js('return velistraPagina.M.' + expresion)

    def captura(self, nombre):
        if CAPTURAS:
            self.d.save_screenshot(os.path.join(CAPTURAS, nombre + '.png'))

    # ---- Menus and keys.
    def elige(self, id_, espera=True):
        """Opens the menu bar down to the item and clicks it, as a user does."""
        self.quieta()
        camino = self.js('''
            const item = document.querySelector(`#menus .elemento[data-id="${arguments[0]}"]`);
            const camino = [];
            for (let e = item; e && e.id !== 'menus'; e = e.parentElement)
              if (e.classList.contains('elemento') || e.classList.contains('titulo-de-menu')) camino.unshift(e);
            return camino;''', id_)
        assert camino, 'no hay orden %d en los menús' % id_
        acciones = ActionChains(self.d)
        acciones.move_to_element(camino[0]).click(camino[0])
        for paso in camino[1:-1]:
            acciones.move_to_element(paso).pause(0.05)
        acciones.move_to_element(camino[-1]).click(camino[-1]).perform()
        if espera:
            self.quieta()

    def teclas(self, *teclas):
        ActionChains(self.d).key_down(Keys.CONTROL).send_keys(*teclas).key_up(Keys.CONTROL).perform()
        self.quieta()

    # ---- The workbench.
    def en_ventana(self, p):
        return self.js('''
            const r = document.getElementById('lienzo').getBoundingClientRect();
            const d = Mesa.desplazamiento(), n = Mesa.nivel() / 100;
            return [r.left + (arguments[0] - d.x + 0.5) * n, r.top + (arguments[1] - d.y + 0.5) * n];''',
                       p['x'], p['y'])

    def raton(self, pasos):
        accion = ActionBuilder(self.d)
        for paso in pasos:
            if paso[0] == 'a':
                x, y = self.en_ventana(paso[1])
                accion.pointer_action.move_to_location(int(x), int(y))
            elif paso == 'baja':
                accion.pointer_action.pointer_down()
            elif paso == 'sube':
                accion.pointer_action.pointer_up()
        accion.perform()
        self.quieta()

    def clic(self, p):
        self.raton([('a', p), 'baja', 'sube'])

    def arrastra(self, desde, hasta):
        medio = {'x': (desde['x'] + hasta['x']) // 2, 'y': (desde['y'] + hasta['y']) // 2}
        self.raton([('a', desde), 'baja', ('a', medio), ('a', hasta), 'sube'])

    def lleva_tablero(self, tablero, esquina):
        agarre = self.m('puntoDelMarcador(%d)' % tablero)
        actual = self.m('esquinaDelTablero(%d)' % tablero)
        self.arrastra(agarre, {'x': agarre['x'] + esquina[0] - actual['x'],
                               'y': agarre['y'] + esquina[1] - actual['y']})
        return self.m('esquinaDelTablero(%d)' % tablero)

    def puerto(self, tablero, puerto):
        return self.m('puntoDelPuerto(%d, %d)' % (tablero, puerto))

    def cablea(self, a, b):
        self.arrastra(self.puerto(*a), self.puerto(*b))

    def estado(self):
        return self.js('return document.getElementById("estado-sonda").textContent')

    def aparta_el_puntero(self):
        """Off every net, so that the probe marks nothing."""
        self.raton([('a', {'x': 1900, 'y': 1400})])

    def lamparas_encendidas(self, tablero):
        """Lamps of an LED board lit in the picture: the lit-lamp picture drawn right
        above its input, as the user sees it."""
        self.aparta_el_puntero()
        entradas = [self.m('centroDelPuerto(%d, %d)' % (tablero, i))['x'] for i in range(8)]
        return self.js('''
            const [entradas] = arguments;
            const M = velistraPagina.M, c = document.getElementById('lienzo');
            const d = Mesa.desplazamiento();
            const led = M.imagen(1008);  // {ancho, alto, rgba}
            const vista = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
            const esquina = M.esquinaDelTablero(arguments[1]);
            const encendidas = [];
            for (let i = 0; i < entradas.length; ++i) {
              let vista1 = false;
              const x0 = entradas[i] - d.x - Math.floor(led.ancho / 2);
              for (let dx = -3; dx <= 3 && !vista1; ++dx)
                for (let y = esquina.y - d.y; y < esquina.y - d.y + 58 && !vista1; ++y) {
                  let igual = true;
                  for (let v = 0; igual && v < led.alto; ++v)
                    for (let u = 0; igual && u < led.ancho; ++u) {
                      const p = ((y + v) * c.width + x0 + dx + u) * 4, q = (v * led.ancho + u) * 4;
                      if (vista[p] !== led.rgba[q] || vista[p + 1] !== led.rgba[q + 1] || vista[p + 2] !== led.rgba[q + 2]) igual = false;
                    }
                  if (igual) vista1 = true;
                }
              encendidas.push(vista1 ? 1 : 0);
            }
            return encendidas.join('');''', entradas, tablero)

    def descargado(self, nombre):
        ruta = os.path.join(self.descargas, nombre)
        self.espera(lambda: os.path.exists(ruta) and not os.path.exists(ruta + '.crdownload'), 'la descarga ' + nombre)
        time.sleep(0.2)
        with open(ruta, 'rb') as f:
            return f.read()

    def almacena_en(self, nombre):
        self.elige(ALMACENAR_EN)
        campo = WebDriverWait(self.d, ESPERA).until(lambda d: d.find_element(By.CSS_SELECTOR, '.dialogo input[type=text]'))
        campo.clear()
        campo.send_keys(nombre, Keys.ENTER)
        self.quieta()
        return self.descargado(nombre)

    def recupera(self, ruta):
        """"Recuperar..." through the page's file picker."""
        self.elige(102, espera=False)
        self.d.find_element(By.ID, 'elige-archivo').send_keys(ruta)
        self.espera(lambda: self.js('return !velistraPagina.ocupada()'), 'el circuito abierto')


def iguales_en_ingles():
    """Texts whose English is written the same ("Nand", "ALU")."""
    with open(CATALOGO, encoding='utf-8') as f:
        pares = re.findall(r'<source>([^<]*)</source>\s*<translation>([^<]*)</translation>', f.read())
    iguales = set()
    for es, en in pares:
        # Menu paths show level by level.
        for nivel_es, nivel_en in zip(html.unescape(es).split(' > '), html.unescape(en).split(' > ')):
            if nivel_es == nivel_en:
                iguales.add(nivel_es.replace('&', ''))
    return iguales


def cli(*argumentos, entrada=None):
    r = subprocess.run([CLI, *argumentos], input=entrada, capture_output=True, text=True, check=True)
    return r.stdout


class SesionEnElNavegador(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.puerto = puerto_libre()
        cls.servidor = subprocess.Popen(
            ['/usr/bin/python3', '-m', 'http.server', str(cls.puerto), '--bind', '127.0.0.1', '--directory', SITIO],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        cls.url = 'http://127.0.0.1:%d/index.html' % cls.puerto
        for _ in range(100):
            try:
                socket.create_connection(('127.0.0.1', cls.puerto), timeout=0.2).close()
                break
            except OSError:
                time.sleep(0.1)
        cls.descargas = tempfile.mkdtemp(prefix='velistra-descargas-')

    @classmethod
    def tearDownClass(cls):
        cls.servidor.terminate()
        cls.servidor.wait()
        shutil.rmtree(cls.descargas, ignore_errors=True)

    def setUp(self):
        self.pagina = None

    def tearDown(self):
        if self.pagina:
            self.pagina.cierra()

    def abre(self, idioma='es'):
        self.pagina = Pagina(idioma, self.descargas)
        self.pagina.abre(self.url)
        return self.pagina

    def test_puerta_and_cableada_con_el_raton(self):
        p = self.abre()
        self.assertIn('Velistra', p.ayuda)
        self.assertIn('Versión 0.9.7', p.ayuda)
        for orden in (PROTOBOARD, INTERRUPTORES, LEDS):
            p.elige(orden)
        protoboard, interruptores, leds = 3, 4, 5
        # New boards land over each other; the last one is picked up first.
        self.assertEqual(p.lleva_tablero(leds, (450, 30)), {'x': 450, 'y': 30})
        self.assertEqual(p.lleva_tablero(interruptores, (140, 520)), {'x': 140, 'y': 520})
        self.assertEqual(p.d.title, 'Velistra 0.9.7*')

        p.elige(CHIP_7408)
        chip = p.m('agarreDelChip(0, %d, %d)' % (protoboard, COLUMNA))
        # Dropped off the breadboard it does not plug in, and the status bar says why.
        p.arrastra(chip['agarre'], {'x': 1500, 'y': 1200})
        self.assertEqual(p.estado(), 'El chip no quedó sobre una protoboard.')
        chip = p.m('agarreDelChip(0, %d, %d)' % (protoboard, COLUMNA))
        p.arrastra(chip['agarre'], chip['destino'])
        self.assertEqual(p.estado(), '')

        cables = [
            ((FUENTE, 0), (interruptores, VCC_INTERRUPTORES)),
            ((FUENTE, 4), (interruptores, GND_INTERRUPTORES)),
            ((FUENTE, 5), (leds, GND_LEDS)),
            ((FUENTE, 1), (protoboard, HOYO_VCC)),
            ((FUENTE, 6), (protoboard, HOYO(COLUMNA + 6))),
            ((interruptores, 0), (protoboard, HOYO(COLUMNA))),
            ((interruptores, 3), (protoboard, HOYO(COLUMNA + 1))),
            ((protoboard, HOYO(COLUMNA + 2)), (leds, 0)),
        ]
        for a, b in cables:
            p.cablea(a, b)
        p.captura('and-cableada')

        # Undo takes the last wire away, redo brings it back.
        p.teclas('z')
        p.elige(REHACER)
        fuente = p.m('puntoDeLaEntrada(%d, 0)' % FUENTE)
        p.clic(fuente)
        self.assertTrue(p.m('encendido()'))
        tabla = {}
        for a in (0, 1):
            for b in (0, 1):
                tabla[(a, b)] = p.lamparas_encendidas(leds)[0]
                p.clic(p.m('puntoDeLaEntrada(%d, 1)' % interruptores))
            p.clic(p.m('puntoDeLaEntrada(%d, 0)' % interruptores))
        p.captura('and-encendida')
        self.assertEqual(tabla, {(0, 0): '0', (0, 1): '0', (1, 0): '0', (1, 1): '1'})

        # Undo is refused with the supply on, with the design's message.
        p.teclas('z')
        mensaje = p.js('return document.querySelector(".dialogo .mensaje").textContent')
        self.assertEqual(mensaje, 'Apague el módulo antes de deshacer un cambio.')
        p.d.find_element(By.CSS_SELECTOR, '.dialogo button').click()
        p.clic(fuente)

        guardado = p.almacena_en('and.txt')
        self.assertTrue(guardado.startswith(b'Version 0.9.7\n'))
        self.assertEqual(p.d.title, 'and.txt')
        with tempfile.NamedTemporaryFile(suffix='.txt') as f:
            f.write(guardado)
            f.flush()
            filas = cli('tabla', f.name, '--csv').strip().splitlines()
        cabecera = filas[0].split(',')
        a, b, lampara = cabecera.index('int4.0'), cabecera.index('int4.1'), cabecera.index('leds5.0')
        esperada = {(int(c[a]), int(c[b])): c[lampara] for c in (fila.split(',') for fila in filas[1:])}
        self.assertEqual(esperada, tabla)

        # The last wire undone: the lamp no longer follows the gate.
        p.teclas('z')
        self.assertTrue(p.m('puedeRehacer()'))
        self.assertEqual(p.d.title, 'and.txt*')

    def test_un_ejemplo_abierto_y_guardado_sin_cambios(self):
        p = self.abre()
        ejemplo = os.path.join(EJEMPLOS, 'semisumador', 'circuito.txt')
        with open(ejemplo, 'rb') as f:
            original = f.read()
        p.recupera(ejemplo)
        self.assertEqual(p.d.title, 'circuito.txt')
        self.assertEqual(p.almacena_en('semisumador.txt'), original)

        # The lamps as velistra-cli shows them, lever 0 up.
        salida = cli('simular', ejemplo, entrada='encender\ninterruptor 4 0 1\nmostrar\n')
        p.clic(p.m('puntoDeLaEntrada(1, 0)'))
        p.clic(p.m('puntoDeLaEntrada(4, 0)'))
        p.captura('semisumador')
        self.assertEqual('leds 5: ' + p.lamparas_encendidas(5), salida.strip())

    def test_la_pagina_en_ingles(self):
        espanol = self.abre('es').js('return velistraPagina.textosDeLosMenus()')
        self.pagina.cierra()
        p = self.abre('en')
        self.assertIn('Version 0.9.7', p.ayuda)
        ingles = p.js('return velistraPagina.textosDeLosMenus()')
        neutros = {'Español', 'English', 'Velistra'} | iguales_en_ingles()
        iguales = [t for t in ingles if t in set(espanol) and re.search('[a-zA-Z]', t)
                   and t not in neutros and not re.match(r'^(74|\d+ %)', t)]
        self.assertEqual(iguales, [])
        # A message box in English too.
        p.clic(p.m('puntoDeLaEntrada(1, 0)'))
        p.elige(101)
        self.assertEqual(p.js('return document.querySelector(".dialogo .barra").textContent'), 'Information')


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1], verbosity=2)
