#!/usr/bin/env python3
"""Velistra against Icarus Verilog's vvp on the peer circuits, in one run.

Whole velistra-cli runs (read the circuit, switch on, every script line) against vvp runs
of the same circuits written in Verilog (cadena.v, sumador.v, contador.v). With a second
velistra-cli (--antes) it also measures that one, interleaved, and `tabla` and
`comprobar` on both. Times are the child's CPU time (user + system): the machine may be
shared. Usage: see --help; the README of bench/ explains the figures.
"""
import argparse
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile

AQUI = os.path.dirname(os.path.abspath(__file__))


def cpu_de(orden, **kw):
    """Runs the command and answers its CPU time in seconds; fails on a non-zero exit."""
    antes = resource.getrusage(resource.RUSAGE_CHILDREN)
    r = subprocess.run(orden, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, **kw)
    despues = resource.getrusage(resource.RUSAGE_CHILDREN)
    if r.returncode != 0:
        sys.exit(f"falló {' '.join(orden)}:\n{r.stdout[-500:]}{r.stderr[-500:]}")
    return (despues.ru_utime - antes.ru_utime) + (despues.ru_stime - antes.ru_stime), r.stdout


def palanca_de(guion_de_ejemplo):
    """The switch board's identifier in a generated script ("interruptor 4 0 1")."""
    for linea in open(guion_de_ejemplo, encoding="utf-8"):
        partes = linea.split()
        if partes and partes[0] == "interruptor":
            return partes[1]
    sys.exit(f"{guion_de_ejemplo}: sin palancas")


def guion_palanca(tablero, cambios):
    lineas = ["encender"]
    nivel = 0
    for _ in range(cambios):
        nivel ^= 1
        lineas.append(f"interruptor {tablero} 0 {nivel}")
    lineas.append("mostrar")
    return "\n".join(lineas) + "\n"


def guion_gray(tablero, pasos):
    """One lever a line, in Gray order over levers 0-7, as the Verilog adder is fed."""
    lineas = ["encender"]
    niveles = 0
    for k in range(1, pasos + 1):
        palanca = ((k & -k).bit_length() - 1) % 8
        niveles ^= 1 << palanca
        lineas.append(f"interruptor {tablero} {palanca} {niveles >> palanca & 1}")
    lineas.append("mostrar")
    return "\n".join(lineas) + "\n"


class Par:
    """One peer circuit: its velistra-cli script and its Verilog model."""

    def __init__(self, nombre, unidad, por_paso, archivo, guion, verilog, parametros):
        self.nombre, self.unidad, self.por_paso = nombre, unidad, por_paso
        self.archivo, self.guion, self.verilog, self.parametros = archivo, guion, verilog, parametros


def prepara(args, carpeta):
    generados = os.path.join(carpeta, "circuitos")
    for familia, n in (("inversores", 2), ("inversores", 10), ("sumador-nand", 1), ("contador-rizado", 1)):
        cpu_de([args.generador, generados, familia, str(n)])
    pares = []
    for puertas, protoboards in ((108, 2), (540, 10)):
        base = os.path.join(generados, f"inversores-{protoboards}")
        cambios = args.pasos // puertas * 100
        pares.append(Par(f"cadena de {puertas} inversores", "conmutaciones/s", puertas * cambios,
                         base + ".txt", guion_palanca(palanca_de(base + ".guion"), cambios),
                         "cadena.v", {"N": puertas, "M": cambios}))
    base = os.path.join(generados, "sumador-nand-1")
    pares.append(Par("sumador de 36 NAND", "vectores/s", args.pasos, base + ".txt",
                     guion_gray(palanca_de(base + ".guion"), args.pasos), "sumador.v", {"M": args.pasos}))
    base = os.path.join(generados, "contador-rizado-1")
    ciclos = args.pasos // 2
    pares.append(Par("contador de rizado de 16 bits", "ciclos/s", ciclos, base + ".txt",
                     guion_palanca(palanca_de(base + ".guion"), 2 * ciclos), "contador.v", {"M": ciclos}))
    for i, par in enumerate(pares):
        par.ruta_guion = os.path.join(carpeta, f"par{i}.guion")
        with open(par.ruta_guion, "w", encoding="utf-8") as f:
            f.write(par.guion)
        modulo = os.path.splitext(par.verilog)[0]
        par.vvp = os.path.join(carpeta, f"par{i}.vvp")
        opciones = [f"-P{modulo}.{k}={v}" for k, v in par.parametros.items()]
        cpu_de([args.iverilog, "-o", par.vvp, *opciones, os.path.join(AQUI, par.verilog)])
    return pares


