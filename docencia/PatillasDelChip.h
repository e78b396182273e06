#pragma once
// What the review needs to know about one placed chip's pins beyond the simulation's
// pin types.
#include <map>

namespace velistra {
class Componente;
}

namespace velistra::docencia {

// 'V' for a supply pin, 'G' for a ground pin, 0 for any other. Some chips model their
// supply pins as inputs; the data sheet's name ("VCC", "GND") tells them apart.
char AlimentacionDePatilla(const Componente& chip, int pin);

// Whether an input pin matters: some combination of the chip's other inputs makes an
// output that goes somewhere (a net of more than its own strip, `puertosPorNodo`) follow
// it. Inputs held by the supply keep their level; the others take every combination, or
// a fixed sample of them on chips with more than kEntradasRecorridas other inputs.
bool EntradaQueImporta(const Componente& chip, int pin, const std::map<int, int>& puertosPorNodo);

inline constexpr int kEntradasRecorridas = 12;

}  // namespace velistra::docencia
