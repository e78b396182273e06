#pragma once
#include <iosfwd>
#include <optional>
#include <string>

#include "cli/Guion.h"

namespace velistra {
class AnalizadorLogico;
}

namespace velistra::consola {

// The script's registrar orders fit the analyser: sixteen channels at most, each port
// once. The first line that does not, and why.
std::optional<ErrorDeGuion> CompruebaRegistros(const Guion& guion);

// Writes the record of the run to `ruta` as VCD, atomically; false after saying why.
bool GuardaRegistroVcd(const AnalizadorLogico& analizador, const std::string& ruta,
                       std::ostream& errores);

}  // namespace velistra::consola
