#pragma once
#include <memory>

#include "modelo/Tablero.h"

namespace velistra {

// Builds boards by type code from their kinds' rows (DescripcionesDeTableros.h). The
// workbench, the circuit reader and the GUI all build boards through it.

// A new board of that type with its standard images (so its size is its background's),
// not yet defined on a workbench; null for a code without a board class.
std::unique_ptr<Tablero> CreaTablero(int tipo);

// Gives the board the standard images of its type. Setting the background also sets the
// board's size, so a board defined with another size gets its picture's size back.
void ColocaImagenes(Tablero& tablero);

// How many node numbers a board of that type takes from the workbench's counter
// (0 for a code without a board class).
int NodosDeTablero(int tipo);

// What the user calls a board of that type in messages: "interruptores", "fuente DC";
// a marked text of the catalogue. "tablero" for a code without a board class.
const char* NombreDeTablero(int tipo);

}  // namespace velistra
