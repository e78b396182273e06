#include "simulacion/Mesa.h"

#include "simulacion/AvisoDeRealimentacion.h"

namespace velistra {

Mesa::Mesa(Avisos& avisos) : oyente_(AvisoEnCadaLimite(avisos)), avisos_(avisos) {}

}  // namespace velistra
