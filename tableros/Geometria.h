#pragma once
// Instrument boards and the breadboard: terminals, levers, lamps, handles.
// Boards only describe and drive their own ports; settling the circuit is the
// workbench's job, and nothing here knows a window system.
//
// This header holds the pixel geometry that every board describes as data:
// inclusive rectangles (handles, levers) and grids of square terminals. The boards
// publish theirs, and the pictures are drawn from the same numbers.
#include <algorithm>
#include <optional>
#include <span>

#include "modelo/Punto.h"

namespace velistra {

// An inclusive rectangle relative to a board's corner.
struct Zona {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;

    constexpr bool Contiene(int x, int y) const { return x0 <= x && x <= x1 && y0 <= y && y <= y1; }
};

// A grid of terminals relative to a board's corner. Terminal (columna, fila) starts at
// (x + pasoX * columna, y + pasoY * fila); a point hits it when its offset from that
// start is at most `lado` on both axes, and no offset beyond (ultimoDx, ultimoDy) from
// (x, y) hits at all, which may cut the last column or row short.
struct Rejilla {
    int x = 0;
    int y = 0;
    int ultimoDx = 0;
    int ultimoDy = 0;
    int pasoX = 13;
    int pasoY = 13;
    int lado = 8;

    constexpr int Columnas() const { return ultimoDx / pasoX + 1; }
    constexpr int Filas() const { return ultimoDy / pasoY + 1; }
    // Every point that hits terminal (columna, fila).
    constexpr Zona Casilla(int columna, int fila) const {
        const int x0 = x + pasoX * columna;
        const int y0 = y + pasoY * fila;
        return Zona{x0, y0, std::min(x0 + lado, x + ultimoDx), std::min(y0 + lado, y + ultimoDy)};
    }
};

// A lone 9 x 9 terminal with its top-left pixel at (x, y).
constexpr Rejilla Terminal(int x, int y) { return Rejilla{x, y, 8, 8, 13, 13, 8}; }

// Terminals of one grid and the ports they stand for: terminal (columna, fila) is port
// primerPuerto + pasoColumna * columna + pasoFila * fila.
struct GrupoDeTerminales {
    Rejilla rejilla;
    int primerPuerto = 0;
    int pasoColumna = 0;
    int pasoFila = 0;
};

struct TerminalAcertado {
    int puerto = 0;
    Punto esquina;  // top-left pixel of the terminal, relative to the board
    Punto centro;   // where wires snap, relative to the board
};

// The terminal under (dx, dy), relative to the board's corner; the groups are tried in
// order and the first hit wins.
std::optional<TerminalAcertado> TerminalEn(std::span<const GrupoDeTerminales> grupos, int dx,
                                           int dy);

// Where port `puerto` lies, if one of the groups holds it.
std::optional<TerminalAcertado> TerminalDePuerto(std::span<const GrupoDeTerminales> grupos,
                                                 int puerto);

}  // namespace velistra
