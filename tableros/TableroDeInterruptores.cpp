#include "tableros/TableroDeInterruptores.h"

namespace velistra {

TableroDeInterruptores::TableroDeInterruptores() : TableroDePalancas(kClase) {}

TableroDePulsadores::TableroDePulsadores() : TableroDePalancas(kClase) {}

}  // namespace velistra
