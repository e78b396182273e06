#pragma once
// Workbenches for the circuit-file tests, edited the way the mouse edits them.
#include <string>
#include <vector>

#include "modelo/Componente.h"
#include "modelo/Tablero.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "simulacion/Mesa.h"
#include "support/LienzoDePrueba.h"
#include "support/Montador.h"
#include "cables/Cable.h"

namespace velistra::prueba {

ResultadoDeLectura Carga(Mesa& mesa, const std::string& texto);

// A wire's geometry from port a of `ta` to port b of `tb`. Without `interior` it takes
// the one-corner or straight shape the mouse gives; otherwise vertices 1 to 4 are those.
Cable CableEntre(Tablero& ta, int a, Tablero& tb, int b, const std::vector<Punto>& interior = {});

class MesaDeArchivos {
public:
    MesaDeArchivos() { mesa.InicializaMesa(); }

    std::string Texto() const { return TextoDeCircuito(mesa); }
    ResultadoDeLectura Carga(const std::string& texto) { return prueba::Carga(mesa, texto); }

    // A board as from the menu, left where the menu puts it.
    Tablero& Agrega(int tipo);
    // Lays the wire of CableEntre in the pen's colour when the workbench lets it join the
    // two ports.
    bool Cablea(Tablero& ta, int a, Tablero& tb, int b, const std::vector<Punto>& interior = {});
    Componente& Suelta(long codigo, Tablero& protoboard, int hoyo) {
        return montador.Suelta(codigo, protoboard, hoyo);
    }
    Componente& Deja(long codigo, Punto esquina) { return montador.Deja(codigo, esquina); }
    // Switches the supply on as its switch does.
    void Enciende() { mesa.ConmutaFuente(); }

    AvisosDePrueba avisos;
    Mesa mesa{avisos};
    Montador montador{mesa};
};

}  // namespace velistra::prueba
