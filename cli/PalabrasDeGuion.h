#pragma once
#include <array>
#include <charconv>
#include <cstddef>
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

// The words of one line, without its '\n'.
Palabras ParteEnPalabras(std::string_view linea);

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
