#include "cli/LecturaDelGuion.h"

#include <ostream>

#include "cli/Textos.h"
#include "plataforma/Sistema.h"

namespace velistra::consola {

namespace {

constexpr const char* kPrograma = "velistra-cli";

std::optional<Guion> Ilegible(std::ostream& errores, const std::string& porque) {
    errores << kPrograma << ": " << porque << '\n';
    return std::nullopt;
}

}  // namespace

std::optional<Guion> LeeGuionDeLaEjecucion(const std::optional<std::string>& archivo,
                                           std::istream& entrada, std::ostream& errores) {
    if (!archivo) {
        Guion guion = LeeGuion(entrada);
        if (guion.ilegible) return Ilegible(errores, Di(Texto::GuionDeLaEntradaIlegible));
        return guion;
    }
    const std::string nombre = "«" + *archivo + "»";
    // The size limit of a script, plus one byte, is read at most: LeeGuion tells the rest.
    const sistema::ArchivoLeido leido = sistema::LeeArchivoRegular(*archivo, kTamanoMaximoDeGuion);
    switch (leido.resultado) {
        case sistema::Lectura::Leido: break;
        case sistema::Lectura::NoSeAbre:
            return Ilegible(errores, Di(Texto::GuionQueNoSeAbre, {nombre}));
        case sistema::Lectura::NoEsRegular:
            return Ilegible(errores, Di(Texto::GuionNoNormal, {nombre}));
        case sistema::Lectura::FalloAlLeer:
            return Ilegible(errores, Di(Texto::GuionIlegible, {nombre}));
    }
    return LeeGuion(std::string_view(leido.texto));
}

}  // namespace velistra::consola
