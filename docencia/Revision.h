#pragma once
#include <string>
#include <vector>

#include "model/Punto.h"

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
};

// Where a finding is: a chip (its place in the chip list, code and pin number, 0 for the
// whole chip), a board hole or terminal, or a wire; and a point on the workbench to
// highlight.
struct Hallazgo {
    ClaseDeHallazgo clase = ClaseDeHallazgo::ChipSinEnchufar;
    int chip = -1;
    long codigo = 0;
    int pin = 0;
    int tablero = 0;
    // Breadboard holes: area ("superior", "inferior", "bus superior", "bus inferior"),
    // column and row from 1. Other boards: the terminal number in `columna`, no area.
    std::string area;
    int columna = 0;
    int fila = 0;
    int cable = -1;
    Punto punto;
};

// The findings, chips first in chip-list order, then wires. Looks up the ports under the
// wires' ends as a click would, so a board's remembered centre may move.
std::vector<Hallazgo> RevisaCircuito(Mesa& mesa);

}  // namespace velistra::docencia
