#pragma once
// Gate chips: outputs are pure Boolean functions of the inputs, no stored values. Every
// gate chip is a ChipDePuertas built from its catalogue row's scheme.
#include "chips/CircuitoElectronico.h"
#include "chips/NombresDePrototipos.h"

namespace velistra {

struct EsquemaDePuertas;

class ChipDePuertas final : public CircuitoElectronico {
public:
    // `ficha` must be a gate chip's row: it holds the scheme.
    explicit ChipDePuertas(const FichaDeChip& ficha);
    bool Funcion(bool* valores) const override;
    const EsquemaDePuertas& Esquema() const { return esquema; }

private:
    const EsquemaDePuertas& esquema;
};

}  // namespace velistra
