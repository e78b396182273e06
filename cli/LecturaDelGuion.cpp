#include "cli/LecturaDelGuion.h"

#include <ostream>

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
        if (guion.ilegible) return Ilegible(errores, "no se puede leer el guion de la entrada estándar");
        return guion;
    }
    const std::string nombre = "«" + *archivo + "»";
    // The size limit of a script, plus one byte, is read at most: LeeGuion tells the rest.
    const sistema::ArchivoLeido leido = sistema::LeeArchivoRegular(*archivo, kTamanoMaximoDeGuion);
    switch (leido.resultado) {
        case sistema::Lectura::Leido: break;
        case sistema::Lectura::NoSeAbre: return Ilegible(errores, "no se puede abrir el guion " + nombre);
        case sistema::Lectura::NoEsRegular:
            return Ilegible(errores, "el guion " + nombre +
                                         " no es un archivo normal; se lee de un archivo o de la "
                                         "entrada estándar");
        case sistema::Lectura::FalloAlLeer: return Ilegible(errores, "no se puede leer el guion " + nombre);
    }
    return LeeGuion(std::string_view(leido.texto));
}

}  // namespace velistra::consola
