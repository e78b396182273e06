#pragma once
// Latches: no clock; the latched bit is the Q output entry.
#include "chips/MecanismosSecuenciales.h"

namespace velistra {

struct EsquemaDeLatchesD;
struct EsquemaDeLatchesRS;
struct EsquemaDireccionable;

// Transparent D latches: while its enable is 1 a Q follows its D.
class ChipDeLatchesD : public ChipSecuencial {
protected:
    ChipDeLatchesD(int codigoDeCatalogo, const EsquemaDeLatchesD& esquema);
    void Actualiza(bool* valores) const override;

private:
    const EsquemaDeLatchesD& esquema;
};

// Set-reset latches with active-low inputs; set wins.
class ChipDeLatchesRS : public ChipSecuencial {
protected:
    ChipDeLatchesRS(int codigoDeCatalogo, const EsquemaDeLatchesRS& esquema);
    void Actualiza(bool* valores) const override;

private:
    const EsquemaDeLatchesRS& esquema;
};

// Addressable latches: clear, demultiplexer, addressable latch and memory modes.
class ChipDireccionable : public ChipSecuencial {
protected:
    ChipDireccionable(int codigoDeCatalogo, const EsquemaDireccionable& esquema);
    void Actualiza(bool* valores) const override;

private:
    const EsquemaDireccionable& esquema;
};

class Chip7475 final : public ChipDeLatchesD { public: Chip7475(); };
class Chip7477 final : public ChipDeLatchesD { public: Chip7477(); };
class Chip74375 final : public ChipDeLatchesD { public: Chip74375(); };
class Chip74279 final : public ChipDeLatchesRS { public: Chip74279(); };
class Chip74256 final : public ChipDireccionable { public: Chip74256(); };
class Chip74259 final : public ChipDireccionable { public: Chip74259(); };

extern const Chip7475 ci7475;
extern const Chip7477 ci7477;
extern const Chip74375 ci74375;
extern const Chip74279 ci74279;
extern const Chip74256 ci74256;
extern const Chip74259 ci74259;

}  // namespace velistra
