#pragma once
#include "plataforma/Traducible.h"
#include "tableros/TableroDePalancas.h"

namespace velistra {

// Eight slide switches: a lever stays where it was put.
class TableroDeInterruptores final : public TableroDePalancas {
public:
    static constexpr ClaseDePalancas kClase{kInterruptores, VELISTRA_TEXTO("palanca %1"), 47, 8};

    TableroDeInterruptores();
};

// Eight momentary keys. Their terminals answer one pixel further right and down than
// the switches' (10 x 10, the last column and row still 9).
class TableroDePulsadores final : public TableroDePalancas {
public:
    static constexpr ClaseDePalancas kClase{kPulsadores, VELISTRA_TEXTO("pulsador %1"), 48, 9};

    TableroDePulsadores();
};

}  // namespace velistra
