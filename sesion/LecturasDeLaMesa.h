#pragma once
// What a shell shows about the workbench besides its picture, read through the session:
// the supply, the status line, the chip under the pointer, and the recovery copy kept
// of the session's circuit.
#include <functional>
#include <optional>
#include <string>

#include "modelo/Punto.h"
#include "plataforma/Mensaje.h"

namespace velistra {

class Recuperacion;
class Sesion;

bool ModuloEncendido(const Sesion& sesion);

// The net under the pointer, for a shell to tell whether the status line must change.
std::optional<int> NodoEn(Sesion& sesion, Punto punto);

// The status line: the probe's reading of the net under the pointer, or else the chips
// that keep the circuit from settling; empty otherwise.
Mensaje MensajeDeEstado(Sesion& sesion, std::optional<Punto> puntero);
// The same, each template looked up through `traduce`.
std::string TextoDeEstado(Sesion& sesion, std::optional<Punto> puntero,
                          const std::function<std::string(const char*)>& traduce);

// The catalogue code of the chip drawn on top at the point (later chips cover earlier
// ones), or nothing.
std::optional<int> ChipVisibleEn(const Sesion& sesion, Punto punto);

// The recovery copy follows the session's circuit (after an edit and on every tick).
void RevisaCopia(Recuperacion& recuperacion, const Sesion& sesion);
// The pending copy replaces the session's circuit, as a load does.
bool RecuperaCopia(Recuperacion& recuperacion, Sesion& sesion);

}  // namespace velistra
