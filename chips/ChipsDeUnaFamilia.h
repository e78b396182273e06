#pragma once
// A family class computes several chips of the catalogue, each from a scheme of its own.
// The family lists its schemes by catalogue code, and the catalogue row's `crea` builds
// the chip of its code: adding a chip to a family is its scheme here and its row there.
#include <memory>

#include "chips/CircuitoElectronico.h"

namespace velistra {

template <class Esquema>
struct ChipDeLaFamilia {
    int codigoDeCatalogo;
    const Esquema& esquema;
};

// The family's chip of that code, or null when the family does not list it.
template <class Familia, class Esquema, std::size_t N>
std::unique_ptr<CircuitoElectronico> CreaDeLaFamilia(const ChipDeLaFamilia<Esquema> (&chips)[N],
                                                     int codigoDeCatalogo) {
    for (const ChipDeLaFamilia<Esquema>& chip : chips) {
        if (chip.codigoDeCatalogo == codigoDeCatalogo)
            return std::make_unique<Familia>(codigoDeCatalogo, chip.esquema);
    }
    return nullptr;
}

}  // namespace velistra
