#include "cli/Guion.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <istream>
#include <sstream>

#include "cli/Citas.h"
#include "cli/Textos.h"

namespace velistra::consola {

namespace {

struct Sintaxis {
    const char* nombre;
    TipoDeOrden tipo;
    std::size_t minimo;
    std::size_t maximo;
    const char* uso;
};

constexpr Sintaxis kOrdenes[] = {
    {"encender", TipoDeOrden::Encender, 0, 0, "encender"},
    {"apagar", TipoDeOrden::Apagar, 0, 0, "apagar"},
    {"interruptor", TipoDeOrden::Interruptor, 3, 3, "interruptor ID I 0|1"},
    {"pulsar", TipoDeOrden::Pulsar, 2, 2, "pulsar ID I"},
    {"soltar", TipoDeOrden::Soltar, 2, 2, "soltar ID I"},
    {"tic", TipoDeOrden::Tic, 0, 1, "tic [N]"},
    {"mostrar", TipoDeOrden::Mostrar, 0, 0, "mostrar"},
    {"sonda", TipoDeOrden::Sonda, 2, 2, "sonda ID P"},
};

std::vector<std::string> Palabras(const std::string& linea) {
    const std::string sinComentario = linea.substr(0, linea.find('#'));
    std::istringstream flujo(sinComentario);
    std::vector<std::string> palabras;
    for (std::string p; flujo >> p;) palabras.push_back(p);
    return palabras;
}

std::optional<int> Numero(const std::string& palabra) {
    int n = 0;
    const char* fin = palabra.data() + palabra.size();
    const auto [resto, error] = std::from_chars(palabra.data(), fin, n);
    if (error != std::errc{} || resto != fin) return std::nullopt;
    return n;
}

// The order of a line, or the reason it is not one.
std::optional<std::string> Analiza(const std::vector<std::string>& palabras, Orden& orden) {
    const auto* s = std::find_if(std::begin(kOrdenes), std::end(kOrdenes),
                                 [&](const Sintaxis& o) { return palabras[0] == o.nombre; });
    if (s == std::end(kOrdenes)) return Di(Texto::OrdenDesconocida, {Cita(palabras[0])});
    const std::size_t argumentos = palabras.size() - 1;
    if (argumentos < s->minimo) return Di(Texto::FaltanArgumentos, {s->uso});
    if (argumentos > s->maximo) return Di(Texto::SobranArgumentos, {s->uso});

    std::vector<int> numeros;
    for (std::size_t i = 1; i < palabras.size(); ++i) {
        const std::optional<int> n = Numero(palabras[i]);
        if (!n) return Di(Texto::NoEsEntero, {Cita(palabras[i])});
        numeros.push_back(*n);
    }

    orden.tipo = s->tipo;
    switch (s->tipo) {
        case TipoDeOrden::Interruptor:
            if (numeros[2] != 0 && numeros[2] != 1)
                return Di(Texto::PosicionDePalanca, {std::to_string(numeros[2])});
            orden.valor = numeros[2];
            [[fallthrough]];
        case TipoDeOrden::Pulsar:
        case TipoDeOrden::Soltar:
        case TipoDeOrden::Sonda:
            orden.tablero = numeros[0];
            orden.indice = numeros[1];
            break;
        case TipoDeOrden::Tic:
            orden.valor = numeros.empty() ? 1 : numeros[0];
            if (orden.valor < 1) return Di(Texto::NumeroDeTics, {std::to_string(orden.valor)});
            break;
        case TipoDeOrden::Encender:
        case TipoDeOrden::Apagar:
        case TipoDeOrden::Mostrar:
            break;
    }
    return std::nullopt;
}

// Some editors put it before the first line; circuit files with it load too.
constexpr std::string_view kMarcaDeOrden = "\xEF\xBB\xBF";

enum class Linea { Leida, Fin, Larga };

// The next line without its '\n'; Fin when the stream ended first (what was read is then
// the last line). `leidos` counts every byte taken from the stream.
Linea LeeLinea(std::istream& entrada, std::string& linea, std::size_t& leidos) {
    // Room for one character past the limit, so that a line one too long shows.
    std::array<char, kLargoMaximoDeLinea + 2> bufer;
    entrada.getline(bufer.data(), static_cast<std::streamsize>(bufer.size()));
    const auto extraidos = static_cast<std::size_t>(entrada.gcount());
    leidos += extraidos;
    // The buffer filled up without a line break; or the stream failed (bad()).
    if (entrada.fail() && !entrada.eof()) return extraidos > 0 ? Linea::Larga : Linea::Fin;
    const bool fin = entrada.eof();
    // The line break was taken but not stored; a NUL byte stays part of the line.
    linea.assign(bufer.data(), fin ? extraidos : extraidos - 1);
    if (linea.size() > kLargoMaximoDeLinea) return Linea::Larga;
    return fin ? Linea::Fin : Linea::Leida;
}

}  // namespace

Guion LeeGuion(std::istream& entrada) {
    Guion guion;
    int numero = 0;
    std::size_t leidos = 0;
    std::string linea;
    for (bool fin = false; !fin;) {
        const std::size_t antes = leidos;
        const Linea leida = LeeLinea(entrada, linea, leidos);
        fin = leida == Linea::Fin;
        if (fin && leidos == antes) break;
        ++numero;
        if (leida == Linea::Larga) {
            guion.error =
                ErrorDeGuion{numero, Di(Texto::LineaLarga, {std::to_string(kLargoMaximoDeLinea)})};
            return guion;
        }
        if (leidos > kTamanoMaximoDeGuion) {
            guion.error = ErrorDeGuion{
                numero, Di(Texto::GuionGrande, {std::to_string(kTamanoMaximoDeGuion >> 20)})};
            return guion;
        }
        if (numero == 1 && linea.starts_with(kMarcaDeOrden)) linea.erase(0, kMarcaDeOrden.size());
        const std::vector<std::string> palabras = Palabras(linea);
        if (palabras.empty()) continue;
        Orden orden;
        orden.linea = numero;
        if (std::optional<std::string> error = Analiza(palabras, orden)) {
            guion.error = ErrorDeGuion{numero, std::move(*error)};
            return guion;
        }
        guion.ordenes.push_back(orden);
    }
    guion.ilegible = entrada.bad();
    return guion;
}

}  // namespace velistra::consola
