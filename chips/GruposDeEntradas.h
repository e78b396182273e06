#pragma once
// Groups of value-table entries written as one: a count onto its outputs, a register's
// stages shifted or loaded. Groups list the least significant bit (or first stage) first;
// Numero in LogicaCombinacional.h reads them back.
#include "chips/LogicaCombinacional.h"

namespace velistra {

void EscribeNumero(bool* valores, const ListaDePines& entradas, int numero);
// Every stage takes the value of the one before it; the first takes `entrada`.
void Desplaza(bool* valores, const ListaDePines& etapas, bool entrada);
// Entry destinos[i] takes entry origenes[i].
void Copia(bool* valores, const ListaDePines& destinos, const ListaDePines& origenes);

}  // namespace velistra
