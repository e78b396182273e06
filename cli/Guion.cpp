#include "cli/Guion.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <istream>
#include <string_view>

#include "cli/Citas.h"
#include "cli/PalabrasDeGuion.h"
#include "cli/Textos.h"
#include "plataforma/Traducible.h"

namespace velistra::consola {

namespace {

struct Sintaxis {
    std::string_view nombre;
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
    // Three variables, not an array: stored apart and read back together, an array's
    // numbers stall the load that copies them into the order.
    int primero = 0;
    int segundo = 0;
    int tercero = 0;
    const auto lee = [&](std::size_t i, int& n) {
        return i >= conNumero || LeeNumero(palabras.palabra[i + 1], n);
    };
    if (!lee(0, primero)) return Di(Texto::NoEsEntero, {Cita(palabras.palabra[1])});
    if (!lee(1, segundo)) return Di(Texto::NoEsEntero, {Cita(palabras.palabra[2])});
    if (!lee(2, tercero)) return Di(Texto::NoEsEntero, {Cita(palabras.palabra[3])});

    orden.tipo = s->tipo;
    switch (s->tipo) {
        case TipoDeOrden::Interruptor:
            if (tercero != 0 && tercero != 1)
                return Di(Texto::PosicionDePalanca, {std::to_string(tercero)});
            orden.valor = tercero;
            [[fallthrough]];
        case TipoDeOrden::Pulsar:
        case TipoDeOrden::Soltar:
        case TipoDeOrden::Sonda:
            orden.tablero = primero;
            orden.indice = segundo;
            break;
        case TipoDeOrden::Registrar:
            if (palabras.cuantas > 3) orden.nombre = palabras.palabra[3];
            orden.tablero = primero;
            orden.indice = segundo;
            break;
        case TipoDeOrden::Tic:
            orden.valor = argumentos == 0 ? 1 : primero;
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

}  // namespace

LectorDeGuion::LectorDeGuion(FuenteDeGuion fuente, std::optional<std::size_t> tope)
    : fuente(std::move(fuente)), tope(tope), bufer(kBufer) {
    static_assert(kBufer > kLargoMaximoDeLinea + 1);
}

// The next line without its '\n', from the buffer, which is refilled only when it holds
// no whole line. `leidos` counts every byte up to the end of the line.
LectorDeGuion::Linea LectorDeGuion::SiguienteLinea(std::string_view& linea) {
    for (;;) {
        const char* desde = bufer.data() + inicio;
        const std::size_t hay = fin - inicio;
        if (const void* salto = std::memchr(desde, '\n', hay)) {
            const auto largo = static_cast<std::size_t>(static_cast<const char*>(salto) - desde);
            linea = {desde, largo};
            inicio += largo + 1;
            leidos += largo + 1;
            return largo > kLargoMaximoDeLinea ? Linea::Larga : Linea::Leida;
        }
        if (hay > kLargoMaximoDeLinea) return Linea::Larga;
        if (agotada) {
            if (hay == 0) return Linea::Fin;
            linea = {desde, hay};
            inicio = fin;
            leidos += hay;
            return Linea::Leida;
        }
        std::memmove(bufer.data(), desde, hay);
        inicio = 0;
        fin = hay;
        const long n = fuente(bufer.data() + fin, bufer.size() - fin);
        if (n < 0) return Linea::Fallo;
        if (n == 0) agotada = true;
        fin += static_cast<std::size_t>(n);
    }
}

bool LectorDeGuion::Lee(std::string_view linea) {
    // Reused, so that its name keeps its room from line to line.
    orden.linea = numero;
    orden.nombre.clear();
    if (const OrdenesRecordadas::Recordada* r = recordadas.Busca(linea)) {
        orden.tipo = r->tipo;
        orden.tablero = r->tablero;
        orden.indice = r->indice;
        orden.valor = r->valor;
        return !r->vacia;
    }
    const Palabras palabras = ParteEnPalabras(linea);
    if (palabras.cuantas == 0) {
        recordadas.RecuerdaVacia(linea);
        return false;
    }
    orden.tablero = orden.indice = orden.valor = 0;
    if (std::optional<std::string> fallo = Analiza(palabras, orden)) {
        error = ErrorDeGuion{numero, std::move(*fallo)};
        return false;
    }
    recordadas.RecuerdaOrden(linea, orden);
    return true;
}

const Orden* LectorDeGuion::Siguiente() {
    while (!error && !ilegible) {
        std::string_view linea;
        const Linea leida = SiguienteLinea(linea);
        if (leida == Linea::Fin) return nullptr;
        if (leida == Linea::Fallo) {
            ilegible = true;
            return nullptr;
        }
        ++numero;
        if (leida == Linea::Larga) {
            error = ErrorDeGuion{numero, Di(Texto::LineaLarga, {std::to_string(kLargoMaximoDeLinea)})};
            return nullptr;
        }
        if (tope && leidos > *tope) {
            error = ErrorDeGuion{numero, Di(Texto::GuionGrande, {std::to_string(*tope >> 20)})};
            return nullptr;
        }
        if (numero == 1 && linea.starts_with(kMarcaDeOrden)) linea.remove_prefix(kMarcaDeOrden.size());
        if (Lee(linea)) return &orden;
    }
    return nullptr;
}

FuenteDeGuion FuenteEnMemoria(std::string_view texto) {
    return [texto](char* destino, std::size_t n) mutable -> long {
        const std::size_t tomados = texto.copy(destino, n);
        texto.remove_prefix(tomados);
        return static_cast<long>(tomados);
    };
}

Guion TodasLasOrdenes(LectorDeGuion& lector) {
    Guion guion;
    while (const Orden* orden = lector.Siguiente()) guion.ordenes.push_back(*orden);
    guion.error = lector.Error();
    guion.ilegible = lector.Ilegible();
    return guion;
}

namespace {

Guion TodoElGuion(FuenteDeGuion fuente) {
    LectorDeGuion lector(std::move(fuente), kTamanoMaximoDeGuion);
    return TodasLasOrdenes(lector);
}

}  // namespace

Guion LeeGuion(std::istream& entrada) {
    return TodoElGuion([&entrada](char* destino, std::size_t n) -> long {
        entrada.read(destino, static_cast<std::streamsize>(n));
        const auto leidos = static_cast<long>(entrada.gcount());
        return leidos == 0 && entrada.bad() ? -1 : leidos;
    });
}

Guion LeeGuion(std::string_view texto) { return TodoElGuion(FuenteEnMemoria(texto)); }

}  // namespace velistra::consola
