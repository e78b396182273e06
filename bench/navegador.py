#!/usr/bin/python3
"""What the browser page costs, measured in headless Chromium (not a test: nothing here
passes or fails).

    bench/navegador.py build-web/sitio CIRCUITO_GRANDE.txt

- first workbench shown: from the start of the page's load (local server) to the
  mark 'velistra:mesa-mostrada', the first workbench painted into the canvas;
- a lever flip on CIRCUITO_GRANDE (supply on): from the press reaching the page to the
  circuit settled and the canvas repainted (the 'velistra:izquierdoAbajo' measure);
- everything the page downloads, as it is and compressed with gzip -9.
"""
import gzip
import os
import socket
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', 'tests', 'web'))
sys.argv, argumentos = sys.argv[:1] + [sys.argv[1], '', os.path.join(os.path.dirname(__file__), '..', 'examples')], sys.argv
import navegador  # noqa: E402  (the test's helpers that act as a user does)

SITIO, CIRCUITO = argumentos[1], os.path.abspath(argumentos[2])


def tamanos():
    crudo = comprimido = 0
    for nombre in sorted(os.listdir(SITIO)):
        with open(os.path.join(SITIO, nombre), 'rb') as f:
            datos = f.read()
        crudo += len(datos)
        comprimido += len(gzip.compress(datos, 9))
    return crudo, comprimido


def primer_tablero_de_interruptores():
    """Its identifier, from the circuit file's board lines (type 1: switches)."""
    with open(CIRCUITO) as f:
        lineas = f.read().splitlines()
    for linea in lineas[2:2 + int(lineas[1])]:
        campos = linea.split()
        if campos[0] == '1':
            return int(campos[6])
    raise SystemExit('el circuito no tiene tablero de interruptores')


def main():
    with socket.socket() as s:
        s.bind(('127.0.0.1', 0))
        puerto = s.getsockname()[1]
    servidor = subprocess.Popen(['/usr/bin/python3', '-m', 'http.server', str(puerto), '--bind', '127.0.0.1',
                                 '--directory', SITIO], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(0.5)
    url = 'http://127.0.0.1:%d/index.html' % puerto
    try:
        arranques = []
        for _ in range(5):
            p = navegador.Pagina('es', tempfile.mkdtemp())
            p.d.get(url)
            p.espera(lambda: p.js('return performance.getEntriesByName("velistra:mesa-mostrada").length > 0'), 'mesa')
            arranques.append(p.js('return performance.getEntriesByName("velistra:mesa-mostrada")[0].startTime'))
            p.cierra()
        p = navegador.Pagina('es', tempfile.mkdtemp())
        p.abre(url)
        p.recupera(CIRCUITO)
        p.clic(p.m('puntoDeLaEntrada(1, 0)'))
        palanca = p.m('puntoDeLaEntrada(%d, 0)' % primer_tablero_de_interruptores())
        p.js('performance.clearMeasures()')
        for _ in range(20):
            p.clic(palanca)
        palancas = p.js('return performance.getEntriesByName("velistra:izquierdoAbajo").map(e => e.duration)')
        p.cierra()
    finally:
        servidor.terminate()
        servidor.wait()
    crudo, comprimido = tamanos()
    print('primera mesa mostrada: mediana %.0f ms (%s)' % (statistics.median(arranques), ', '.join('%.0f' % a for a in arranques)))
    print('palanca asentada y repintada: mediana %.1f ms, máximo %.1f ms (%d)' % (statistics.median(palancas), max(palancas), len(palancas)))
    print('descarga: %.2f MB tal cual, %.2f MB con gzip -9' % (crudo / 1e6, comprimido / 1e6))


main()
