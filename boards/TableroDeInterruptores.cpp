#include "boards/TableroDeInterruptores.h"

namespace velistra {

TableroDeInterruptores::TableroDeInterruptores()
    : TableroDePalancas(ClaseDePalancas{kInterruptores, 47, 8}) {}

TableroDePulsadores::TableroDePulsadores()
    : TableroDePalancas(ClaseDePalancas{kPulsadores, 48, 9}) {}

}  // namespace velistra
