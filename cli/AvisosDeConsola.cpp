#include "cli/AvisosDeConsola.h"

#include <ostream>

#include "cli/Textos.h"

namespace velistra::consola {

void AvisosDeConsola::Muestra(const std::string& texto, const std::string&, Icono) {
    salida << DelNucleo(texto) << '\n' << std::flush;
}

void AvisosDeConsola::MuestraMensaje(const Mensaje& texto, const Mensaje&, Icono) {
    salida << DelNucleo(texto) << '\n' << std::flush;
}

Respuesta AvisosDeConsola::Pregunta(const std::string&, const std::string&) {
    return Respuesta::No;
}

}  // namespace velistra::consola
