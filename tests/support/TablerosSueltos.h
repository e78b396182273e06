#pragma once
// Boards on their own, without a workbench: as the factory makes them, wired port to port
// as the workbench would join them, and a supply to feed them.
#include <memory>

#include "tableros/Fabrica.h"
#include "tableros/TableroDeFuenteDC.h"
#include "modelo/Puerto.h"

namespace velistra::prueba {

// A board of that type with its standard images, as its own class.
template <typename T>
std::unique_ptr<T> Crea(int tipo) {
    return std::unique_ptr<T>(static_cast<T*>(CreaTablero(tipo).release()));
}

// One with its corner at (110, 110), its nodes from `base`, and identifier `id`.
template <typename T>
std::unique_ptr<T> CreaEnEsquina(int tipo, int base, int id) {
    auto t = Crea<T>(tipo);
    t->Define(110, 110, t->Anchura(), t->Altura(), base, id);
    return t;
}

// A wire between two ports: both ends know each other and a driving type spreads over
// the other end's net.
inline void Cablea(Puerto* a, Puerto* b) {
    a->Conecta(b);
    b->Conecta(a);
    if (EsTipoQueExcita(a->Tipo())) {
        b->Tipo(a->Tipo());
    } else if (EsTipoQueExcita(b->Tipo())) {
        a->Tipo(b->Tipo());
    }
}

// A DC supply whose terminals feed the boards wired to it.
struct Fuente {
    std::unique_ptr<TableroDeFuenteDC> tablero = Crea<TableroDeFuenteDC>(Tablero::kFuenteDC);

    Puerto* Vcc(int k = 0) { return tablero->DireccionDePuerto(TableroDeFuenteDC::kPrimerVcc + k); }
    Puerto* Gnd(int k = 0) { return tablero->DireccionDePuerto(TableroDeFuenteDC::kPrimerGnd + k); }

    // Puts the switch in that position and drives the terminals from it.
    void Pon(bool encendida) {
        if (tablero->EstaEncendida() != encendida) tablero->Conmuta();
        tablero->Transmite();
    }
};

}  // namespace velistra::prueba