def prepara_docencia(args, carpeta, programa):
    """A 16-lever circuit for `tabla`, and 2 000 small circuits with their table for `comprobar`."""
    generados = os.path.join(carpeta, "circuitos")
    cpu_de([args.generador, generados, "paridad", "1"])
    tabla = os.path.join(generados, "paridad-1.txt")
    clase = os.path.join(carpeta, "clase")
    os.makedirs(clase, exist_ok=True)
    origen = os.path.join(generados, "sumador-nand-1.txt")
    for i in range(args.circuitos):
        shutil.copyfile(origen, os.path.join(clase, f"alumno{i:04}.txt"))
    esperada = os.path.join(carpeta, "esperada.csv")
    _, csv = cpu_de([programa, "tabla", origen, "--csv"])
    with open(esperada, "w", encoding="utf-8") as f:
        f.write(csv)
    return [("tabla de 16 palancas", [ "tabla", tabla, "--csv"]),
            (f"comprobar {args.circuitos} circuitos", ["comprobar", clase, "--tabla", esperada])]


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--cli", required=True, help="velistra-cli que se mide")
    p.add_argument("--antes", help="otro velistra-cli (el de antes) medido en la misma ejecución")
    p.add_argument("--generador", required=True, help="velistra-generador")
    p.add_argument("--iverilog", default="iverilog")
    p.add_argument("--vvp", default="vvp")
    p.add_argument("--pasos", type=int, default=200000, help="vectores del sumador; el resto, a escala")
    p.add_argument("--circuitos", type=int, default=2000)
    p.add_argument("--rondas", type=int, default=3)
    args = p.parse_args()

    programas = [("ahora", args.cli)] + ([("antes", args.antes)] if args.antes else [])
    with tempfile.TemporaryDirectory() as carpeta:
        pares = prepara(args, carpeta)
        tiempos = {}
        for _ in range(args.rondas):
            for par in pares:
                for nombre, programa in programas:
                    t, _ = cpu_de([programa, "simular", par.archivo, "--guion", par.ruta_guion])
                    tiempos.setdefault((par.nombre, nombre), []).append(t)
                t, _ = cpu_de([args.vvp, "-n", par.vvp])
                tiempos.setdefault((par.nombre, "vvp"), []).append(t)
        print(f"Mediana de {args.rondas} rondas intercaladas, tiempo de CPU del proceso entero.\n")
        print(f"| Circuito | pasos | {' | '.join(n for n, _ in programas)} | vvp | ahora / vvp | por rondas"
              + (" | ahora / antes |" if args.antes else " |"))
        print("|---" * (5 + len(programas) + (1 if args.antes else 0)) + "|")
        for par in pares:
            ritmo = {n: par.por_paso / statistics.median(tiempos[(par.nombre, n)])
                     for n in [n for n, _ in programas] + ["vvp"]}
            fila = [par.nombre, f"{par.por_paso:,}"] + [f"{ritmo[n] / 1e6:.2f} M {par.unidad}" for n, _ in programas]
            # On a machine whose speed drifts, the ratio within each round says more than
            # the ratio of the medians: its median, and the lowest and highest.
            por_rondas = [v / a for v, a in zip(tiempos[(par.nombre, "vvp")], tiempos[(par.nombre, "ahora")])]
            fila += [f"{ritmo['vvp'] / 1e6:.2f} M {par.unidad}", f"{ritmo['ahora'] / ritmo['vvp']:.2f}×",
                     f"{statistics.median(por_rondas):.2f}× ({min(por_rondas):.2f}–{max(por_rondas):.2f})"]
            if args.antes:
                fila.append(f"{ritmo['ahora'] / ritmo['antes']:.2f}×")
            print("| " + " | ".join(fila) + " |")
        if not args.antes:
            return
        docencia = prepara_docencia(args, carpeta, args.cli)
        medidas = {}
        for _ in range(args.rondas):
            for nombre_medida, orden in docencia:
                for nombre, programa in programas:
                    t, _ = cpu_de([programa, *orden])
                    medidas.setdefault((nombre_medida, nombre), []).append(t)
        print("\n| Orden | antes | ahora | antes / ahora |\n|---|---|---|---|")
        for nombre_medida, _ in docencia:
            antes = statistics.median(medidas[(nombre_medida, "antes")])
            ahora = statistics.median(medidas[(nombre_medida, "ahora")])
            print(f"| {nombre_medida} | {antes:.3f} s | {ahora:.3f} s | {antes / ahora:.2f}× |")


if __name__ == "__main__":
    main()
