#include "web/AyudaWeb.h"

#include "plataforma/Textos.h"
#include "plataforma/Traducible.h"
#include "web/Traduccion.h"

namespace velistra {

namespace {
// The lines as the desktop's help dialog shows them; an empty one is a gap.
constexpr const char* kLineas[] = {
    VELISTRA_TEXTO("Simulador de circuitos TTL 74xx"),
    VELISTRA_TEXTO("Laboratorio de Electrónica Digital"),
    VELISTRA_TEXTO("Escuela de Ingeniería Electrónica"),
    VELISTRA_TEXTO("Envíenos sus comentarios"),
    "",
    VELISTRA_TEXTO("Hagamos un mundo mejor"),
};
constexpr const char* kLineaDeVersion = VELISTRA_TEXTO("Versión %1 (2541180) - Mayo de 2011");
constexpr const char* kBoton = VELISTRA_TEXTO("¡ Vamo' Pa' Chincha Familia !");
}  // namespace

std::vector<std::string> LineasDeAyuda() {
    std::vector<std::string> lineas{"Velistra", Rellena(TextoDelNucleo(kLineaDeVersion), {textos::kVersion})};
    for (const char* linea : kLineas) lineas.push_back(*linea ? TextoDelNucleo(linea) : std::string());
    lineas.push_back(TextoDelNucleo(kBoton));
    return lineas;
}

}  // namespace velistra
