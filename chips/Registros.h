#pragma once
// D registers, with or without a two-input multiplexer in front: one clock loads every bit.
#include "chips/MecanismosSecuenciales.h"

namespace velistra {

struct EsquemaDeRegistro;

class ChipDeRegistro : public ChipSecuencial {
protected:
    ChipDeRegistro(int codigoDeCatalogo, const EsquemaDeRegistro& esquema);
    void Actualiza(bool* valores) const override;
    void RecuerdaRelojes(bool* valores) const override;

private:
    const EsquemaDeRegistro& esquema;
};

class Chip74174 final : public ChipDeRegistro { public: Chip74174(); };
class Chip74175 final : public ChipDeRegistro { public: Chip74175(); };
class Chip74273 final : public ChipDeRegistro { public: Chip74273(); };
class Chip74377 final : public ChipDeRegistro { public: Chip74377(); };
class Chip74378 final : public ChipDeRegistro { public: Chip74378(); };
class Chip74379 final : public ChipDeRegistro { public: Chip74379(); };
class Chip74298 final : public ChipDeRegistro { public: Chip74298(); };
class Chip74398 final : public ChipDeRegistro { public: Chip74398(); };
class Chip74399 final : public ChipDeRegistro { public: Chip74399(); };

extern const Chip74174 ci74174;
extern const Chip74175 ci74175;
extern const Chip74273 ci74273;
extern const Chip74377 ci74377;
extern const Chip74378 ci74378;
extern const Chip74379 ci74379;
extern const Chip74298 ci74298;
extern const Chip74398 ci74398;
extern const Chip74399 ci74399;

}  // namespace velistra
