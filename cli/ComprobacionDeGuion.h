#pragma once
#include <optional>
#include <string>
#include <vector>

#include "cli/Guion.h"

namespace velistra {
class Mesa;
class Tablero;
}  // namespace velistra

namespace velistra::consola {

// An order that fits the loaded circuit, with the board it names found when it was
// checked, so that running it looks nothing up: `tablero` for interruptor, pulsar, soltar
// and sonda, and `palancas` (the same board) for the first three.
struct OrdenComprobada {
    Orden orden;
    Tablero* tablero = nullptr;
    Tablero* palancas = nullptr;
};

// The orders of a script against the circuit: each board an order names exists and is of
// the right kind, and the lever, key or port lies on it. On the first order that does not
// fit, its line and the reason, and nothing is to run.
struct GuionComprobado {
    std::vector<OrdenComprobada> ordenes;
    std::optional<ErrorDeGuion> error;
};

GuionComprobado CompruebaGuion(const std::vector<Orden>& ordenes, const Mesa& mesa);

// One order of them: the reason it does not fit, or nothing, its board found.
std::optional<std::string> CompruebaOrden(OrdenComprobada& orden, const Mesa& mesa);

// A script read to its end and checked against the circuit, holding one line at a time.
// Its fault is the one a script read whole would give first: a line that is not an
// order, else an order that does not fit the circuit, else a channel too many.
struct RevisionDeGuion {
    std::optional<ErrorDeGuion> error;
    bool ilegible = false;
};
RevisionDeGuion RevisaGuion(LectorDeGuion& lector, const Mesa& mesa);

}  // namespace velistra::consola
