#include "cli/RegistroDeConsola.h"

#include <algorithm>
#include <ostream>
#include <utility>
#include <vector>

#include "cli/Textos.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "persistencia/RegistroDeSenales.h"
#include "simulacion/AnalizadorLogico.h"

namespace velistra::consola {

std::optional<ErrorDeGuion> RegistrosDelGuion::AnotaRegistro(const Orden& orden) {
    const std::pair<int, int> puerto{orden.tablero, orden.indice};
    if (std::find(puertos.begin(), puertos.end(), puerto) != puertos.end())
        return ErrorDeGuion{orden.linea, Di(Texto::PuertoYaRegistrado,
                                            {std::to_string(orden.indice), std::to_string(orden.tablero)})};
    if (puertos.size() == AnalizadorLogico::kMaximoDeCanales)
        return ErrorDeGuion{
            orden.linea,
            Di(Texto::DemasiadosCanales, {std::to_string(AnalizadorLogico::kMaximoDeCanales)})};
    puertos.push_back(puerto);
    return std::nullopt;
}

std::optional<ErrorDeGuion> CompruebaRegistros(const Guion& guion) {
    RegistrosDelGuion registros;
    for (const Orden& orden : guion.ordenes) {
        if (std::optional<ErrorDeGuion> error = registros.Anota(orden)) return error;
    }
    return std::nullopt;
}

bool GuardaRegistroVcd(const AnalizadorLogico& analizador, const std::string& ruta,
                       std::ostream& errores) {
    if (GuardaTextoEnArchivo(TextoVcd(analizador), ruta)) return true;
    errores << "velistra-cli: " << Di(Texto::RegistroQueNoSeEscribe, {"«" + ruta + "»"}) << '\n';
    return false;
}

}  // namespace velistra::consola
