#pragma once
// The pin names and the description of a catalogue chip, read from its row. Shown to the
// user; the simulation never reads them.
#include <span>
#include <string_view>

#include "chips/Catalogo.h"

namespace velistra {

// A row seen for its pinout: `nombres` and `descripcion`.
using PatillajeDeChip = FichaDeChip;

std::span<const PatillajeDeChip> Patillajes();

// Name of pin `pin` (1-based) of the chip with that catalogue code; empty for an unknown
// chip or a pin it does not have.
std::string_view NombreDePatilla(int codigoDeCatalogo, int pin);
// "Cuatro puertas NAND de dos entradas"; empty for an unknown chip.
std::string_view DescripcionDeChip(int codigoDeCatalogo);

}  // namespace velistra
