#pragma once
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velistra::consola {

enum class TipoDeOrden { Encender, Apagar, Interruptor, Pulsar, Soltar, Tic, Mostrar, Sonda, Registrar };

// One script line, its numbers already read. Which fields count depends on the type:
// `tablero` and `indice` (lever, key or port) for interruptor, pulsar, soltar and sonda,
// `valor` for interruptor (0 or 1) and tic (the number of ticks); registrar takes
// `tablero`, `indice` (the port) and may give the channel a `nombre`.
struct Orden {
    TipoDeOrden tipo = TipoDeOrden::Mostrar;
    int linea = 0;
    int tablero = 0;
    int indice = 0;
    int valor = 0;
    std::string nombre;
};

struct ErrorDeGuion {
    int linea = 0;
    std::string mensaje;
};

struct Guion {
    std::vector<Orden> ordenes;
    // The first faulty line; the orders read up to it are not to be run.
    std::optional<ErrorDeGuion> error;
    // The stream failed before its end: what was read is not the whole script.
    bool ilegible = false;
};

// No script a teacher writes comes near these; past them the input is not a script (a
// device, a binary file) and reading it on would only fill the memory.
inline constexpr std::size_t kLargoMaximoDeLinea = 4096;
inline constexpr std::size_t kTamanoMaximoDeGuion = 4u << 20;

// Reads a whole script: one order a line, '#' starts a comment, blank lines are
// skipped, a byte-order mark before the first line is too. Checks the words and
// numbers, not the circuit they name; stops at the first faulty line, at a line longer
// than kLargoMaximoDeLinea and past kTamanoMaximoDeGuion bytes.
Guion LeeGuion(std::istream& entrada);
// The same, from a script already in memory (a file is read whole): what it answers is
// what the stream of the same bytes answers, without a stream.
Guion LeeGuion(std::string_view texto);

}  // namespace velistra::consola
