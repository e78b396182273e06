#pragma once
// D registers, with or without a two-input multiplexer in front: one clock loads every bit.
#include <memory>

#include "chips/MecanismosSecuenciales.h"
#include "chips/NombresDePrototipos.h"

namespace velistra {

struct EsquemaDeRegistro;

class ChipDeRegistro : public ChipSecuencial {
public:
    ChipDeRegistro(int codigoDeCatalogo, const EsquemaDeRegistro& esquema);

protected:
    void Actualiza(bool* valores) const override;
    void RecuerdaRelojes(bool* valores) const override;

private:
    const EsquemaDeRegistro& esquema;
};

// The chip of that catalogue code that this family computes, or null.
std::unique_ptr<CircuitoElectronico> CreaRegistro(int codigoDeCatalogo);

}  // namespace velistra
