#pragma once
// The velistra-cli script that goes with a generated circuit.
#include <string>

#include "bench/Generador.h"

namespace velistra {
class Mesa;
}

namespace velistra::banco {

// Switches on and works the lever (chains: lamp 7 follows it; counters: it enables the
// count, then 40 ticks), showing the lamps.
std::string GuionDeEjemplo(const Mesa& mesa, Familia familia);
// Switches on and runs `lineas` lever lines, then shows the lamps: the adder steps through
// its 256 input vectors in Gray order (one lever a line), the others move lever 0 up and
// down (two lines a clock cycle).
std::string GuionLargo(const Mesa& mesa, Familia familia, int lineas);

}  // namespace velistra::banco
