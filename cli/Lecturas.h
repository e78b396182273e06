#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/Argumentos.h"

namespace velistra {
class Mesa;
}

namespace velistra::consola {

// What one line of output tells: a board of lights as mostrar shows it, or a probe.
struct Lectura {
    int linea = 0;
    // "leds", "7seg" or "pla" for mostrar; "sonda" for a probe.
    std::string clase;
    int tablero = 0;
    // The probed port; only for a probe.
    int puerto = -1;
    // One character per lamp, segment or output ('1' lit), or the port's state.
    std::string estado;
};

// Every LED, seven-segment and PLA board, in board-list order, as the script's line
// `linea` finds them.
std::vector<Lectura> LeeTableros(const Mesa& mesa, int linea);
// The state character of port `puerto` of board `tablero` (both checked beforehand).
Lectura LeeSonda(const Mesa& mesa, int tablero, int puerto, int linea);

// One line: "leds 4: 10100000", "sonda 3 5: 1", or one JSON object.
void EscribeLectura(std::ostream& salida, const Lectura& lectura, Formato formato);

}  // namespace velistra::consola
