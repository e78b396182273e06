#include "cli/AvisosDeConsola.h"

#include <ostream>

namespace velistra::consola {

void AvisosDeConsola::Muestra(const std::string& texto, const std::string&, Icono) {
    salida << texto << '\n' << std::flush;
}

Respuesta AvisosDeConsola::Pregunta(const std::string&, const std::string&) {
    return Respuesta::No;
}

}  // namespace velistra::consola
