#include "cli/RegistroDeConsola.h"

#include <algorithm>
#include <ostream>
#include <utility>
#include <vector>

#include "persistence/ArchivoDeCircuito.h"
#include "persistence/RegistroDeSenales.h"
#include "simulation/AnalizadorLogico.h"

namespace velistra::consola {

std::optional<ErrorDeGuion> CompruebaRegistros(const Guion& guion) {
    std::vector<std::pair<int, int>> puertos;
    for (const Orden& orden : guion.ordenes) {
        if (orden.tipo != TipoDeOrden::Registrar) continue;
        const std::pair<int, int> puerto{orden.tablero, orden.indice};
        if (std::find(puertos.begin(), puertos.end(), puerto) != puertos.end())
            return ErrorDeGuion{orden.linea, "el puerto " + std::to_string(orden.indice) +
                                                 " del tablero " + std::to_string(orden.tablero) +
                                                 " ya se registra"};
        if (puertos.size() == AnalizadorLogico::kMaximoDeCanales)
            return ErrorDeGuion{orden.linea, "el analizador registra " +
                                                 std::to_string(AnalizadorLogico::kMaximoDeCanales) +
                                                 " canales como máximo"};
        puertos.push_back(puerto);
    }
    return std::nullopt;
}

bool GuardaRegistroVcd(const AnalizadorLogico& analizador, const std::string& ruta,
                       std::ostream& errores) {
    if (GuardaTextoEnArchivo(TextoVcd(analizador), ruta)) return true;
    errores << "velistra-cli: no se puede escribir el registro «" << ruta << "»\n";
    return false;
}

}  // namespace velistra::consola
