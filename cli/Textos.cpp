#include "cli/Textos.h"

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

}  // namespace

std::span<const EntradaDeTexto> TablaEnIngles() {
    static const std::vector<std::string> textos = [] {
        std::vector<std::string> t;
        for (const EntradaDeTexto& e : TablaEnEspanol())
            t.push_back(Traduce(Idioma::Ingles, e.texto));
        return t;
    }();
    static const std::vector<EntradaDeTexto> tabla = [] {
        std::vector<EntradaDeTexto> t;
        std::size_t i = 0;
        for (const EntradaDeTexto& e : TablaEnEspanol())
            t.push_back({e.clave, textos[i++].c_str()});
        return t;
    }();
    return tabla;
}

void HablaEn(Idioma elegido) { idioma = elegido; }

Idioma IdiomaDeLaEjecucion() { return idioma; }

std::string Di(Texto texto, const std::vector<std::string>& argumentos) {
    const char* plantilla = Busca(TablaEnEspanol(), texto);
    return Rellena(plantilla == nullptr ? "" : Traduce(idioma, plantilla), argumentos);
}

std::string DelNucleo(const char* texto) { return Traduce(idioma, texto); }

std::string DelNucleo(const std::string& texto) { return Traduce(idioma, texto); }

std::string DelNucleo(const Mensaje& mensaje) { return Formatea(mensaje, idioma); }

}  // namespace velistra::consola
