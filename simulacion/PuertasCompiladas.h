#pragma once
#include <vector>

namespace velistra {

struct EsquemaDePuertas;

// A gate chip's scheme laid out flat, pin numbers only, for the settling engine to compute
// without a virtual call or a walk over the scheme's fixed-size tables, the whole chip or
// one gate at a time. Calcula answers exactly what the chip's own Funcion answers on the
// same values; CalculaPuertaEn does the same for one gate's output.
class PuertasCompiladas {
public:
    // A gate's kind: bit 0 inverts it; the rest says how its pins combine.
    static constexpr unsigned char kNegada = 1;
    static constexpr unsigned char kY = 0 << 1;           // one AND term: n pins
    static constexpr unsigned char kO = 1 << 1;           // an OR of n single pins
    static constexpr unsigned char kOExclusiva = 2 << 1;  // an XOR of n single pins
    static constexpr unsigned char kGeneral = 3 << 1;     // n terms, each its pin count and pins
    static constexpr unsigned char kForma = 3 << 1;
    // A general gate's terms combine by exclusive OR.
    static constexpr unsigned char kTerminosExclusivos = 1 << 3;

    explicit PuertasCompiladas(const EsquemaDePuertas& esquema);

    bool Calcula(bool* valores) const;

    int NumeroDePuertas() const { return static_cast<int>(puertas.size()); }
    int SalidaDe(int puerta) const { return codigo[Inicio(puerta)]; }
    // The pins the gate's output depends on: its inputs, each once, then ground and supply.
    const std::vector<int>& PinesQueLee(int puerta) const { return puertas[static_cast<std::size_t>(puerta)].pines; }
    // Where a gate's code starts; CalculaPuertaEn computes that gate's output into its
    // entry, knowing whether the chip is fed, and answers whether it changed.
    const unsigned char* CodigoDe(int puerta) const { return codigo.data() + Inicio(puerta); }
    static bool CalculaPuertaEn(const unsigned char* p, bool* valores, bool alimentado) {
        return Evalua(p, valores, alimentado);
    }
    // How the gate combines its pins when it is one AND, OR or exclusive OR of its inputs,
    // each once, and whether it inverts; kGeneral otherwise.
    unsigned char FormaDe(int puerta) const {
        const unsigned char* p = CodigoDe(puerta);
        const auto entradas = static_cast<int>(PinesQueLee(puerta).size()) - 2;
        return (p[1] & kForma) != kGeneral && p[2] == entradas ? (p[1] & kForma) : kGeneral;
    }
    bool EsNegada(int puerta) const { return (CodigoDe(puerta)[1] & kNegada) != 0; }

private:
    struct Entrada {
        std::size_t inicio;
        std::vector<int> pines;
    };
    std::size_t Inicio(int puerta) const { return puertas[static_cast<std::size_t>(puerta)].inicio; }
    // Ground floating (reads 1) or supply low: every output drops to 0.
    bool Alimentado(const bool* valores) const { return !valores[tierra] & valores[alimentacion]; }
    // Computes the gate whose code starts at `p` and leaves `p` past it.
    static bool Evalua(const unsigned char*& p, bool* valores, bool alimentado) {
        const unsigned char salida = p[0];
        const unsigned char clase = p[1];
        const int n = p[2];
        p += 3;
        // Levels combine without branches: in a chain they alternate at every settling,
        // and a branch on them would be guessed wrong as often as right.
        unsigned resultado = 0;
        switch (clase & kForma) {
            case kY:
                resultado = 1;
                for (int i = 0; i < n; ++i) resultado &= valores[p[i]];
                p += n;
                break;
            case kO:
                for (int i = 0; i < n; ++i) resultado |= valores[p[i]];
                p += n;
                break;
            case kOExclusiva:
                for (int i = 0; i < n; ++i) resultado ^= valores[p[i]];
                p += n;
                break;
            default:
                for (int t = 0; t < n; ++t) {
                    const int m = *p++;
                    unsigned termino = 1;
                    for (int i = 0; i < m; ++i) termino &= valores[p[i]];
                    p += m;
                    resultado = (clase & kTerminosExclusivos) != 0 ? resultado ^ termino : resultado | termino;
                }
                break;
        }
        const bool nuevo = (static_cast<unsigned>(alimentado) & (resultado ^ (clase & kNegada))) != 0;
        const bool cambio = valores[salida] != nuevo;
        valores[salida] = nuevo;
        return cambio;
    }


    int tierra = 0;
    int alimentacion = 0;
    // Per gate: output pin, kind, a count and the pins (see the kinds above).
    std::vector<unsigned char> codigo;
    std::vector<Entrada> puertas;
};

}  // namespace velistra
