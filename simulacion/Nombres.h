#pragma once
// How the user's messages name the things on the workbench.
#include "plataforma/Mensaje.h"

namespace velistra {

class Componente;

// A chip by the label the workbench prints on it and its place in the chip list from
// 1: "74LS04 (3)". Every message that names a chip uses this label.
Mensaje NombreDeChip(const Componente& chip, int numero);

}  // namespace velistra
