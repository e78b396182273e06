#include "plataforma/Avisos.h"

#include "plataforma/CatalogoDeTextos.h"

namespace velistra {

void Avisos::MuestraMensaje(const Mensaje& texto, const Mensaje& titulo, Icono icono) {
    Muestra(Formatea(texto, Idioma::Espanol), Formatea(titulo, Idioma::Espanol), icono);
}

}  // namespace velistra
