#include "tableros/TableroDeInterruptores.h"

#include "tableros/DescripcionesDeTableros.h"

namespace velistra {

TableroDeInterruptores::TableroDeInterruptores() : TableroDePalancas(kClase) {}

TableroDePulsadores::TableroDePulsadores() : TableroDePalancas(kClase) {}

std::unique_ptr<Tablero> NuevoTableroDeInterruptores() {
    return std::make_unique<TableroDeInterruptores>();
}

std::unique_ptr<Tablero> NuevoTableroDePulsadores() {
    return std::make_unique<TableroDePulsadores>();
}

}  // namespace velistra
