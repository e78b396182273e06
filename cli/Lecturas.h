#pragma once
#include <iosfwd>

#include "cli/Argumentos.h"

namespace velistra {
class Mesa;
class Tablero;
}  // namespace velistra

namespace velistra::consola {

// mostrar: one line for every LED, seven-segment and PLA board, in board-list order, as
// the script's line `linea` finds them: "leds 4: 10100000" (one character per lamp,
// segment or output, '1' lit), or one JSON object each.
void EscribeTableros(std::ostream& salida, const Mesa& mesa, int linea, Formato formato);
// sonda: the state character of port `puerto` of the board (checked beforehand), whose
// identifier the line names: "sonda 3 5: 1", or one JSON object.
void EscribeSonda(std::ostream& salida, Tablero& tablero, int puerto, int linea,
                  Formato formato);

}  // namespace velistra::consola
