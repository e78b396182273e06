#pragma once
// What a selection does to the workbench as one: move, copy as circuit text, paste,
// delete. The callers refuse all but the copy while the supply is on.
#include <optional>
#include <string>
#include <string_view>

#include "modelo/Punto.h"
#include "sesion/Seleccion.h"
#include "simulacion/Rechazos.h"

namespace velistra {

class Mesa;

// Before a group moves: its chips held by breadboards left behind come out.
void SacaChipsDelGrupo(Mesa& mesa, const Seleccion& seleccion);
// Boards with their seated chips and wire ends, and the selected chips, by `d`. A wire
// with both ends on moved boards moves whole.
void DesplazaGrupo(Mesa& mesa, const Seleccion& seleccion, Punto d);
// After the move: the chips that came out plug in where they fit, or stay loose there.
// The first reason one did not fit.
Rechazo AsientaChipsDelGrupo(Mesa& mesa, const Seleccion& seleccion);

// The selection as a circuit file's text, which any window can paste or open: the
// selected boards (never the supply or the timer board, which every bench has), the
// chips selected or seated on them, and the wires selected or ending on them. Empty for
// an empty selection.
std::string TextoDeSeleccion(const Mesa& mesa, const Seleccion& seleccion);
// Adds the circuit of `texto` to the workbench: boards anew, wires joined only between
// free ports, chips plugged in only where they fit. Laid where it covers nothing, shifted
// from its saved place when it would; the new parts, or nothing for a text that is not
// a circuit.
std::optional<Seleccion> PegaCircuito(Mesa& mesa, std::string_view texto);
// Removes the selected parts, and with each board its wires and chips. The supply stays;
// the timer board is put away.
void BorraSeleccion(Mesa& mesa, const Seleccion& seleccion);

}  // namespace velistra
