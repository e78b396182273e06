#include "cli/FallosDeConsola.h"

#include <ostream>

#include "cli/TextosDeDocencia.h"
#include "docencia/Fallos.h"
#include "plataforma/Sistema.h"

namespace velistra::consola {

namespace {
// A faults file names a handful of pins; anything bigger is not one.
constexpr std::size_t kTamanoMaximo = 1024 * 1024;
}  // namespace

bool PlantaFallos(Mesa& mesa, const std::string& archivo, std::ostream& errores) {
    const sistema::ArchivoLeido leido = sistema::LeeArchivoRegular(archivo, kTamanoMaximo);
    if (leido.resultado != sistema::Lectura::Leido || leido.texto.size() > kTamanoMaximo) {
        errores << "velistra-cli: " << textos::ArchivoQueNoSeLee("el archivo de fallos", archivo) << '\n';
        return false;
    }
    const docencia::FallosLeidos leidos = docencia::LeeFallos(leido.texto);
    int linea = leidos.lineaErronea;
    std::string error = leidos.error;
    if (linea == 0) {
        if (std::optional<std::string> e = docencia::AplicaFallos(mesa, leidos.fallos, linea))
            error = *e;
    }
    if (error.empty()) return true;
    errores << archivo << ':' << linea << ": " << error << '\n';
    return false;
}

}  // namespace velistra::consola
