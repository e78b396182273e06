#pragma once
#include <cstddef>
#include <optional>
#include <string_view>

namespace velistra {

// The white-space-separated words of a text, read one after another. Line breaks carry
// no meaning, so "\n" and "\r\n" files read alike.
class Fichas {
public:
    explicit Fichas(std::string_view texto) : resto(texto) {}

    // The next word, or nothing when the text is used up.
    std::optional<std::string_view> Siguiente();
    // Reads the next word as a decimal integer within [minimo, maximo]; false when the
    // text is used up, the word is not a plain integer or it lies outside the range.
    bool Entero(long long minimo, long long maximo, long long& valor);

    template <typename T>
    bool Lee(T& destino, long long minimo, long long maximo) {
        long long valor = 0;
        if (!Entero(minimo, maximo, valor)) return false;
        destino = static_cast<T>(valor);
        return true;
    }

    // Only white space is left.
    bool Agotado();

private:
    std::string_view resto;
};

}  // namespace velistra
