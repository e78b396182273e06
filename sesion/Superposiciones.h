#pragma once
// What is drawn over the finished workbench on every paint, whatever is cached below it:
// the feedback loops that keep the circuit from settling and the net under the probe.
#include <optional>

#include "modelo/Punto.h"

namespace velistra {

class Lienzo;
class Mesa;

// Red frames around the chips and the holes of the loops the last settling left changing.
void PintaLazos(const Mesa& mesa, Lienzo& lienzo);
// Frames around every hole and terminal of the net under the pointer, if any.
void PintaRedSondeada(Mesa& mesa, std::optional<Punto> puntero, Lienzo& lienzo);

}  // namespace velistra
