#include "chips/MecanismosSecuenciales.h"

namespace velistra {

void ApagaSalidas(const CircuitoElectronico& chip, bool* valores) {
    const unsigned char* pines = chip.PinesDeSalida();
    for (int k = 0; k < chip.NumeroDeSalidas(); ++k) valores[pines[k]] = false;
}

ChipSecuencial::ChipSecuencial(int codigoDeCatalogo, Alimentacion alimentacion)
    : CircuitoElectronico(codigoDeCatalogo), alimentacion(alimentacion) {}

bool ChipSecuencial::Funcion(bool* valores) const {
    const InstantaneaDeSalidas antes(*this, valores);
    if (alimentacion.HayTension(valores))
        Actualiza(valores);
    else
        ApagaSalidas(*this, valores);
    RecuerdaRelojes(valores);
    return antes.HayCambio(valores);
}

void ChipSecuencial::RecuerdaRelojes(bool*) const {}

}  // namespace velistra
