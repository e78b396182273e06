#include "persistencia/Fichas.h"

#include <algorithm>
#include <charconv>

namespace velistra {

namespace {

// The C locale's white space, which is what the stream reader of old files split on.
constexpr std::string_view kBlancos = " \t\n\v\f\r";

bool EsDigito(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<std::string_view> Fichas::Siguiente() {
    const std::size_t inicio = resto.find_first_not_of(kBlancos);
    if (inicio == std::string_view::npos) {
        resto = {};
        return std::nullopt;
    }
    resto.remove_prefix(inicio);
    const std::size_t fin = std::min(resto.find_first_of(kBlancos), resto.size());
    const std::string_view ficha = resto.substr(0, fin);
    resto.remove_prefix(fin);
    return ficha;
}

bool Fichas::Entero(long long minimo, long long maximo, long long& valor) {
    std::optional<std::string_view> ficha = Siguiente();
    if (!ficha) return false;
    std::string_view cifras = *ficha;
    // A stream also took an explicit plus sign.
    if (cifras.size() > 1 && cifras[0] == '+' && EsDigito(cifras[1])) cifras.remove_prefix(1);
    long long leido = 0;
    const char* fin = cifras.data() + cifras.size();
    const auto [donde, error] = std::from_chars(cifras.data(), fin, leido);
    if (error != std::errc{} || donde != fin) return false;
    if (leido < minimo || leido > maximo) return false;
    valor = leido;
    return true;
}

bool Fichas::Agotado() { return resto.find_first_not_of(kBlancos) == std::string_view::npos; }

}  // namespace velistra
