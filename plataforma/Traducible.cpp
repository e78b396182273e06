#include "plataforma/Traducible.h"

#include <algorithm>

namespace velistra {

namespace {
// The number of the placeholder at `i` (0 for %1), or -1.
int Marcador(std::string_view texto, std::size_t i) {
    if (texto[i] != '%' || i + 1 >= texto.size() || texto[i + 1] < '1' || texto[i + 1] > '9')
        return -1;
    return texto[i + 1] - '1';
}
}  // namespace

std::string Rellena(std::string_view plantilla, const std::vector<std::string>& argumentos) {
    std::string texto;
    texto.reserve(plantilla.size());
    for (std::size_t i = 0; i < plantilla.size(); ++i) {
        const int n = Marcador(plantilla, i);
        if (n >= 0 && static_cast<std::size_t>(n) < argumentos.size()) {
            texto += argumentos[static_cast<std::size_t>(n)];
            ++i;
            continue;
        }
        texto += plantilla[i];
    }
    return texto;
}

std::optional<std::vector<std::string>> ArgumentosDe(std::string_view plantilla,
                                                     std::string_view texto) {
    // The template as fixed pieces between placeholders: piezas[0] %a piezas[1] %b ...
    std::vector<std::string_view> piezas;
    std::vector<int> numeros;
    std::size_t desde = 0;
    for (std::size_t i = 0; i < plantilla.size(); ++i) {
        const int n = Marcador(plantilla, i);
        if (n < 0) continue;
        piezas.push_back(plantilla.substr(desde, i - desde));
        numeros.push_back(n);
        desde = i + 2;
        ++i;
    }
    if (numeros.empty()) return std::nullopt;
    piezas.push_back(plantilla.substr(desde));

    int mayor = 0;
    for (int n : numeros) mayor = std::max(mayor, n);
    std::vector<std::string> argumentos(static_cast<std::size_t>(mayor) + 1);
    if (!texto.starts_with(piezas.front()) || !texto.ends_with(piezas.back()) ||
        texto.size() < piezas.front().size() + piezas.back().size())
        return std::nullopt;
    std::size_t pos = piezas.front().size();
    const std::size_t fin = texto.size() - piezas.back().size();
    for (std::size_t k = 0; k < numeros.size(); ++k) {
        // Each argument is at least one character and ends where the next piece first
        // appears; the last one runs up to the final piece.
        std::size_t hasta = fin;
        if (k + 1 < numeros.size()) {
            hasta = texto.find(piezas[k + 1], pos + 1);
            if (hasta == std::string_view::npos || hasta > fin) return std::nullopt;
        }
        if (hasta <= pos) return std::nullopt;
        std::string& argumento = argumentos[static_cast<std::size_t>(numeros[k])];
        const std::string_view valor = texto.substr(pos, hasta - pos);
        // The same placeholder twice must hold the same text.
        if (!argumento.empty() && argumento != valor) return std::nullopt;
        argumento = valor;
        pos = hasta + (k + 1 < numeros.size() ? piezas[k + 1].size() : 0);
    }
    return argumentos;
}

std::string Traduce(const std::string& texto, std::span<const char* const> plantillas,
                    const Traduccion& traduccion) {
    if (std::optional<std::string> entera = traduccion(texto.c_str())) return *entera;
    for (const char* plantilla : plantillas) {
        const std::optional<std::vector<std::string>> argumentos = ArgumentosDe(plantilla, texto);
        if (!argumentos) continue;
        if (std::optional<std::string> traducida = traduccion(plantilla))
            return Rellena(*traducida, *argumentos);
    }
    return texto;
}

}  // namespace velistra
