#pragma once
#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/Guion.h"

namespace velistra {
class AnalizadorLogico;
}

namespace velistra::consola {

// The script's registrar orders fit the analyser: sixteen channels at most, each port
// once. Told the orders one by one, it answers for the first one that does not fit.
class RegistrosDelGuion {
public:
    std::optional<ErrorDeGuion> Anota(const Orden& orden) {
        if (orden.tipo != TipoDeOrden::Registrar) return std::nullopt;
        return AnotaRegistro(orden);
    }

private:
    std::optional<ErrorDeGuion> AnotaRegistro(const Orden& orden);

    std::vector<std::pair<int, int>> puertos;
};

// The same for a whole script: its first line that does not fit, and why.
std::optional<ErrorDeGuion> CompruebaRegistros(const Guion& guion);

// Writes the record of the run to `ruta` as VCD, atomically; false after saying why.
bool GuardaRegistroVcd(const AnalizadorLogico& analizador, const std::string& ruta,
                       std::ostream& errores);

}  // namespace velistra::consola
