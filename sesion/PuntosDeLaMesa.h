#pragma once
// Where on the workbench a user's pointer reaches each thing: a board's handle, a port, a
// lever or key, the supply switch, a chip and the hole it plugs in by. Found by asking
// the boards as a click does, so a script that drives a shell with real mouse events
// (the browser's tests) needs no copy of any board's layout.
#include <optional>

#include "modelo/Punto.h"

namespace velistra {

class Sesion;

// A board by its identifier.
std::optional<Punto> PuntoDelMarcador(Sesion& sesion, int tablero);
// A point where a click finds the port.
std::optional<Punto> PuntoDelPuerto(Sesion& sesion, int tablero, int puerto);
// Where a wire on the port ends.
std::optional<Punto> CentroDelPuerto(Sesion& sesion, int tablero, int puerto);
// The middle of lever or key `i` (0 for the supply's switch).
std::optional<Punto> PuntoDeLaEntrada(Sesion& sesion, int tablero, int i);
std::optional<Punto> EsquinaDelTablero(const Sesion& sesion, int tablero);

// Chip `chip` of the list: the point to grab it by, and where that point must be dropped
// for the chip to plug in at `columna` of breadboard `protoboard`.
struct AgarreDeChip {
    Punto agarre;
    Punto destino;
};
std::optional<AgarreDeChip> AgarreDelChip(Sesion& sesion, int chip, int protoboard, int columna);

}  // namespace velistra
