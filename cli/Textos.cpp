#include "cli/Textos.h"

#include <optional>

#include "plataforma/CatalogoDeTextos.h"
#include "plataforma/Traducible.h"

namespace velistra::consola {

namespace {

Idioma idioma = Idioma::Espanol;

const char* Busca(std::span<const EntradaDeTexto> tabla, Texto clave) {
    for (const EntradaDeTexto& e : tabla)
        if (e.clave == clave) return e.texto;
    return nullptr;
}

// The core's texts with placeholders (only a template is made from itself).
const std::vector<const char*>& PlantillasDelNucleo() {
    static const std::vector<const char*> plantillas = [] {
        std::vector<const char*> con;
        for (const ParDeTextos& par : TextosDelCatalogo())
            if (ArgumentosDe(par.espanol, par.espanol)) con.push_back(par.espanol);
        return con;
    }();
    return plantillas;
}

}  // namespace

void HablaEn(Idioma elegido) { idioma = elegido; }

Idioma IdiomaDeLaEjecucion() { return idioma; }

std::string Di(Texto texto, const std::vector<std::string>& argumentos) {
    const char* plantilla = idioma == Idioma::Ingles ? Busca(TablaEnIngles(), texto) : nullptr;
    // A text still without English is said in Spanish rather than not at all.
    if (plantilla == nullptr) plantilla = Busca(TablaEnEspanol(), texto);
    return Rellena(plantilla == nullptr ? "" : plantilla, argumentos);
}

std::string DelNucleo(const std::string& texto) {
    if (idioma == Idioma::Espanol) return texto;
    const Traduccion delCatalogo = [](const char* espanol) -> std::optional<std::string> {
        const std::string_view buscado(espanol);
        for (const ParDeTextos& par : TextosDelCatalogo())
            if (buscado == par.espanol) return std::string(par.ingles);
        return std::nullopt;
    };
    return Traduce(texto, PlantillasDelNucleo(), delCatalogo);
}

}  // namespace velistra::consola
