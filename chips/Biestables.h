#pragma once
// Storage chips that hold one bit per output: J-K and D flip-flops here, latches and
// registers in their own headers. The stored bit is the Q output entry itself.
#include <memory>

#include "chips/Latches.h"
#include "chips/MecanismosSecuenciales.h"
#include "chips/Registros.h"

namespace velistra {

struct EsquemaDeBiestables;

// Edge-triggered flip-flops with asynchronous preset and clear, described as data.
class ChipDeBiestables : public ChipSecuencial {
public:
    ChipDeBiestables(int codigoDeCatalogo, const EsquemaDeBiestables& esquema);

protected:
    void Actualiza(bool* valores) const override;
    void RecuerdaRelojes(bool* valores) const override;

private:
    const EsquemaDeBiestables& esquema;
};

// The chip of that catalogue code that this family computes, or null.
std::unique_ptr<CircuitoElectronico> CreaBiestables(int codigoDeCatalogo);

class Chip7473 final : public ChipDeBiestables {
public:
    Chip7473();
    void EstadoInicial(bool* valores) const override;
};

}  // namespace velistra
