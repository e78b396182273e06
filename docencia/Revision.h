#pragma once
#include <string>
#include <vector>

#include "modelo/Punto.h"
#include "simulacion/Rechazos.h"

namespace velistra {
class Mesa;
}

namespace velistra::docencia {

// The usual wiring mistakes a teacher looks for.
enum class ClaseDeHallazgo {
    ChipSinEnchufar,
    SinAlimentacion,  // a VCC or GND pin not on the supply of its kind
    EntradaAlAire,    // read as high
    CableSuelto,      // an end on no terminal, or not joined to it
    SalidasUnidas,    // two outputs on one net (only a loaded file can join them)
    TableroSinAlimentacion,  // a board in use whose supply terminal is not on the supply
    Realimentacion,   // a loop through chips that keep no state
};

// Another chip or board terminal that a finding names: a chip (its place in the chip
// list from 1, code and pin), or a terminal of a board.
struct Parte {
    int chip = -1;
    long codigo = 0;
    int pin = 0;
    int tablero = 0;
    int terminal = -1;
};

// Where a finding is: a chip (its place in the chip list, code and pin number, 0 for the
// whole chip), a board hole or terminal, or a wire; and a point on the workbench to
// highlight. `otros` are the other outputs on the net, or the other chips of a loop.
struct Hallazgo {
    ClaseDeHallazgo clase = ClaseDeHallazgo::ChipSinEnchufar;
    int chip = -1;
    long codigo = 0;
    int pin = 0;
    int tablero = 0;
    // The board's type code, for findings on a board of instruments.
    int tipoDeTablero = -1;
    // Breadboard holes: area ("superior", "inferior", "bus superior", "bus inferior"),
    // column and row from 1. Other boards: the terminal (port) number, no area.
    std::string area;
    int columna = 0;
    int fila = 0;
    int terminal = -1;
    // The supply strip ('V' or 'G') that a board's terminal must reach.
    char alimentacion = 0;
    int cable = -1;
    std::vector<Parte> otros;
    Punto punto;
    // Why a loose chip does not go in where it lies.
    Rechazo motivo = Rechazo::Ninguno;
};

// The findings: chips in chip-list order, then wires, outputs joined on one net, boards
// without supply, and feedback loops without a flip-flop. Looks up the ports under the
// wires' ends as a click would, so a board's remembered centre may move.
std::vector<Hallazgo> RevisaCircuito(Mesa& mesa);

}  // namespace velistra::docencia
