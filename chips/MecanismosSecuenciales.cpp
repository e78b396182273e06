#include "chips/MecanismosSecuenciales.h"

namespace velistra {

namespace {
bool EsSalida(const CircuitoElectronico& chip, int pin) { return chip.TiposDePines()[pin] == 'S'; }
}  // namespace

void ApagaSalidas(const CircuitoElectronico& chip, bool* valores) {
    for (int pin = 1; pin <= chip.NumeroDePines(); ++pin)
        if (EsSalida(chip, pin)) valores[pin] = false;
}

InstantaneaDeSalidas::InstantaneaDeSalidas(const CircuitoElectronico& chip, const bool* valores)
    : chip(chip) {
    for (int pin = 1; pin <= chip.NumeroDePines(); ++pin) abAntes[pin] = valores[pin];
}

bool InstantaneaDeSalidas::HayCambio(const bool* valores) const {
    for (int pin = 1; pin <= chip.NumeroDePines(); ++pin)
        if (EsSalida(chip, pin) && valores[pin] != abAntes[pin]) return true;
    return false;
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
