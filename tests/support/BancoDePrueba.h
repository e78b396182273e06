#pragma once
// Small hand-built circuits: boards made of plain strips, chips seated by hand.
#include <memory>
#include <string>
#include <utility>

#include "modelo/Componente.h"
#include "modelo/Tablero.h"
#include "simulacion/Mesa.h"
#include "support/LienzoDePrueba.h"

namespace velistra::prueba {

// A board of equal strips: strip k has type tipos[k], node base + k, and while
// `niveles[k]` is not blank, Transmite drives that level onto it.
class TirasDePrueba : public Tablero {
public:
    using Tablero::NodoBase;

    TirasDePrueba(int tipo, std::string tiposDeTira, std::string nivelesDeTira, int largo)
        : tipos(std::move(tiposDeTira)), niveles(std::move(nivelesDeTira)), nLargo(largo) {
        nTipo = tipo;
        niveles.resize(tipos.size(), ' ');
        CreaPuertos(static_cast<int>(tipos.size()) * largo);
        for (std::size_t k = 0; k < tipos.size(); ++k)
            DefineTira(static_cast<int>(k) * largo, largo, tipos[k]);
    }

    void NodoBase(int base) override {
        nBaseDeNodos = base;
        for (int k = 0; k < Tiras(); ++k) Tira(k)->Nodo(base + k);
    }

    void Transmite() override {
        for (int k = 0; k < Tiras(); ++k) {
            if (niveles[static_cast<std::size_t>(k)] != ' ')
                ExcitaTira(k * nLargo, niveles[static_cast<std::size_t>(k)]);
        }
    }

    int Tiras() const { return static_cast<int>(tipos.size()); }
    Puerto* Tira(int k, int hueco = 0) { return DireccionDePuerto(k * nLargo + hueco); }
    // A hole of strip k that holds neither a wire nor a pin.
    Puerto* HuecoLibre(int k) {
        for (int j = 0; j < nLargo; ++j) {
            if (Tira(k, j)->EstaLibre()) return Tira(k, j);
        }
        return nullptr;
    }
    void Nivel(int k, char nivel) { niveles[static_cast<std::size_t>(k)] = nivel; }

private:
    std::string tipos;
    std::string niveles;
    int nLargo;
};

// A workbench with a supply (strip 0 'V' at '1', strip 1 'G' at '0'), a source of one
// output strip whose level the test sets, and a breadboard of free five-hole strips.
class BancoDePrueba {
public:
    AvisosDePrueba avisos;
    Mesa mesa{avisos};

    explicit BancoDePrueba(int tirasDeProtoboard = 28)
        : fuente(Agrega(std::make_unique<TirasDePrueba>(Tablero::kFuenteDC, "VG", "10", 5))),
          nivel(Agrega(std::make_unique<TirasDePrueba>(Tablero::kInterruptores, "S", "0", 5))),
          protoboard(Agrega(std::make_unique<TirasDePrueba>(
              Tablero::kProtoboard, std::string(static_cast<std::size_t>(tirasDeProtoboard), 'F'), "",
              5))) {}

    TirasDePrueba& Agrega(std::unique_ptr<TirasDePrueba> tablero) {
        TirasDePrueba& t = *tablero;
        t.Define(0, 0, 10, 10, mesa.nodoBase(), mesa.nIdentificador() + 1);
        mesa.AgregaTableroDefinido(std::move(tablero), t.Tiras());
        return t;
    }

    // Seats a new chip with pin i over breadboard strip primeraTira + i - 1, marking its
    // output strips as driven.
    Componente& Inserta(long codigo, int primeraTira) {
        mesa.componentes().Nuevo(codigo);
        Componente& chip = mesa.componentes()[mesa.componentes().size() - 1];
        for (int i = 1; i <= chip.NumeroDePines(); ++i) {
            const int k = primeraTira + i - 1;
            Puerto* hueco = protoboard.HuecoLibre(k);
            hueco->Conecta(mesa.pin());
            chip.AsignaCasilla(hueco, i);
            if (chip.TiposDePines()[i] == 'S') {
                for (int j = 0; j < 5; ++j) protoboard.Tira(k, j)->TipoOriginal('S');
                hueco->Tipo('S');
            }
        }
        chip.Inserta();
        return chip;
    }

    // Lays a wire between free holes of two strips.
    bool Cablea(TirasDePrueba& a, int tiraA, TirasDePrueba& b, int tiraB) {
        return mesa.ConectaPuertos(a.HuecoLibre(tiraA), b.HuecoLibre(tiraB));
    }
    bool Cablea(int tiraA, int tiraB) { return Cablea(protoboard, tiraA, protoboard, tiraB); }

    // Wires supply and ground of a 14-pin chip seated from `primeraTira`.
    void Alimenta(int primeraTira) {
        Cablea(fuente, 0, protoboard, primeraTira + 13);
        Cablea(fuente, 1, protoboard, primeraTira + 6);
    }

    // Switches on as the workbench does: restart chips, settle, boards drive, settle.
    void Enciende() {
        mesa.PonEncendido(true);
        mesa.componentes().Reinicia();
        mesa.EjecutaFunciones();
        for (auto& t : mesa.tablero()) t->Transmite();
        mesa.EjecutaFunciones();
    }

    // Sets the source level and settles; answers the iterations run.
    int CambiaNivel(char c) {
        nivel.Nivel(0, c);
        nivel.Transmite();
        return mesa.EjecutaFunciones().nIteraciones;
    }

    char EstadoDeTira(int k) { return protoboard.Tira(k)->Estado(); }

    TirasDePrueba& fuente;
    TirasDePrueba& nivel;
    TirasDePrueba& protoboard;
};

// Inverters of a 7404 in chain order: input pin, output pin.
struct Inversor {
    int entrada;
    int salida;
};
inline constexpr Inversor kInversores7404[] = {{1, 2}, {3, 4}, {5, 6}, {9, 8}, {11, 10}, {13, 12}};

}  // namespace velistra::prueba
