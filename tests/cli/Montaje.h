#pragma once
// The habits of the shipped examples, on top of the shared builder: the supply on the two
// upper bus rows, red for supply, black for ground, blue for signals, and wires drawn
// down first, then across, into the topmost free hole of a pin's strip.
#include <string>

#include "modelo/Punto.h"
#include "plataforma/Avisos.h"
#include "simulacion/Mesa.h"
#include "support/Montador.h"

namespace velistra::ejemplos {

using prueba::ChipColocado;

// Every example puts its breadboard (identifier 3) at the same place and the other
// boards below it, clear of the breadboard and of each other.
inline constexpr Punto kProtoboard{110, 110};
inline constexpr Punto kPrimeraFila{330, 420};
inline constexpr Punto kSegundoLugar{560, 420};
inline constexpr Punto kTercerLugar{790, 420};

// The usual bench: the breadboard, a board of levers or keys (4) and the lamps (5).
struct BancoConLamparas {
    Tablero& protoboard;
    Tablero& entradas;
    Tablero& leds;
};

class Montaje {
public:
    Montaje();
    Montaje(const Montaje&) = delete;
    Montaje& operator=(const Montaje&) = delete;

    // A board as from the menu, then dragged to `esquina`.
    Tablero& Agrega(int tipo, Punto esquina) { return montador.Coloca(tipo, esquina); }
    // The breadboard at kProtoboard, its buses fed.
    Tablero& Protoboard();
    // Protoboard(), then a board of type `entradas` at kPrimeraFila and the lamps at
    // kSegundoLugar.
    BancoConLamparas ConLamparas(int entradas);
    Tablero& MuestraTemporizador() { return montador.MuestraTemporizador(); }
    // A chip left lying where it is, never plugged in.
    Componente& Deja(long codigo, Punto esquina) { return montador.Deja(codigo, esquina); }
    ChipColocado Inserta(long codigo, Tablero& protoboard, int columna) {
        return montador.Enchufa(codigo, protoboard, columna);
    }

    // A wire from a free terminal of strip `tira` (three terminals each) of a switch,
    // push-button or timer board to a free hole in the column of a chip's pin.
    void CableaTira(Tablero& t, int tira, const ChipColocado& chip, int pin);
    // A wire from a single terminal of a board to a chip's pin.
    void CableaPuerto(Tablero& t, int puerto, const ChipColocado& chip, int pin);
    // A wire between the columns of two pins.
    void Une(const ChipColocado& a, int pinA, const ChipColocado& b, int pinB);
    // A signal wire between any two ports.
    void Cablea(Tablero& ta, int a, Tablero& tb, int b);
    // A wire between two driving terminals, which only a file can hold.
    void UneComoUnArchivo(Tablero& ta, int a, Tablero& tb, int b);

    // Power: the supply feeds the two upper bus rows of a breadboard (row 0 VCC, row 1
    // GND); chip pins and board terminals are fed from there.
    void AlimentaBuses(Tablero& protoboard);
    void PinAVcc(const ChipColocado& chip, int pin);
    void PinAGnd(const ChipColocado& chip, int pin);
    void PuertoAVcc(Tablero& protoboard, Tablero& t, int puerto);
    void PuertoAGnd(Tablero& protoboard, Tablero& t, int puerto);
    // A board fed through its own VCC and GND terminals.
    void AlimentaTiras(Tablero& protoboard, Tablero& t);
    // Inserta, then the chip's GND pin and its VCC pin to the buses.
    ChipColocado InsertaAlimentado(long codigo, Tablero& protoboard, int columna, int gnd, int vcc);

    // The circuit in the file format.
    std::string Texto() const;

    AvisosMudos avisos;
    Mesa mesa{avisos};

private:
    void PinAlBus(const ChipColocado& chip, int pin, int fila);

    prueba::Montador montador{mesa, {prueba::Busqueda::DesdeArriba, prueba::Trazado::VerticalPrimero}};
};

}  // namespace velistra::ejemplos
