#pragma once
// Builds circuits the way a student does at the bench (boards, chips on the breadboard,
// wires between real ports) through the workbench's own operations, so that the file
// written from it always loads into the same circuit.
#include <string>

#include "model/Punto.h"
#include "plataforma/Avisos.h"
#include "simulation/Mesa.h"

namespace velistra::ejemplos {

// A chip plugged into a breadboard with its last pin over upper row 4 of `columna`.
struct ChipColocado {
    Tablero* protoboard = nullptr;
    int columna = 0;
    int pines = 0;
};

class Montaje {
public:
    Montaje();
    Montaje(const Montaje&) = delete;
    Montaje& operator=(const Montaje&) = delete;

    // A board as from the menu, then dragged to `esquina`.
    Tablero& Agrega(int tipo, Punto esquina);
    Tablero& MuestraTemporizador();
    ChipColocado Inserta(long codigo, Tablero& protoboard, int columna);

    // A wire from a free terminal of strip `tira` (three terminals each) of a switch,
    // push-button or timer board to a free hole in the column of a chip's pin.
    void CableaTira(Tablero& t, int tira, const ChipColocado& chip, int pin);
    // A wire from a single terminal of a board to a chip's pin.
    void CableaPuerto(Tablero& t, int puerto, const ChipColocado& chip, int pin);
    // A wire between the columns of two pins.
    void Une(const ChipColocado& a, int pinA, const ChipColocado& b, int pinB);
    // A signal wire between any two ports.
    void Cablea(Tablero& ta, int a, Tablero& tb, int b);

    // Power: the supply feeds the two upper bus rows of a breadboard (row 0 VCC, row 1
    // GND); chip pins and board terminals are fed from there.
    void AlimentaBuses(Tablero& protoboard);
    void PinAVcc(const ChipColocado& chip, int pin);
    void PinAGnd(const ChipColocado& chip, int pin);
    void PuertoAVcc(Tablero& protoboard, Tablero& t, int puerto);
    void PuertoAGnd(Tablero& protoboard, Tablero& t, int puerto);
    // A board fed through its own VCC and GND terminals.
    void AlimentaTiras(Tablero& protoboard, Tablero& t);

    // The circuit in the file format.
    std::string Texto() const;

    AvisosMudos avisos;
    Mesa mesa{avisos};

private:
    void Cablea(Tablero& ta, int a, Tablero& tb, int b, Color color);
    void CableaAlBus(Tablero& protoboard, int fila, Tablero& t, int puerto, int xCercano);
    int HoyoDePin(const ChipColocado& chip, int pin) const;
    int HoyoDeBus(Tablero& protoboard, int fila, int xCercano) const;
};

}  // namespace velistra::ejemplos
