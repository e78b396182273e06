#include "cli/Practica.h"

#include "cli/Textos.h"
#include "docencia/Practica.h"
#include "plataforma/Traducible.h"

namespace velistra::consola {

namespace {

// The lab is the first word that is neither an option nor an option's value.
std::size_t PosicionDeLaPractica(const std::vector<std::string>& argumentos) {
    for (std::size_t i = 1; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if (a == "--plazo" || a == "--tabla" || a == "--referencia" || a == "--guion" ||
            a == "--salida") {
            ++i;
        } else if (a.empty() || a[0] != '-') {
            return i;
        }
    }
    return 0;
}

}  // namespace

std::optional<PeticionDeComprobacion> AnalizaPractica(const std::vector<std::string>& argumentos,
                                                      std::string& error) {
    const std::size_t posicion = PosicionDeLaPractica(argumentos);
    if (posicion == 0) {
        error = DelNucleo(VELISTRA_TEXTO("falta la carpeta de la práctica"));
        return std::nullopt;
    }
    Mensaje porque;
    const std::optional<docencia::Practica> practica =
        docencia::LeePractica(argumentos[posicion], porque);
    if (!practica) {
        error = DelNucleo(porque);
        return std::nullopt;
    }
    // comprobar's own line: a --tabla given here as well is refused as a second check.
    std::vector<std::string> comprobar{"practica"};
    for (std::size_t i = 1; i < argumentos.size(); ++i) {
        if (i != posicion) comprobar.push_back(argumentos[i]);
    }
    switch (practica->clase) {
        case docencia::ClaseDeComprobacion::Tabla:
            comprobar.insert(comprobar.end(), {"--tabla", practica->comprobacion});
            break;
        case docencia::ClaseDeComprobacion::Referencia:
            comprobar.insert(comprobar.end(), {"--referencia", practica->comprobacion});
            break;
        case docencia::ClaseDeComprobacion::Guion:
            comprobar.insert(comprobar.end(),
                             {"--guion", practica->comprobacion, "--salida", practica->salida});
            break;
    }
    return AnalizaComprobacion(comprobar, error);
}

}  // namespace velistra::consola
