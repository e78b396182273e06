#pragma once
// Whether a generated circuit does what it was built for, seen from its lamps.
#include <string>

#include "bench/Generador.h"

namespace velistra {
class Mesa;
}

namespace velistra::banco {

// Switches the supply on and works the circuit as a student would: the lever and, for
// counters, the timer. Answers an empty text when every lamp did what it must, otherwise
// what went wrong. Works on a generated workbench and on one read from a file alike.
// Leaves the supply on and the lever at 0, except for counters: lever at 1, counting.
std::string CompruebaCircuito(Mesa& mesa, Familia familia);

}  // namespace velistra::banco
