#include "cli/Guion.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <istream>
#include <string_view>

#include "cli/Citas.h"
#include "cli/Textos.h"
#include "plataforma/Traducible.h"

namespace velistra::consola {

namespace {

struct Sintaxis {
    const char* nombre;
    TipoDeOrden tipo;
    std::size_t minimo;
    std::size_t maximo;
    // Its words as the help gives them; %1 is the channel's name, said in the run's language.
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
    {"registrar", TipoDeOrden::Registrar, 2, 3, "registrar ID P [%1]"},
};

// The words of a line up to its comment, split where the stream's `>>` splits them (the
// classic locale's blanks). Only the first few are kept: no order takes more, and a line
// with more is told by how many there are.
struct Palabras {
    static constexpr std::size_t kGuardadas = 4;
    std::array<std::string_view, kGuardadas> palabra;
    std::size_t cuantas = 0;
};

constexpr bool EsBlanco(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

Palabras ParteEnPalabras(std::string_view linea) {
    linea = linea.substr(0, linea.find('#'));
    Palabras palabras;
    std::size_t i = 0;
    for (;;) {
        while (i < linea.size() && EsBlanco(linea[i])) ++i;
        if (i == linea.size()) return palabras;
        const std::size_t inicio = i;
        while (i < linea.size() && !EsBlanco(linea[i])) ++i;
        if (palabras.cuantas < Palabras::kGuardadas)
            palabras.palabra[palabras.cuantas] = linea.substr(inicio, i - inicio);
        ++palabras.cuantas;
    }
}

std::optional<int> Numero(std::string_view palabra) {
    int n = 0;
    const char* fin = palabra.data() + palabra.size();
    const auto [resto, error] = std::from_chars(palabra.data(), fin, n);
    if (error != std::errc{} || resto != fin) return std::nullopt;
    return n;
}

// The order of a line, or the reason it is not one.
std::optional<std::string> Analiza(const Palabras& palabras, Orden& orden) {
    const std::string_view nombre = palabras.palabra[0];
    const auto* s = std::find_if(std::begin(kOrdenes), std::end(kOrdenes),
                                 [&](const Sintaxis& o) { return nombre == o.nombre; });
    if (s == std::end(kOrdenes)) return Di(Texto::OrdenDesconocida, {Cita(nombre)});
    const std::size_t argumentos = palabras.cuantas - 1;
    // Only a faulty line pays for its usage text.
    auto uso = [s] { return Rellena(s->uso, {Di(Texto::NombreDelCanal)}); };
    if (argumentos < s->minimo) return Di(Texto::FaltanArgumentos, {uso()});
    if (argumentos > s->maximo) return Di(Texto::SobranArgumentos, {uso()});

    // A channel's name is a word, not a number.
    const std::size_t conNumero =
        s->tipo == TipoDeOrden::Registrar ? std::min<std::size_t>(argumentos, 2) : argumentos;
    std::array<int, Palabras::kGuardadas - 1> numeros{};
    for (std::size_t i = 0; i < conNumero; ++i) {
        const std::optional<int> n = Numero(palabras.palabra[i + 1]);
        if (!n) return Di(Texto::NoEsEntero, {Cita(palabras.palabra[i + 1])});
        numeros[i] = *n;
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
        case TipoDeOrden::Registrar:
            if (palabras.cuantas > 3) orden.nombre = palabras.palabra[3];
            [[fallthrough]];
        case TipoDeOrden::Sonda:
            orden.tablero = numeros[0];
            orden.indice = numeros[1];
            break;
        case TipoDeOrden::Tic:
            orden.valor = argumentos == 0 ? 1 : numeros[0];
            if (orden.valor < 1)
                return Di(Texto::NumeroDeTics, {std::to_string(orden.valor)});
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

// Takes a script's lines in order and stops at the first faulty one.
class Lector {
public:
    // `leidos` counts every byte taken up to the end of the line. False when the script
    // ends here, its error told.
    bool Toma(std::string_view linea, bool larga, std::size_t leidos);

    Guion guion;

private:
    int numero = 0;
};

bool Lector::Toma(std::string_view linea, bool larga, std::size_t leidos) {
    ++numero;
    if (larga) {
        guion.error = ErrorDeGuion{
            numero, Di(Texto::LineaLarga, {std::to_string(kLargoMaximoDeLinea)})};
        return false;
    }
    if (leidos > kTamanoMaximoDeGuion) {
        guion.error = ErrorDeGuion{
            numero, Di(Texto::GuionGrande, {std::to_string(kTamanoMaximoDeGuion >> 20)})};
        return false;
    }
    if (numero == 1 && linea.starts_with(kMarcaDeOrden)) linea.remove_prefix(kMarcaDeOrden.size());
    const Palabras palabras = ParteEnPalabras(linea);
    if (palabras.cuantas == 0) return true;
    Orden orden;
    orden.linea = numero;
    if (std::optional<std::string> error = Analiza(palabras, orden)) {
        guion.error = ErrorDeGuion{numero, std::move(*error)};
        return false;
    }
    guion.ordenes.push_back(orden);
    return true;
}

}  // namespace

Guion LeeGuion(std::istream& entrada) {
    Lector lector;
    std::size_t leidos = 0;
    std::string linea;
    for (bool fin = false; !fin;) {
        const std::size_t antes = leidos;
        const Linea leida = LeeLinea(entrada, linea, leidos);
        fin = leida == Linea::Fin;
        if (fin && leidos == antes) break;
        if (!lector.Toma(linea, leida == Linea::Larga, leidos)) return std::move(lector.guion);
    }
    lector.guion.ilegible = entrada.bad();
    return std::move(lector.guion);
}

Guion LeeGuion(std::string_view texto) {
    Lector lector;
    for (std::size_t inicio = 0; inicio < texto.size();) {
        const std::size_t salto = std::min(texto.find('\n', inicio), texto.size());
        const std::string_view linea = texto.substr(inicio, salto - inicio);
        inicio = std::min(salto + 1, texto.size());
        if (!lector.Toma(linea, linea.size() > kLargoMaximoDeLinea, inicio)) break;
    }
    return std::move(lector.guion);
}

}  // namespace velistra::consola
