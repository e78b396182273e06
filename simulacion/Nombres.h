#pragma once
// How the user's messages name the things on the workbench.
#include "plataforma/Mensaje.h"

namespace velistra {

class Componente;

// A chip by its model and its place in the chip list from 1: "7404 (3)".
Mensaje NombreDeChip(const Componente& chip, int numero);

}  // namespace velistra
