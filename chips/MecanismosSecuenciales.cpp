#include "chips/MecanismosSecuenciales.h"

namespace velistra {

void ApagaSalidas(const CircuitoElectronico& chip, bool* valores) {
    for (const unsigned char* p = chip.PinesDeSalida(); *p != 0; ++p) valores[*p] = false;
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
