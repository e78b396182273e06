#pragma once
// The prototype of every catalogue row, built from the row; the lists of one family are
// the rows of that family, in catalogue order.
#include <span>

#include "chips/NombresDePrototipos.h"

namespace velistra {

class CircuitoElectronico;

using ListaDePrototipos = std::span<const CircuitoElectronico* const>;

ListaDePrototipos PrototiposDePuertas();
ListaDePrototipos PrototiposCombinacionales();
ListaDePrototipos PrototiposBiestables();
ListaDePrototipos PrototiposContadores();

}  // namespace velistra
