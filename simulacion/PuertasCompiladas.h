#pragma once
#include <vector>

namespace velistra {

struct EsquemaDePuertas;

// A gate chip's scheme laid out flat, pin numbers only, for the settling engine to compute
// without a virtual call or a walk over the scheme's fixed-size tables, the whole chip or
// one gate at a time. Calcula answers exactly what the chip's own Funcion answers on the
// same values; CalculaPuerta does the same for one gate's output.
class PuertasCompiladas {
public:
    explicit PuertasCompiladas(const EsquemaDePuertas& esquema);

    bool Calcula(bool* valores) const;

    int NumeroDePuertas() const { return static_cast<int>(puertas.size()); }
    int SalidaDe(int puerta) const { return codigo[Inicio(puerta)]; }
    // The pins the gate's output depends on: its inputs, each once, then ground and supply.
    const std::vector<int>& PinesQueLee(int puerta) const { return puertas[static_cast<std::size_t>(puerta)].pines; }
    // Computes the gate's output into its entry; answers whether it changed.
    bool CalculaPuerta(int puerta, bool* valores) const {
        const unsigned char* p = codigo.data() + Inicio(puerta);
        return Evalua(p, valores, Alimentado(valores));
    }

private:
    struct Entrada {
        std::size_t inicio;
        std::vector<int> pines;
    };
    std::size_t Inicio(int puerta) const { return puertas[static_cast<std::size_t>(puerta)].inicio; }
    // Ground floating (reads 1) or supply low: every output drops to 0.
    bool Alimentado(const bool* valores) const { return !valores[tierra] && valores[alimentacion]; }
    // Computes the gate whose code starts at `p` and leaves `p` past it.
    static bool Evalua(const unsigned char*& p, bool* valores, bool alimentado);

    int tierra = 0;
    int alimentacion = 0;
    // Per gate: output pin, kind, a count and the pins (see the kinds in the source).
    std::vector<unsigned char> codigo;
    std::vector<Entrada> puertas;
};

}  // namespace velistra
