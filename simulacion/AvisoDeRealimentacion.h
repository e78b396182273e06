#pragma once
// The message of a settling that hit the iteration limit, and the two ways a shell may
// choose to show it; the workbench itself only reports what happened.
#include "simulacion/Mesa.h"

namespace velistra {

class Avisos;

// Shows the feedback message: the circuit kept changing up to the limit.
void MuestraAvisoDeRealimentacion(Avisos& avisos);

// The message with every settling that hits the limit, as the command-line runner
// prints each one.
Mesa::OyenteDeAsentamientos AvisoEnCadaLimite(Avisos& avisos);

// The message at most once per switch-on: with a running timer it would come back on
// every tick and keep the user from the supply switch.
Mesa::OyenteDeAsentamientos AvisoUnaVezPorEncendido(Avisos& avisos);

}  // namespace velistra
