#include "plataforma/Traducible.h"

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

}  // namespace velistra
