#pragma once
// Latches: no clock; the latched bit is the Q output entry.
#include <memory>

#include "chips/MecanismosSecuenciales.h"
#include "chips/NombresDePrototipos.h"

namespace velistra {

struct EsquemaDeLatchesD;
struct EsquemaDeLatchesRS;
struct EsquemaDireccionable;

// Transparent D latches: while its enable is 1 a Q follows its D.
class ChipDeLatchesD : public ChipSecuencial {
public:
    ChipDeLatchesD(int codigoDeCatalogo, const EsquemaDeLatchesD& esquema);

protected:
    void Actualiza(bool* valores) const override;

private:
    const EsquemaDeLatchesD& esquema;
};

// The chip of that catalogue code that this family computes, or null.
std::unique_ptr<CircuitoElectronico> CreaLatchesD(int codigoDeCatalogo);

// Set-reset latches with active-low inputs; set wins.
class ChipDeLatchesRS : public ChipSecuencial {
public:
    ChipDeLatchesRS(int codigoDeCatalogo, const EsquemaDeLatchesRS& esquema);

protected:
    void Actualiza(bool* valores) const override;

private:
    const EsquemaDeLatchesRS& esquema;
};

// The chip of that catalogue code that this family computes, or null.
std::unique_ptr<CircuitoElectronico> CreaLatchesRS(int codigoDeCatalogo);

// Addressable latches: clear, demultiplexer, addressable latch and memory modes.
class ChipDireccionable : public ChipSecuencial {
public:
    ChipDireccionable(int codigoDeCatalogo, const EsquemaDireccionable& esquema);

protected:
    void Actualiza(bool* valores) const override;

private:
    const EsquemaDireccionable& esquema;
};

// The chip of that catalogue code that this family computes, or null.
std::unique_ptr<CircuitoElectronico> CreaDireccionable(int codigoDeCatalogo);

}  // namespace velistra
