#pragma once
// Each family file lists its prototypes; the registry behind ChipTTL joins the lists.
#include <span>

namespace velistra {

class CircuitoElectronico;

using ListaDePrototipos = std::span<const CircuitoElectronico* const>;

ListaDePrototipos PrototiposDePuertas();
ListaDePrototipos PrototiposCombinacionales();
ListaDePrototipos PrototiposBiestables();
ListaDePrototipos PrototiposContadores();

}  // namespace velistra
