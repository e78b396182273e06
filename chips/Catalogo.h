#pragma once
// The one table of every chip the program offers: one row holds everything about a chip.
// The prototype registry, the chip menu, the labels, the pinouts and the report are all
// derived from it; adding a chip is adding its row (and, for a gate chip, its scheme).
#include <memory>
#include <span>
#include <string>

namespace velistra {

class CircuitoElectronico;
struct EsquemaDePuertas;

// The family file whose prototypes a chip joins.
enum class FamiliaDeChip { Puertas, Combinacionales, Biestables, Contadores };

// What computes a chip: a gate chip its scheme, evaluated as data; any other chip the
// class that `crea` builds for the row's code (a family class with the chip's scheme, or
// the chip's own class).
struct CalculoDeChip {
    FamiliaDeChip familia;
    const EsquemaDePuertas* puertas;
    std::unique_ptr<CircuitoElectronico> (*crea)(int codigoDeCatalogo);
};

struct FichaDeChip {
    const char* clase;     // "Chip7400"
    long codigoDeModelo;   // 7400; 7476 for the 7476A
    int codigoDeCatalogo;  // 7000: menu command, placed chip's code, file code
    int pines;
    int estados;
    const char* tipos;  // pin-type string, pin 1 first
    bool sobrescribeEstadoInicial;
    const char* grupo;  // menu path under "Circuitos TTL", levels joined by " > "
    const char* texto;  // menu item text
    // Pin names as the data sheets print them ("1A", "~CLR", "VCC"), pin 1 first, one blank
    // between names. A '~' starts an active-low name; it covers the rest of the name up to
    // a '/' ("A/~B": only B is barred). Where the program models a chip otherwise than its
    // data sheet, the names follow the model.
    const char* nombres;
    const char* descripcion;  // one line, for the pinout and the report
    CalculoDeChip calculo;
};

std::span<const FichaDeChip> Catalogo();
// Row of a catalogue code, or null.
const FichaDeChip* FichaDeCatalogo(int codigoDeCatalogo);
// Whether the chip keeps bits between evaluations (flip-flops, latches, counters,
// registers, memory, and the combinational chips with a storage stage): its outputs are
// not a function of its inputs alone, so a feedback loop through it is a sequential one.
bool GuardaEstado(const FichaDeChip& ficha);
// "74LS00", "74LS107": the label a placed chip prints on its picture.
std::string EtiquetaDeChip(long codigoDeCatalogo);

}  // namespace velistra
