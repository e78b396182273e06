#pragma once
#include <optional>
#include <string>
#include <vector>

#include "cli/Guion.h"
#include "cli/Textos.h"

namespace velistra {
class Mesa;
class Tablero;
}  // namespace velistra

namespace velistra::consola {

// The boards an order acts on, found when it was checked so that running it looks nothing
// up: `tablero` for interruptor, pulsar, soltar and sonda, and `palancas` (the same board)
// for the first three.
struct TablerosDeLaOrden {
    Tablero* tablero = nullptr;
    Tablero* palancas = nullptr;
};

// An order that fits the loaded circuit, with its boards.
struct OrdenComprobada {
    Orden orden;
    TablerosDeLaOrden tableros = {};
};

// The orders of a script against the circuit: each board an order names exists and is of
// the right kind, and the lever, key or port lies on it. On the first order that does not
// fit, its line and the reason, and nothing is to run.
struct GuionComprobado {
    std::vector<OrdenComprobada> ordenes;
    std::optional<ErrorDeGuion> error;
};

GuionComprobado CompruebaGuion(const std::vector<Orden>& ordenes, const Mesa& mesa);

// Checks orders one after another against one circuit whose boards stay as they are. A
// script works the same lever or key line after line: the last order that fitted is kept,
// and one that names the same board and index fits too, with the same boards.
class ComprobadorDeOrdenes {
public:
    explicit ComprobadorDeOrdenes(const Mesa& mesa) : mesa(mesa) {}

    // The reason `orden` does not fit, or nothing, its boards found.
    std::optional<std::string> Comprueba(const Orden& orden, TablerosDeLaOrden& tableros) {
        if (cabe && orden.tipo == ultima.tipo && orden.tablero == ultima.tablero &&
            orden.indice == ultima.indice) {
            tableros = ultima.tableros;
            return std::nullopt;
        }
        return CompruebaDeNuevo(orden, tableros);
    }

private:
    struct Ultima {
        TipoDeOrden tipo = TipoDeOrden::Mostrar;
        int tablero = 0;
        int indice = 0;
        TablerosDeLaOrden tableros;
    };

    std::optional<std::string> CompruebaDeNuevo(const Orden& orden, TablerosDeLaOrden& tableros);
    std::optional<std::string> CompruebaSegunTipo(const Orden& orden, TablerosDeLaOrden& tableros);
    std::optional<std::string> CompruebaPalanca(const Orden& orden, TablerosDeLaOrden& tableros,
                                                bool pulsadores, Texto otraClase, Texto noExiste);
    std::optional<std::string> CompruebaPuerto(const Orden& orden, TablerosDeLaOrden& tableros);

    const Mesa& mesa;
    bool cabe = false;
    Ultima ultima;
};

// One order, on its own: the reason it does not fit, or nothing, its boards found.
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
