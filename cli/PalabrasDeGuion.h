#pragma once
#include <array>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace velistra::consola {

// The words of a script line up to its comment, split where the stream's `>>` splits them
// (the classic locale's blanks). Only the first few are kept: no order takes more, and a
// line with more is told by how many there are.
struct Palabras {
    static constexpr std::size_t kGuardadas = 4;
    std::array<std::string_view, kGuardadas> palabra;
    std::size_t cuantas = 0;
};

// Every line of a script passes through here byte by byte, once when it is checked and
// once when it runs: kept inline, and a byte's part looked up rather than compared.
namespace palabras {

enum Clase : unsigned char { kDePalabra, kBlanco, kSalto, kComentario };

constexpr std::array<Clase, 256> ClasesDeBytes() {
    std::array<Clase, 256> clases{};
    for (const char c : {' ', '\t', '\v', '\f', '\r'}) clases[static_cast<unsigned char>(c)] = kBlanco;
    clases[static_cast<unsigned char>('\n')] = kSalto;
    clases[static_cast<unsigned char>('#')] = kComentario;
    return clases;
}
inline constexpr std::array<Clase, 256> kClases = ClasesDeBytes();

inline Clase ClaseDe(char c) { return kClases[static_cast<unsigned char>(c)]; }

}  // namespace palabras

// Reads the words of the line that starts at `p`, in one pass over its bytes, and gives
// its '\n': the first one before `hasta`, or nothing when the line goes on past it (then
// its words so far are in `palabras`).
inline const char* ParteEnPalabras(const char* p, const char* const hasta, Palabras& palabras) {
    using namespace palabras;
    palabras.cuantas = 0;
    for (;;) {
        while (p != hasta && ClaseDe(*p) == kBlanco) ++p;
        if (p == hasta) return nullptr;
        switch (ClaseDe(*p)) {
            case kSalto: return p;
            case kComentario:
                return static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(hasta - p)));
            case kBlanco:
            case kDePalabra: break;
        }
        const char* const inicio = p;
        while (p != hasta && ClaseDe(*p) == kDePalabra) ++p;
        if (palabras.cuantas < Palabras::kGuardadas)
            palabras.palabra[palabras.cuantas] = {inicio, static_cast<std::size_t>(p - inicio)};
        ++palabras.cuantas;
    }
}

// Whether a word is a whole decimal int, as std::from_chars reads it (an optional '-', no
// '+', no blanks), and its value in `n`. Not an optional: a bool and an int returned
// apart cost less, and this runs for every number of every line.
inline bool LeeNumero(std::string_view palabra, int& n) {
    // A script's numbers are a few digits: those need none of the checks for overflow.
    if (!palabra.empty() && palabra.size() <= 9) {
        // Unsigned: a word with other bytes in it may run past an int before it is refused.
        unsigned valor = 0;
        bool digitos = true;
        for (const char c : palabra) {
            digitos = digitos && c >= '0' && c <= '9';
            valor = valor * 10 + static_cast<unsigned>(c - '0');
        }
        if (digitos) {
            n = static_cast<int>(valor);
            return true;
        }
    }
    const char* fin = palabra.data() + palabra.size();
    const auto [resto, error] = std::from_chars(palabra.data(), fin, n);
    return error == std::errc{} && resto == fin;
}

}  // namespace velistra::consola
