#pragma once
// Benchmarks and circuit generators. Nothing here is part of the program: it builds
// workbenches with the program's own operations and measures them.
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/Punto.h"
#include "plataforma/Lienzo.h"

namespace velistra {
class Mesa;
class Puerto;
class Tablero;
}  // namespace velistra

namespace velistra::banco {

// A step the workbench refused: whoever asked for it built a circuit that cannot be.
class MontajeRechazado : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Builds on a workbench the way the mouse does: boards set down where they go, chips
// dropped onto a breadboard and plugged in, wires drawn from port centre to port centre
// and joined through the workbench. Every refusal throws MontajeRechazado.
class Montador {
public:
    explicit Montador(Mesa& mesa) : mesa(mesa) {}

    // A new board of that type, moved to `esquina` before anything is on it.
    Tablero& Coloca(int tipo, Punto esquina);
    // Moves a board that holds nothing yet.
    static void Mueve(Tablero& tablero, Punto esquina);

    // Drops a new chip with its plug point over upper row 4 of `columna` and plugs it in.
    void Enchufa(long codigo, Tablero& protoboard, int columna);

    // Lays a wire from port a to port b (the order the mouse drew it in).
    void Cablea(Tablero& ta, Puerto& a, Tablero& tb, Puerto& b, Color color);
    void Cablea(Tablero& ta, int a, Tablero& tb, int b, Color color);

    // Where a wire snaps to port i of the board (workbench coordinates).
    Punto Centro(Tablero& tablero, int i);

private:
    // Centres of every port of a board type, relative to the corner, found by probing
    // a board of that type as the mouse would.
    const std::vector<Punto>& CentrosDe(Tablero& tablero);

    Mesa& mesa;
    std::map<int, std::vector<Punto>> centros;
};

// Holes of a breadboard by place: the five-hole strips of the upper and lower terminal
// areas and the four 60-hole bus rows (0 and 1 above, 2 and 3 below).
int HoyoSuperior(int columna, int fila);
int HoyoInferior(int columna, int fila);
int HoyoDeBus(int filaDeBus, int k);

// Where pin `pin` of a chip of `pines` pins plugged at `columna` lies.
struct PosicionDePin {
    bool superior;
    int columna;
};
PosicionDePin PosicionDe(int pines, int columna, int pin);

// A free hole on the strip of a chip pin (the pin's own hole is taken); the one nearest
// the bus of that side first. Throws when the strip is full.
Puerto& HoyoLibreJuntoAlPin(Tablero& protoboard, int pines, int columna, int pin);

// The free hole of a bus row whose centre lies nearest to x. Throws when the row is full.
Puerto& HoyoLibreDeBus(Montador& montador, Tablero& protoboard, int filaDeBus, int x);

}  // namespace velistra::banco
