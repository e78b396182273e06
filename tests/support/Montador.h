#pragma once
// Builds circuits on a workbench the way the mouse does: boards set down where they go,
// chips dropped onto a breadboard and plugged in, wires drawn from port centre to port
// centre and joined through the workbench. Shared by the tests, the example circuits and
// the benchmarks' generator, so a file written from such a bench loads back the same.
#include <map>
#include <stdexcept>
#include <vector>

#include "modelo/Punto.h"
#include "plataforma/Lienzo.h"

namespace velistra {
class Cable;
class Componente;
class Mesa;
class Puerto;
class Tablero;
}  // namespace velistra

namespace velistra::prueba {

// A step the workbench refused: whoever asked for it built a circuit that cannot be.
class MontajeRechazado : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A chip plugged into a breadboard with its last pin over upper row 4 of `columna`.
struct ChipColocado {
    Tablero* protoboard = nullptr;
    int columna = 0;
    int pines = 0;
};

// One end of a wire: a port and the board it is on.
struct Extremo {
    Tablero& tablero;
    Puerto& puerto;
};

// Which free hole of a pin's strip a wire takes: the topmost, or the one nearest the bus
// on the pin's side of the channel.
enum class Busqueda { DesdeArriba, DesdeElBus };
// How the mouse moves while drawing: straight to the far end, or down (or up) first and
// then across.
enum class Trazado { Directo, VerticalPrimero };

// The habits of the hand that builds.
struct Mano {
    Busqueda busqueda = Busqueda::DesdeElBus;
    Trazado trazado = Trazado::Directo;
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

// Where a wire snaps to port `indice` of the board, found by probing it as the mouse
// would (workbench coordinates). Throws when no point of the board hits that port.
Punto CentroDePuerto(Tablero& tablero, int indice);

// The wire the mouse draws from a to b (port centres) on the boards with those
// identifiers, not yet on any workbench.
Cable TrazaCable(int tableroA, Punto a, int tableroB, Punto b, Trazado trazado, Color color);

class Montador {
public:
    explicit Montador(Mesa& mesa, Mano mano = {}) : mesa(mesa), mano(mano) {}

    // A new board of that type as from the menu, moved to `esquina`.
    Tablero& Coloca(int tipo, Punto esquina);
    // Moves a board that holds nothing yet.
    static void Mueve(Tablero& tablero, Punto esquina);
    // Shows the timer board where it was put away.
    Tablero& MuestraTemporizador();

    // Drops a new chip with its plug point over upper row 4 of `columna` and plugs it in;
    // throws unless it goes into that breadboard.
    ChipColocado Enchufa(long codigo, Tablero& protoboard, int columna);
    // Drops a new chip with its plug point over hole `hoyo`, as the mouse does: plugged
    // in when it fits, otherwise sent back to the corner of loose chips.
    Componente& Suelta(long codigo, Tablero& protoboard, int hoyo);
    // A new chip left lying at `esquina`, never offered to a breadboard.
    Componente& Deja(long codigo, Punto esquina);

    // Wire ends: a board's port; a free hole on a chip pin's strip (the pin's own is
    // taken); the free hole of a bus row whose centre lies nearest to x. Throw when there
    // is none.
    Extremo Terminal(Tablero& tablero, int puerto);
    Extremo Pin(const ChipColocado& chip, int pin);
    Extremo Bus(Tablero& protoboard, int filaDeBus, int x);

    // Lays a wire from a to b (the order the mouse drew it in). Throws when another board
    // hides an end (the reader would find another port there) or the workbench refuses.
    void Cablea(Extremo a, Extremo b, Color color);
    void Cablea(Tablero& ta, int a, Tablero& tb, int b, Color color) {
        Cablea(Terminal(ta, a), Terminal(tb, b), color);
    }
    // A wire the mouse would refuse between two sources, which a loaded file may hold:
    // joined as the file reader joins it.
    void CableaComoUnArchivo(Extremo a, Extremo b, Color color);
    // The wire the mouse draws from a to b.
    Cable Traza(Extremo a, Extremo b, Color color);
    // Joins a and b as the mouse does and lays `cable`; false, changing nothing, when
    // the workbench refuses.
    bool Tiende(Extremo a, Extremo b, const Cable& cable);

    // Where a wire snaps to port i of the board (workbench coordinates).
    Punto Centro(Tablero& tablero, int i);
    Punto Centro(Extremo e);

private:
    Mesa& mesa;
    Mano mano;
    // Port centres of each board type, relative to the corner.
    std::map<int, std::vector<Punto>> centros;
};

}  // namespace velistra::prueba
