#include "chips/Contadores.h"
#include "chips/GruposDeEntradas.h"
#include "chips/MecanismosSecuenciales.h"

namespace velistra {

namespace {
constexpr ListaDePines kDatos{15, 1, 2, 3};    // D1 .. D4
constexpr ListaDePines kLectura{5, 4};         // RA, RB
constexpr ListaDePines kSalidas{10, 9, 7, 6};  // Q1 .. Q4
constexpr int kTierra = 8;
constexpr int kHabilitaLectura = 11;        // active-low
constexpr int kHabilitaEscritura = 12;      // active-low
constexpr ListaDePines kEscritura{14, 13};  // WA, WB
constexpr int kAlimentacion = 16;
constexpr int kPrimeraPalabra = 17;  // word w: entries 17 + 4w .. 20 + 4w
constexpr int kBitsPorPalabra = 4;

ListaDePines Palabra(int numero) {
    const int primera = kPrimeraPalabra + kBitsPorPalabra * numero;
    return {primera, primera + 1, primera + 2, primera + 3};
}
}  // namespace

Chip74170::Chip74170() : CircuitoElectronico(7170) {}

bool Chip74170::Funcion(bool* valores) const {
    const InstantaneaDeSalidas salidas(*this, valores);
    if (Alimentado(valores, kTierra, kAlimentacion)) {
        // Written first, so a word written and read at once reads back the new data.
        if (!valores[kHabilitaEscritura])
            Copia(valores, Palabra(Numero(valores, kEscritura)), kDatos);
        if (!valores[kHabilitaLectura])
            Copia(valores, kSalidas, Palabra(Numero(valores, kLectura)));
    }
    return salidas.HayCambio(valores);
}

}  // namespace velistra
