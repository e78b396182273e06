// Priority encoders with active-low inputs and outputs: 74147, 74148.
#include "chips/Combinacionales.h"
#include "chips/LogicaCombinacional.h"

namespace velistra {

namespace {

// Position in `entradas` of the active (low) input listed last, which has the
// highest priority; -1 when no input is active.
int EntradaActivaMasAlta(const bool* valores, const ListaDePines& entradas) {
    for (int i = entradas.size() - 1; i >= 0; --i)
        if (!valores[entradas[i]]) return i;
    return -1;
}

namespace pines74147 {
constexpr ListaDePines kEntradas{11, 12, 13, 1, 2, 3, 4, 5, 10};  // inputs 1 .. 9
constexpr ListaDePines kCodigo{9, 7, 6, 14};                        // A, B, C, D
constexpr int kTierra = 8;
constexpr int kAlimentacion = 16;
}  // namespace pines74147

namespace pines74148 {
constexpr ListaDePines kEntradas{10, 11, 12, 13, 1, 2, 3, 4};  // inputs 0 .. 7
constexpr ListaDePines kCodigo{9, 7, 6};                         // A0, A1, A2
constexpr int kEI = 5;
constexpr int kGS = 14;
constexpr int kEO = 15;
constexpr int kTierra = 8;
constexpr int kAlimentacion = 16;
}  // namespace pines74148

}  // namespace

Chip74147::Chip74147() : CircuitoElectronico(7147) {}

bool Chip74147::Funcion(bool* valores) const {
    using namespace pines74147;
    Salidas salidas(valores);
    int codigo = 0;
    if (Alimentado(valores, kTierra, kAlimentacion)) {
        // The code is the complement of the highest active input number (1 .. 9).
        const int activa = EntradaActivaMasAlta(valores, kEntradas);
        codigo = 15 - (activa + 1);
    }
    salidas.PonNumero(kCodigo, codigo);
    return salidas.Cambiaron();
}

Chip74148::Chip74148() : CircuitoElectronico(7148) {}

bool Chip74148::Funcion(bool* valores) const {
    using namespace pines74148;
    Salidas salidas(valores);
    int codigo = 0;
    bool gs = false;
    bool eo = false;
    if (Alimentado(valores, kTierra, kAlimentacion)) {
        const int activa = valores[kEI] ? -1 : EntradaActivaMasAlta(valores, kEntradas);
        codigo = activa < 0 ? 7 : 7 - activa;
        gs = activa < 0;
        // EO goes low only on an enabled chip with nothing to encode, to enable the next one.
        eo = valores[kEI] || activa >= 0;
    }
    salidas.PonNumero(kCodigo, codigo);
    salidas.Pon(kGS, gs);
    salidas.Pon(kEO, eo);
    return salidas.Cambiaron();
}

}  // namespace velistra
