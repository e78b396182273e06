#pragma once
// Storage chips that hold one bit per output: J-K and D flip-flops here, latches and
// registers in their own headers. The stored bit is the Q output entry itself.
#include <array>
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

    static constexpr std::size_t kMaximoDeBiestables = 2;

    // One flip-flop as the evaluation reads it, prepared from the scheme once: every way of
    // loading is the J-K rule (D is J = D with K = D-bar), and the clock edge is the level
    // the clock has just reached. Pin 0 stands for no preset or clear.
    struct Registro {
        unsigned char reloj;
        unsigned char anterior;
        unsigned char j;
        unsigned char k;
        bool kNegada;
        unsigned char preset;
        unsigned char clear;
        unsigned char q;
        unsigned char qNegada;
    };

protected:
    void Actualiza(bool* valores) const override;
    void RecuerdaRelojes(bool* valores) const override;

private:
    std::array<Registro, kMaximoDeBiestables> aRegistro{};
    int nBiestables = 0;
    bool bNivelTrasElFlanco = false;
};

// The chip of that catalogue code that this family computes, or null.
std::unique_ptr<CircuitoElectronico> CreaBiestables(int codigoDeCatalogo);

class Chip7473 final : public ChipDeBiestables {
public:
    Chip7473();
    void EstadoInicial(bool* valores) const override;
};

}  // namespace velistra
