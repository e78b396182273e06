#pragma once
// Storage chips that hold one bit per output: J-K and D flip-flops here, latches and
// registers in their own headers. The stored bit is the Q output entry itself.
#include <array>
#include <memory>
#include <span>

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

    // The flip-flops as Actualiza computes them, and the clock level that makes an edge.
    std::span<const Registro> Registros() const { return {aRegistro.data(), static_cast<std::size_t>(nBiestables)}; }
    bool NivelTrasElFlanco() const { return bNivelTrasElFlanco; }

    // One flip-flop of a powered chip, as Actualiza leaves it; the clock level is still
    // that of the last evaluation. Clock levels change from one evaluation to the next in
    // no order a predictor could learn, so every case is computed and combined with bit
    // operations, without branches.
    static void ActualizaUno(const Registro& b, bool nivelTrasElFlanco, bool* valores) {
        const bool preset = (b.preset != 0) & !valores[b.preset];
        const bool clear = (b.clear != 0) & !valores[b.clear];
        const bool flanco = (valores[b.reloj] == nivelTrasElFlanco) & (valores[b.anterior] != nivelTrasElFlanco);
        const bool q = valores[b.q];
        const bool cargado = ReglaJK(q, valores[b.j], valores[b.k] != b.kNegada);
        const bool sincrono = (flanco & cargado) | (!flanco & q);
        // Asynchronous inputs win over the clock; both together drive Q and Q-bar high.
        // Otherwise Q-bar is recomputed on every evaluation so Q and Q-bar never both read
        // 0 while powered, not even before the first edge after switch-on.
        valores[b.q] = preset | (!clear & sincrono);
        valores[b.qNegada] = clear | (!preset & !sincrono);
    }

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
