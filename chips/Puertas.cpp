#include "chips/Puertas.h"

#include "chips/Catalogo.h"
#include "chips/EsquemaDePuertas.h"

namespace velistra {

ChipDePuertas::ChipDePuertas(const FichaDeChip& ficha)
    : CircuitoElectronico(ficha), esquema(*ficha.calculo.puertas) {}

bool ChipDePuertas::Funcion(bool* valores) const {
    // Ground floating (reads 1) or supply low: every output drops to 0.
    const bool alimentado = !valores[esquema.tierra] && valores[esquema.alimentacion];
    bool cambio = false;
    for (const Puerta& puerta : esquema.puertas) {
        const bool nuevo = alimentado && EvaluaPuerta(puerta, valores);
        if (valores[puerta.salida] != nuevo) cambio = true;
        valores[puerta.salida] = nuevo;
    }
    return cambio;
}

}  // namespace velistra
