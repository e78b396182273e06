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

}  // namespace velistra::banco
