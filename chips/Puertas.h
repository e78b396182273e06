#pragma once
// Gate chips: outputs are pure Boolean functions of the inputs, no stored values.
#include <array>
#include <span>

#include "chips/CircuitoElectronico.h"

namespace velistra {

// Every gate is an OR (or XOR) of AND terms, optionally inverted: that covers AND, NAND,
// OR, NOR, NOT, XOR and AND-OR-INVERT with one evaluator.
struct EsquemaDePuertas {
    static constexpr int kPinesPorGrupo = 13;
    static constexpr int kGruposPorPuerta = 5;
    // Pins of one AND term; 0 ends the list (no pin is numbered 0).
    using Grupo = std::array<int, kPinesPorGrupo>;
    enum class Combinacion { O, OExclusiva };
    struct Puerta {
        int salida = 0;
        std::array<Grupo, kGruposPorPuerta> grupos{};
        Combinacion combinacion = Combinacion::O;
        bool negada = false;
    };

    int tierra;
    int alimentacion;
    std::span<const Puerta> puertas;
};

// A chip described by its gates as data: which pins feed which output, and how.
class ChipDePuertas : public CircuitoElectronico {
public:
    bool Funcion(bool* valores) const override;
    const EsquemaDePuertas& Esquema() const { return esquema; }

protected:
    ChipDePuertas(int codigoDeCatalogo, const EsquemaDePuertas& esquema);

private:
    const EsquemaDePuertas& esquema;
};

class Chip7400 final : public ChipDePuertas { public: Chip7400(); };
class Chip7402 final : public ChipDePuertas { public: Chip7402(); };
class Chip7404 final : public ChipDePuertas { public: Chip7404(); };
class Chip7408 final : public ChipDePuertas { public: Chip7408(); };
class Chip7410 final : public ChipDePuertas { public: Chip7410(); };
class Chip7411 final : public ChipDePuertas { public: Chip7411(); };
class Chip7420 final : public ChipDePuertas { public: Chip7420(); };
class Chip7421 final : public ChipDePuertas { public: Chip7421(); };
class Chip7427 final : public ChipDePuertas { public: Chip7427(); };
class Chip7430 final : public ChipDePuertas { public: Chip7430(); };
class Chip7432 final : public ChipDePuertas { public: Chip7432(); };
class Chip7451 final : public ChipDePuertas { public: Chip7451(); };
class Chip7454 final : public ChipDePuertas { public: Chip7454(); };
class Chip7455 final : public ChipDePuertas { public: Chip7455(); };
class Chip7486 final : public ChipDePuertas { public: Chip7486(); };
class Chip74133 final : public ChipDePuertas { public: Chip74133(); };
class Chip74260 final : public ChipDePuertas { public: Chip74260(); };
class Chip74386 final : public ChipDePuertas { public: Chip74386(); };

extern const Chip7400 ci7400;
extern const Chip7402 ci7402;
extern const Chip7404 ci7404;
extern const Chip7408 ci7408;
extern const Chip7410 ci7410;
extern const Chip7411 ci7411;
extern const Chip7420 ci7420;
extern const Chip7421 ci7421;
extern const Chip7427 ci7427;
extern const Chip7430 ci7430;
extern const Chip7432 ci7432;
extern const Chip7451 ci7451;
extern const Chip7454 ci7454;
extern const Chip7455 ci7455;
extern const Chip7486 ci7486;
extern const Chip74133 ci74133;
extern const Chip74260 ci74260;
extern const Chip74386 ci74386;

}  // namespace velistra
