#pragma once
#include <iosfwd>

#include "cli/ArgumentosDeDocencia.h"

namespace velistra::consola {

// Loads the circuit and writes one line per finding and a count (or one JSON object a
// finding). 0 with no findings, 4 with some, 2 when the circuit cannot be read.
int Revisa(const PeticionDeRevision& peticion, std::ostream& salida, std::ostream& errores);

}  // namespace velistra::consola
