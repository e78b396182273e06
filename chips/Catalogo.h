#pragma once
// The one table of every chip the program offers. The chip menu, the labels on the
// chips and the prototype registry are all derived from it.
#include <span>
#include <string>

namespace velistra {

struct FichaDeChip {
    const char* clase;            // "Chip7400"
    long codigoDeModelo;          // 7400; 7476 for the 7476A
    int codigoDeCatalogo;         // 7000: menu command, placed chip's code, file code
    int pines;
    int estados;
    const char* tipos;            // pin-type string, pin 1 first
    bool sobrescribeEstadoInicial;
    const char* grupo;            // menu path under "Circuitos TTL", levels joined by " > "
    const char* texto;            // menu item text
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
