// Adders 7483A and 74283, magnitude comparator 7485, parity generator 74280.
#include "chips/ChipsDeUnaFamilia.h"
#include "chips/Combinacionales.h"
#include "chips/LogicaCombinacional.h"

namespace velistra {

struct EsquemaDeSumador {
    int tierra;
    int alimentacion;
    ListaDePines a;  // bit 0 first
    ListaDePines b;
    int acarreoDeEntrada;
    ListaDePines suma;
    int acarreoDeSalida;
};

namespace {

// The 7483A has its ground and supply on pins typed as inputs, so the placed chip
// never checks them; the power test here is all there is.
// Ground, supply, A, B, carry in, sum, carry out.
constexpr EsquemaDeSumador kEsquema7483A{
    12, 5, {10, 8, 3, 1}, {11, 7, 4, 16}, 13, {9, 6, 2, 15}, 14};
constexpr EsquemaDeSumador kEsquema74283{
    8, 16, {5, 3, 14, 12}, {6, 2, 15, 11}, 7, {4, 1, 13, 10}, 9};

}  // namespace

ChipSumador::ChipSumador(int codigoDeCatalogo, const EsquemaDeSumador& esquema)
    : CircuitoElectronico(codigoDeCatalogo), esquema(esquema) {}

bool ChipSumador::Funcion(bool* valores) const {
    Salidas salidas(valores);
    int suma = 0;
    if (Alimentado(valores, esquema.tierra, esquema.alimentacion)) {
        suma = Numero(valores, esquema.a) + Numero(valores, esquema.b) +
               (valores[esquema.acarreoDeEntrada] ? 1 : 0);
    }
    salidas.PonNumero(esquema.suma, suma);
    salidas.Pon(esquema.acarreoDeSalida, suma >= 16);
    return salidas.Cambiaron();
}

namespace {
constexpr ChipDeLaFamilia<EsquemaDeSumador> kSumador[] = {
    {7083, kEsquema7483A},
    {7283, kEsquema74283},
};
}  // namespace

std::unique_ptr<CircuitoElectronico> CreaSumador(int codigoDeCatalogo) {
    return CreaDeLaFamilia<ChipSumador>(kSumador, codigoDeCatalogo);
}

namespace {
namespace pines7485 {
constexpr ListaDePines kA{10, 12, 13, 15};
constexpr ListaDePines kB{9, 11, 14, 1};
constexpr int kMenorDeEntrada = 2;
constexpr int kIgualDeEntrada = 3;
constexpr int kMayorDeEntrada = 4;
constexpr int kMayor = 5;
constexpr int kIgual = 6;
constexpr int kMenor = 7;
constexpr int kTierra = 8;
constexpr int kAlimentacion = 16;
}  // namespace pines7485
}  // namespace

Chip7485::Chip7485() : CircuitoElectronico(7085) {}

bool Chip7485::Funcion(bool* valores) const {
    using namespace pines7485;
    Salidas salidas(valores);
    bool mayor = false;
    bool igual = false;
    bool menor = false;
    if (Alimentado(valores, kTierra, kAlimentacion)) {
        const int a = Numero(valores, kA);
        const int b = Numero(valores, kB);
        if (a != b) {
            mayor = a > b;
            menor = a < b;
        } else {
            // Equal words pass the cascade inputs on; A=B in overrides the others, and
            // equal A<B and A>B inputs give the inverse of their level on both.
            mayor = valores[kMayorDeEntrada];
            igual = valores[kIgualDeEntrada];
            menor = valores[kMenorDeEntrada];
            if (igual) {
                mayor = menor = false;
            } else if (mayor == menor) {
                mayor = menor = !mayor;
            }
        }
    }
    salidas.Pon(kMayor, mayor);
    salidas.Pon(kIgual, igual);
    salidas.Pon(kMenor, menor);
    return salidas.Cambiaron();
}

namespace {
namespace pines74280 {
constexpr ListaDePines kEntradas{8, 9, 10, 11, 12, 13, 1, 2, 4};  // A .. I
constexpr int kPar = 5;
constexpr int kImpar = 6;
constexpr int kTierra = 7;
constexpr int kAlimentacion = 14;
}  // namespace pines74280
}  // namespace

Chip74280::Chip74280() : CircuitoElectronico(7280) {}

bool Chip74280::Funcion(bool* valores) const {
    using namespace pines74280;
    Salidas salidas(valores);
    const bool alimentado = Alimentado(valores, kTierra, kAlimentacion);
    bool impar = false;
    for (int pin : kEntradas) impar = impar != valores[pin];
    salidas.Pon(kImpar, alimentado && impar);
    salidas.Pon(kPar, alimentado && !impar);
    return salidas.Cambiaron();
}

}  // namespace velistra
