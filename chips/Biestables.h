#pragma once
// Storage chips that hold one bit per output: J-K and D flip-flops here, latches and
// registers in their own headers. The stored bit is the Q output entry itself.
#include "chips/Latches.h"
#include "chips/MecanismosSecuenciales.h"
#include "chips/Registros.h"

namespace velistra {

struct EsquemaDeBiestables;

// Edge-triggered flip-flops with asynchronous preset and clear, described as data.
class ChipDeBiestables : public ChipSecuencial {
protected:
    ChipDeBiestables(int codigoDeCatalogo, const EsquemaDeBiestables& esquema);
    void Actualiza(bool* valores) const override;
    void RecuerdaRelojes(bool* valores) const override;

private:
    const EsquemaDeBiestables& esquema;
};

class Chip7473 final : public ChipDeBiestables {
public:
    Chip7473();
    void EstadoInicial(bool* valores) const override;
};
class Chip7474 final : public ChipDeBiestables { public: Chip7474(); };
class Chip7476A final : public ChipDeBiestables { public: Chip7476A(); };
class Chip74107 final : public ChipDeBiestables { public: Chip74107(); };
class Chip74109 final : public ChipDeBiestables { public: Chip74109(); };
class Chip74112 final : public ChipDeBiestables { public: Chip74112(); };
class Chip74113 final : public ChipDeBiestables { public: Chip74113(); };
class Chip74114 final : public ChipDeBiestables { public: Chip74114(); };

extern const Chip7473 ci7473;
extern const Chip7474 ci7474;
extern const Chip7476A ci7476;
extern const Chip74107 ci74107;
extern const Chip74109 ci74109;
extern const Chip74112 ci74112;
extern const Chip74113 ci74113;
extern const Chip74114 ci74114;

}  // namespace velistra
