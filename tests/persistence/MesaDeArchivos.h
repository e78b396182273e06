#pragma once
// Workbenches for the circuit-file tests, edited the way the mouse edits them.
#include <string>
#include <vector>

#include "model/Componente.h"
#include "model/Tablero.h"
#include "persistence/ArchivoDeCircuito.h"
#include "simulation/Mesa.h"
#include "support/LienzoDePrueba.h"
#include "wires/Cable.h"

namespace velistra::prueba {

// Where a wire snaps to port `indice` of the board, found by probing the board as the
// mouse would.
Punto CentroDePuerto(Tablero& tablero, int indice);

// The port under a workbench point, asking the boards in list order.
Puerto* PuertoBajo(Mesa& mesa, Punto p);

ResultadoDeLectura Carga(Mesa& mesa, const std::string& texto);

// A wire's geometry from port a of `ta` to port b of `tb`. Without `interior` it takes
// the one-corner or straight shape the mouse gives; otherwise vertices 1 to 4 are those.
Cable CableEntre(Tablero& ta, int a, Tablero& tb, int b, const std::vector<Punto>& interior = {});

class MesaDeArchivos {
public:
    MesaDeArchivos() { mesa.InicializaMesa(); }

    std::string Texto() const { return TextoDeCircuito(mesa); }
    ResultadoDeLectura Carga(const std::string& texto) { return prueba::Carga(mesa, texto); }

    Tablero& Agrega(int tipo);
    // Lays the wire of CableEntre when the workbench lets it join the two ports.
    bool Cablea(Tablero& ta, int a, Tablero& tb, int b, const std::vector<Punto>& interior = {});
    // Drops a new chip with its plug point over hole `hoyo` of the breadboard, as the
    // mouse does: plugged in when it fits, otherwise sent back.
    Componente& Suelta(long codigo, Tablero& protoboard, int hoyo);
    // A new chip left lying at `esquina`, never offered to a breadboard.
    Componente& Deja(long codigo, Punto esquina);
    // Switches the supply on as its switch does.
    void Enciende();

    AvisosDePrueba avisos;
    Mesa mesa{avisos};
};

}  // namespace velistra::prueba
