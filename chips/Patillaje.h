#pragma once
// The pin names and a one-line description of every catalogue chip, as the data sheets
// print them ("1A", "~CLR", "QA", "VCC"). A '~' starts an active-low name; it covers the
// rest of the name up to a '/' ("A/~B": only B is barred). Shown to the user; the
// simulation never reads it.
#include <span>
#include <string_view>

namespace velistra {

struct PatillajeDeChip {
    int codigoDeCatalogo;
    const char* nombres;      // pin 1 first, separated by blanks
    const char* descripcion;  // Spanish, one line
};

std::span<const PatillajeDeChip> Patillajes();

// Name of pin `pin` (1-based) of the chip with that catalogue code; empty for an unknown
// chip or a pin it does not have.
std::string_view NombreDePatilla(int codigoDeCatalogo, int pin);
// "Cuatro puertas NAND de dos entradas"; empty for an unknown chip.
std::string_view DescripcionDeChip(int codigoDeCatalogo);

}  // namespace velistra
