#include "cli/FallosDeConsola.h"

#include <ostream>

#include "cli/Textos.h"
#include "cli/TextosDeDocencia.h"
#include "docencia/Fallos.h"

namespace velistra::consola {

bool PlantaFallos(Mesa& mesa, const std::string& archivo, std::ostream& errores) {
    const std::optional<docencia::ErrorDeFallos> error = docencia::PlantaFallosDeArchivo(mesa, archivo);
    if (!error) return true;
    if (error->linea == 0)
        errores << "velistra-cli: "
                << textos::ArchivoQueNoSeLee(Di(Texto::ElArchivoDeFallos), archivo) << '\n';
    else
        errores << archivo << ':' << error->linea << ": " << DelNucleo(error->mensaje) << '\n';
    return false;
}

}  // namespace velistra::consola
