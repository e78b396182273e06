#pragma once
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Orden.h"
#include "cli/OrdenesRecordadas.h"

namespace velistra::consola {

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

// No line a teacher writes comes near this; past it the input is not a script (a device,
// a binary file). A script held in memory (standard input, a FIFO, a device) is bounded
// too; a script file is read as it runs, a line at a time, so it may be of any length.
inline constexpr std::size_t kLargoMaximoDeLinea = 4096;
inline constexpr std::size_t kTamanoMaximoDeGuion = 4u << 20;

// Where a script's bytes come from: up to `n` into `destino`; how many, 0 at the end, -1
// when reading failed.
using FuenteDeGuion = std::function<long(char* destino, std::size_t n)>;
// The bytes of `texto`, which must outlive the source.
FuenteDeGuion FuenteEnMemoria(std::string_view texto);

// Reads a script one order at a time, holding only the line at hand (and a few short lines
// met before, so as not to read them again; see OrdenesRecordadas): one order a line,
// '#' starts a comment, blank lines are skipped, a byte-order mark before the first line
// is too. Checks the words and numbers, not the circuit they name; stops at the first
// faulty line, at a line longer than kLargoMaximoDeLinea and past `tope` bytes, if given.
class LectorDeGuion {
public:
    LectorDeGuion(FuenteDeGuion fuente, std::optional<std::size_t> tope);

    // The next order, valid until the next call; nothing at the end of the script, at its
    // first faulty line (then `Error()`) or when reading failed (then `Ilegible()`).
    const Orden* Siguiente();
    const std::optional<ErrorDeGuion>& Error() const { return error; }
    bool Ilegible() const { return ilegible; }

private:
    enum class Linea { Leida, Larga, Fin, Fallo };
    Linea SiguienteLinea(std::string_view& linea);
    // Reads the order of a line into `orden`, from the lines kept or anew: false for a line
    // with no order and at a faulty one (then `error`).
    bool Lee(std::string_view linea);

    FuenteDeGuion fuente;
    std::optional<std::size_t> tope;
    // Room for the longest line and more: a line is read into it whole or found too long.
    static constexpr std::size_t kBufer = std::size_t{1} << 16;
    std::vector<char> bufer;
    std::size_t inicio = 0;
    std::size_t fin = 0;
    bool agotada = false;
    std::size_t leidos = 0;
    int numero = 0;
    OrdenesRecordadas recordadas;
    Orden orden;
    std::optional<ErrorDeGuion> error;
    bool ilegible = false;
};

// All the orders a reader gives, its error and whether reading failed.
Guion TodasLasOrdenes(LectorDeGuion& lector);
// Reads a whole script into memory, at most kTamanoMaximoDeGuion bytes of it.
Guion LeeGuion(std::istream& entrada);
// The same, from a script already in memory.
Guion LeeGuion(std::string_view texto);

}  // namespace velistra::consola
