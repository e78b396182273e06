#pragma once
// The logic probe: the net under the pointer, its level and whoever drives it.
#include <optional>
#include <string>
#include <vector>

#include "modelo/Punto.h"
#include "plataforma/Idioma.h"
#include "plataforma/Mensaje.h"

namespace velistra {

class Mesa;
class Puerto;
class Tablero;

// One hole or terminal of a net, and where a wire snaps to it.
struct MiembroDeRed {
    const Tablero* tablero = nullptr;
    int puerto = 0;
    Punto centro;
};

// Every hole and terminal joined to a port (its strip, the buses and wires beyond), the
// level the net holds and what drives it.
struct LecturaDeSonda {
    int nodo = 0;
    char nivel = 'Z';
    std::vector<MiembroDeRed> miembros;
    // "7404 (3) patilla 2", "interruptores (4) palanca 0": chips in list order, then boards.
    std::vector<Mensaje> conductores;
};

// The net of the port under the point, found as a click finds it; none off the terminals.
std::optional<LecturaDeSonda> Sondea(Mesa& mesa, int x, int y);
LecturaDeSonda SondeaPuerto(const Mesa& mesa, const Puerto& puerto);

// Every hole and terminal on the boards of those nets (node numbers, ascending), board by
// board in list order.
std::vector<MiembroDeRed> MiembrosDeRedes(const Mesa& mesa, const std::vector<int>& nodos);

// One line for the status bar: the level in words, the drivers and the net's size.
Mensaje MensajeDeSonda(const LecturaDeSonda& lectura);
std::string TextoDeSonda(const LecturaDeSonda& lectura, Idioma idioma = Idioma::Espanol);

}  // namespace velistra
