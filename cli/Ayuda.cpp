#include "cli/Ayuda.h"

#include "cli/Textos.h"

namespace velistra::consola {

const char* TextoDeAyuda() {
    return IdiomaDeLaEjecucion() == Idioma::Ingles ? AyudaEnIngles() : AyudaEnEspanol();
}

}  // namespace velistra::consola
