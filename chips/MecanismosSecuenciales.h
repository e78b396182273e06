#pragma once
// Pieces shared by chips that store bits: power test, clock edges, the J-K rule and the
// change report of Funcion. Stored bits live in the output entries of the value table,
// which the placed chip keeps between evaluations.
#include <cstdint>

#include "chips/CircuitoElectronico.h"
#include "chips/Flancos.h"

namespace velistra {

// Ground and supply pins. A floating ground reads 1, so it counts as no power.
struct Alimentacion {
    int tierra;
    int vcc;

    bool HayTension(const bool* valores) const { return !valores[tierra] && valores[vcc]; }
};

enum class Flanco { Subida, Bajada };

// A clock pin and the entry that keeps the level it had at the end of the last evaluation.
struct EntradaDeReloj {
    int pin;
    int anterior;

    bool HayFlanco(Flanco flanco, const bool* valores) const {
        return flanco == Flanco::Subida ? FlancoDeSubida(valores[pin], valores[anterior])
                                        : FlancoDeBajada(valores[pin], valores[anterior]);
    }
    void RecuerdaNivel(bool* valores) const { valores[anterior] = valores[pin]; }
};

// An active-low control input; pin 0 means the chip has none, which reads as inactive.
constexpr bool BajoActivo(int pin, const bool* valores) { return pin != 0 && !valores[pin]; }

// J = K = 1 toggles, J = 1 sets, K = 1 resets, J = K = 0 holds.
constexpr bool ReglaJK(bool q, bool j, bool k) { return (j & !q) | (q & !k); }

// Every output pin ('S' in the chip's pin types) goes to 0.
void ApagaSalidas(const CircuitoElectronico& chip, bool* valores);

// The output pins as they were on entry to Funcion, to answer whether any changed.
// State entries are left out on purpose: only output changes keep the settling going.
// One bit per output pin (a chip has fewer than 64 pins), walked to the list's end mark:
// a counted loop this short costs more in the vector set-up compilers give it than in work.
class InstantaneaDeSalidas {
public:
    InstantaneaDeSalidas(const CircuitoElectronico& chip, const bool* valores)
        : pines(chip.PinesDeSalida()), antes(Bits(pines, valores)) {}
    bool HayCambio(const bool* valores) const { return Bits(pines, valores) != antes; }

private:
    static std::uint64_t Bits(const unsigned char* pines, const bool* valores) {
        std::uint64_t bits = 0;
        for (const unsigned char* p = pines; *p != 0; ++p) bits = bits << 1 | static_cast<std::uint64_t>(valores[*p]);
        return bits;
    }

    const unsigned char* pines;
    std::uint64_t antes;
};

// A chip whose outputs all drop to 0 without power and whose clock levels are recorded on
// every evaluation, powered or not, so an edge that arrives while unpowered is lost.
class ChipSecuencial : public CircuitoElectronico {
public:
    bool Funcion(bool* valores) const final;
    Alimentacion PinesDeAlimentacion() const { return alimentacion; }

protected:
    ChipSecuencial(int codigoDeCatalogo, Alimentacion alimentacion);

    // The logic of a powered chip; clock levels are still those of the last evaluation.
    virtual void Actualiza(bool* valores) const = 0;
    // Stores the clock levels for the next evaluation's edge detection.
    virtual void RecuerdaRelojes(bool* valores) const;

private:
    Alimentacion alimentacion;
};

}  // namespace velistra
