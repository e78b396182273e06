// BCD to seven-segment decoders with active-low outputs: 7447, 74247.
#include <initializer_list>

#include "chips/ChipsDeUnaFamilia.h"
#include "chips/Combinacionales.h"
#include "chips/LogicaCombinacional.h"

namespace velistra {

namespace {

constexpr ListaDePines kDigito{7, 1, 2, 6};  // A, B, C, D
constexpr int kLT = 3;                       // lamp test, active-low
constexpr int kRBI = 5;                      // ripple-blanking input, active-low
constexpr int kRBO = 4;                      // ripple-blanking output
constexpr int kTierra = 8;
constexpr int kAlimentacion = 16;
constexpr std::array<int, 7> kPinesDeSegmento{13, 12, 11, 10, 9, 15, 14};  // a .. g

constexpr std::uint16_t Digitos(std::initializer_list<int> digitos) {
    std::uint16_t mascara = 0;
    for (int digito : digitos) mascara |= static_cast<std::uint16_t>(1u << digito);
    return mascara;
}

// Digits 10 to 14 are the data sheet's symbols and 15 is blank; the 7447 draws 6
// without its top and 9 without its bottom, the 74247 with both tails.
constexpr TablaDeSegmentos kSegmentos7447{
    Digitos({0, 2, 3, 5, 7, 8, 9, 13}),
    Digitos({0, 1, 2, 3, 4, 7, 8, 9, 12}),
    Digitos({0, 1, 3, 4, 5, 6, 7, 8, 9, 11}),
    Digitos({0, 2, 3, 5, 6, 8, 10, 11, 13, 14}),
    Digitos({0, 2, 6, 8, 10, 14}),
    Digitos({0, 4, 5, 6, 8, 9, 12, 14}),
    Digitos({2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14}),
};

constexpr TablaDeSegmentos kSegmentos74247{
    Digitos({0, 2, 3, 5, 6, 7, 8, 9, 13}),
    Digitos({0, 1, 2, 3, 4, 7, 8, 9, 12}),
    Digitos({0, 1, 3, 4, 5, 6, 7, 8, 9, 11}),
    Digitos({0, 2, 3, 5, 6, 8, 9, 10, 11, 13, 14}),
    Digitos({0, 2, 6, 8, 10, 14}),
    Digitos({0, 4, 5, 6, 8, 9, 12, 13, 14}),
    Digitos({2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14}),
};

}  // namespace

ChipDeSieteSegmentos::ChipDeSieteSegmentos(int codigoDeCatalogo, const TablaDeSegmentos& segmentos)
    : CircuitoElectronico(codigoDeCatalogo),
      segmentos(segmentos),
      bExcitaRBO(TiposDePines()[kRBO] == 'S') {}

bool ChipDeSieteSegmentos::Funcion(bool* valores) const {
    Salidas salidas(valores);
    const bool alimentado = Alimentado(valores, kTierra, kAlimentacion);
    const int digito = Numero(valores, kDigito);
    const bool pruebaDeLamparas = !valores[kLT];
    const bool apagado = !pruebaDeLamparas && digito == 0 && !valores[kRBI];
    for (std::size_t s = 0; s < kPinesDeSegmento.size(); ++s) {
        const bool encendido =
            pruebaDeLamparas || (!apagado && ((segmentos[s] >> digito) & 1) != 0);
        salidas.Pon(kPinesDeSegmento[s], alimentado && !encendido);
    }
    // Where pin 4 is an input, writing it would only make every evaluation look like
    // a change, as the hole refreshes it before the next one.
    if (bExcitaRBO) salidas.Pon(kRBO, alimentado && !apagado);
    return salidas.Cambiaron();
}

namespace {
constexpr ChipDeLaFamilia<TablaDeSegmentos> kDeSieteSegmentos[] = {
    {7047, kSegmentos7447},
    {7247, kSegmentos74247},
};
}  // namespace

std::unique_ptr<CircuitoElectronico> CreaDeSieteSegmentos(int codigoDeCatalogo) {
    return CreaDeLaFamilia<ChipDeSieteSegmentos>(kDeSieteSegmentos, codigoDeCatalogo);
}

}  // namespace velistra
