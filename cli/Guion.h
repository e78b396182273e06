#pragma once
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace velistra::consola {

enum class TipoDeOrden { Encender, Apagar, Interruptor, Pulsar, Soltar, Tic, Mostrar, Sonda };

// One script line, its numbers already read. Which fields count depends on the type:
// `tablero` and `indice` (lever, key or port) for interruptor, pulsar, soltar and sonda,
// `valor` for interruptor (0 or 1) and tic (the number of ticks).
struct Orden {
    TipoDeOrden tipo = TipoDeOrden::Mostrar;
    int linea = 0;
    int tablero = 0;
    int indice = 0;
    int valor = 0;
};

struct ErrorDeGuion {
    int linea = 0;
    std::string mensaje;
};

struct Guion {
    std::vector<Orden> ordenes;
    // The first faulty line; the orders read up to it are not to be run.
    std::optional<ErrorDeGuion> error;
};

// Reads a whole script: one order a line, '#' starts a comment, blank lines are
// skipped. Checks the words and numbers, not the circuit they name.
Guion LeeGuion(std::istream& entrada);

}  // namespace velistra::consola
