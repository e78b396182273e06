#include "plataforma/CatalogoDeTextos.h"

#include <cstdio>
#include <string_view>
#include <unordered_map>

#include "plataforma/Traducible.h"

namespace velistra {

namespace {

const std::unordered_map<std::string_view, const char*>& EnIngles() {
    static const std::unordered_map<std::string_view, const char*> ingles = [] {
        std::unordered_map<std::string_view, const char*> m;
        for (const ParDeTextos& par : TextosDelCatalogo()) m.emplace(par.espanol, par.ingles);
        return m;
    }();
    return ingles;
}

}  // namespace

Mensaje::Mensaje(const char* plantilla, std::vector<Mensaje> argumentos)
    : texto(plantilla), argumentos(std::move(argumentos)) {}

Mensaje Mensaje::Literal(std::string texto) {
    Mensaje m;
    m.clase = Clase::Literal;
    m.texto = std::move(texto);
    return m;
}

Mensaje Mensaje::Entero(long long numero) { return Literal(std::to_string(numero)); }

Mensaje Mensaje::Decimal(double valor, int decimales) {
    Mensaje m;
    m.clase = Clase::Decimal;
    m.valor = valor;
    m.decimales = decimales;
    return m;
}

std::string Traduce(Idioma idioma, std::string_view espanol) {
    if (idioma == Idioma::Ingles) {
        const auto& ingles = EnIngles();
        if (const auto e = ingles.find(espanol); e != ingles.end()) return e->second;
    }
    return std::string(espanol);
}

std::string FormateaDecimal(double valor, int decimales, Idioma idioma) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.*f", decimales < 0 ? 0 : decimales, valor);
    std::string s(texto);
    if (idioma == Idioma::Espanol)
        for (char& c : s)
            if (c == '.') c = ',';
    return s;
}

std::string Formatea(const Mensaje& mensaje, Idioma idioma) {
    switch (mensaje.clase) {
        case Mensaje::Clase::Literal: return mensaje.texto;
        case Mensaje::Clase::Decimal:
            return FormateaDecimal(mensaje.valor, mensaje.decimales, idioma);
        case Mensaje::Clase::Plantilla: break;
    }
    std::vector<std::string> argumentos;
    argumentos.reserve(mensaje.argumentos.size());
    for (const Mensaje& a : mensaje.argumentos) argumentos.push_back(Formatea(a, idioma));
    return Rellena(Traduce(idioma, mensaje.texto), argumentos);
}

Mensaje Enumeracion(std::vector<Mensaje> partes) {
    if (partes.empty()) return Mensaje::Literal("");
    Mensaje lista = std::move(partes.front());
    for (std::size_t i = 1; i < partes.size(); ++i) {
        if (i + 1 == partes.size())
            lista = Mensaje(VELISTRA_TEXTO("%1 y %2"), {std::move(lista), std::move(partes[i])});
        else
            lista = Mensaje(VELISTRA_TEXTO("%1, %2"), {std::move(lista), std::move(partes[i])});
    }
    return lista;
}

}  // namespace velistra
