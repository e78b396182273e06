#include "cli/Docencia.h"

#include <algorithm>
#include <ostream>

#include "cli/ArgumentosDeDocencia.h"
#include "cli/CodigosDeSalida.h"
#include "cli/Comprobacion.h"
#include "cli/Practica.h"
#include "cli/Revisar.h"
#include "cli/Textos.h"

namespace velistra::consola {

namespace {

int ErrorDeUso(std::ostream& errores, const std::string& error) {
    errores << "velistra-cli: " << error << '\n' << Di(Texto::UseAyuda, {"velistra-cli"}) << '\n';
    return kUsoIncorrecto;
}

}  // namespace

bool EsOrdenDeDocencia(const std::vector<std::string>& argumentos) {
    if (argumentos.empty() || (argumentos[0] != "comprobar" && argumentos[0] != "revisar" &&
                                argumentos[0] != "practica"))
        return false;
    return std::none_of(argumentos.begin(), argumentos.end(),
                        [](const std::string& a) { return a == "--help" || a == "-h"; });
}

int EjecutaDocencia(const std::vector<std::string>& argumentos, std::ostream& salida,
                    std::ostream& errores) {
    std::string error;
    if (argumentos[0] == "revisar") {
        const std::optional<PeticionDeRevision> r = AnalizaRevision(argumentos, error);
        if (!r) return ErrorDeUso(errores, error);
        return Revisa(*r, salida, errores);
    }
    const std::optional<PeticionDeComprobacion> p = argumentos[0] == "practica"
                                                        ? AnalizaPractica(argumentos, error)
                                                        : AnalizaComprobacion(argumentos, error);
    if (!p) return ErrorDeUso(errores, error);
    return Comprueba(*p, salida, errores);
}

}  // namespace velistra::consola
