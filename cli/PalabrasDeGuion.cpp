#include "cli/PalabrasDeGuion.h"

namespace velistra::consola {

namespace {

// What a byte does to a line's words, looked up rather than compared.
enum Clase : unsigned char { kDePalabra, kBlanco, kComentario };

constexpr std::array<Clase, 256> ClasesDeBytes() {
    std::array<Clase, 256> clases{};
    for (const char c : {' ', '\t', '\n', '\v', '\f', '\r'})
        clases[static_cast<unsigned char>(c)] = kBlanco;
    clases[static_cast<unsigned char>('#')] = kComentario;
    return clases;
}
constexpr std::array<Clase, 256> kClases = ClasesDeBytes();

Clase ClaseDe(char c) { return kClases[static_cast<unsigned char>(c)]; }

}  // namespace

Palabras ParteEnPalabras(std::string_view linea) {
    Palabras palabras;
    const char* p = linea.data();
    const char* const fin = p + linea.size();
    for (;;) {
        while (p != fin && ClaseDe(*p) == kBlanco) ++p;
        if (p == fin || ClaseDe(*p) == kComentario) return palabras;
        const char* const inicio = p;
        while (p != fin && ClaseDe(*p) == kDePalabra) ++p;
        if (palabras.cuantas < Palabras::kGuardadas)
            palabras.palabra[palabras.cuantas] = {inicio, static_cast<std::size_t>(p - inicio)};
        ++palabras.cuantas;
    }
}

}  // namespace velistra::consola
