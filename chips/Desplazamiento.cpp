#include "chips/Contadores.h"
#include "chips/GruposDeEntradas.h"
#include "chips/MecanismosSecuenciales.h"

namespace velistra {

namespace {

// Entries 18 .. 25 hold stages A .. H of the 74165 and 74166: H is the only visible one.
constexpr ListaDePines kEtapasOcultas{18, 19, 20, 21, 22, 23, 24, 25};
constexpr int kEtapaH = 25;

namespace r7495 {
constexpr int kSerie = 1;
constexpr ListaDePines kDatos{2, 3, 4, 5};
constexpr int kModo = 6;  // 1: parallel load on clock 2
constexpr int kTierra = 7;
constexpr int kRelojDeCarga = 8;
constexpr int kRelojDeDesplazamiento = 9;
constexpr ListaDePines kEtapas{13, 12, 11, 10};  // QA .. QD
constexpr int kAlimentacion = 14;
constexpr int kRelojAnterior = 15;
}  // namespace r7495

namespace r74164 {
constexpr int kA = 1;
constexpr int kB = 2;
constexpr ListaDePines kEtapas{3, 4, 5, 6, 10, 11, 12, 13};  // QA .. QH
constexpr int kTierra = 7;
constexpr int kReloj = 8;
constexpr int kBorrado = 9;
constexpr int kAlimentacion = 14;
constexpr int kRelojAnterior = 15;
}  // namespace r74164

namespace r74165 {
constexpr int kDesplazaOCarga = 1;  // 0: load
constexpr int kReloj = 2;
constexpr int kQHNegada = 7;
constexpr int kTierra = 8;
constexpr int kQH = 9;
constexpr int kSerie = 10;
constexpr ListaDePines kDatos{11, 12, 13, 14, 3, 4, 5, 6};  // A .. H
constexpr int kInhibicion = 15;
constexpr int kAlimentacion = 16;
constexpr int kRelojAnterior = 17;
}  // namespace r74165

namespace r74166 {
constexpr int kSerie = 1;
constexpr ListaDePines kDatos{2, 3, 4, 5, 10, 11, 12, 14};  // A .. H
constexpr int kInhibicion = 6;
constexpr int kReloj = 7;
constexpr int kTierra = 8;
constexpr int kBorrado = 9;
constexpr int kQH = 13;
constexpr int kDesplazaOCarga = 15;  // 0: load
constexpr int kAlimentacion = 16;
constexpr int kRelojAnterior = 17;
}  // namespace r74166

namespace r74194 {
constexpr int kBorrado = 1;
constexpr int kSerieDerecha = 2;
constexpr ListaDePines kDatos{3, 4, 5, 6};
constexpr int kSerieIzquierda = 7;
constexpr int kTierra = 8;
constexpr int kS0 = 9;
constexpr int kS1 = 10;
constexpr int kReloj = 11;
constexpr ListaDePines kHaciaLaDerecha{15, 14, 13, 12};  // QA .. QD
constexpr ListaDePines kHaciaLaIzquierda{12, 13, 14, 15};
constexpr int kAlimentacion = 16;
constexpr int kRelojAnterior = 17;
}  // namespace r74194

namespace r74195 {
constexpr int kBorrado = 1;
constexpr int kJ = 2;
constexpr int kKNegada = 3;
constexpr ListaDePines kDatos{4, 5, 6, 7};
constexpr int kTierra = 8;
constexpr int kDesplazaOCarga = 9;  // 0: load
constexpr int kReloj = 10;
constexpr int kQDNegada = 11;
constexpr int kQD = 12;
constexpr int kQA = 15;
constexpr ListaDePines kEtapas{15, 14, 13, 12};  // QA .. QD
constexpr int kAlimentacion = 16;
constexpr int kRelojAnterior = 17;
}  // namespace r74195

}  // namespace

Chip7495::Chip7495() : CircuitoElectronico(7095) {}

bool Chip7495::Funcion(bool* valores) const {
    using namespace r7495;
    const InstantaneaDeSalidas salidas(*this, valores);
    // The mode picks the clock, so changing it while the clocks differ is itself an edge.
    const bool carga = valores[kModo];
    const int reloj = carga ? kRelojDeCarga : kRelojDeDesplazamiento;
    if (!Alimentado(valores, kTierra, kAlimentacion)) {
        EscribeNumero(valores, kEtapas, 0);
    } else if (FlancoDeBajada(valores[reloj], valores[kRelojAnterior])) {
        if (carga)
            Copia(valores, kEtapas, kDatos);
        else
            Desplaza(valores, kEtapas, valores[kSerie]);
    }
    valores[kRelojAnterior] = valores[reloj];
    return salidas.HayCambio(valores);
}

Chip74164::Chip74164() : CircuitoElectronico(7164) {}

bool Chip74164::Funcion(bool* valores) const {
    using namespace r74164;
    const InstantaneaDeSalidas salidas(*this, valores);
    if (!Alimentado(valores, kTierra, kAlimentacion) || !valores[kBorrado]) {
        EscribeNumero(valores, kEtapas, 0);
    } else if (FlancoDeSubida(valores[kReloj], valores[kRelojAnterior])) {
        Desplaza(valores, kEtapas, valores[kA] && valores[kB]);
    }
    valores[kRelojAnterior] = valores[kReloj];
    return salidas.HayCambio(valores);
}

Chip74165::Chip74165() : CircuitoElectronico(7165) {}

bool Chip74165::Funcion(bool* valores) const {
    using namespace r74165;
    const InstantaneaDeSalidas salidas(*this, valores);
    // Clock and inhibit are interchangeable. Loading does not gate the clock: ending a
    // load while the clock is high must not shift the freshly loaded H out.
    const bool reloj = valores[kReloj] || valores[kInhibicion];
    if (!Alimentado(valores, kTierra, kAlimentacion)) {
        valores[kQH] = false;
        valores[kQHNegada] = false;
    } else {
        if (!valores[kDesplazaOCarga])
            Copia(valores, kEtapasOcultas, kDatos);
        else if (FlancoDeSubida(reloj, valores[kRelojAnterior]))
            Desplaza(valores, kEtapasOcultas, valores[kSerie]);
        valores[kQH] = valores[kEtapaH];
        valores[kQHNegada] = !valores[kEtapaH];
    }
    valores[kRelojAnterior] = reloj;
    return salidas.HayCambio(valores);
}

Chip74166::Chip74166() : CircuitoElectronico(7166) {}

bool Chip74166::Funcion(bool* valores) const {
    using namespace r74166;
    const InstantaneaDeSalidas salidas(*this, valores);
    if (!Alimentado(valores, kTierra, kAlimentacion)) {
        EscribeNumero(valores, kEtapasOcultas, 0);
        valores[kRelojAnterior] = false;
    } else {
        if (!valores[kBorrado]) {
            EscribeNumero(valores, kEtapasOcultas, 0);
        } else if (!valores[kInhibicion] &&
                   FlancoDeSubida(valores[kReloj], valores[kRelojAnterior])) {
            if (valores[kDesplazaOCarga])
                Desplaza(valores, kEtapasOcultas, valores[kSerie]);
            else
                Copia(valores, kEtapasOcultas, kDatos);
        }
        valores[kRelojAnterior] = valores[kReloj];
    }
    valores[kQH] = valores[kEtapaH];
    return salidas.HayCambio(valores);
}

Chip74194::Chip74194() : CircuitoElectronico(7194) {}

bool Chip74194::Funcion(bool* valores) const {
    using namespace r74194;
    const InstantaneaDeSalidas salidas(*this, valores);
    if (Alimentado(valores, kTierra, kAlimentacion)) {
        if (!valores[kBorrado]) {
            EscribeNumero(valores, kHaciaLaDerecha, 0);
        } else if (FlancoDeSubida(valores[kReloj], valores[kRelojAnterior])) {
            const bool s0 = valores[kS0];
            const bool s1 = valores[kS1];
            if (s1 && s0)
                Copia(valores, kHaciaLaDerecha, kDatos);
            else if (s0)
                Desplaza(valores, kHaciaLaDerecha, valores[kSerieDerecha]);
            else if (s1)
                Desplaza(valores, kHaciaLaIzquierda, valores[kSerieIzquierda]);
        }
    }
    valores[kRelojAnterior] = valores[kReloj];
    return salidas.HayCambio(valores);
}

void Chip74194::EstadoInicial(bool* valores) const {
    // A clock already high at switch-on must not shift.
    valores[r74194::kRelojAnterior] = true;
}

Chip74195::Chip74195() : CircuitoElectronico(7195) {}

bool Chip74195::Funcion(bool* valores) const {
    using namespace r74195;
    const InstantaneaDeSalidas salidas(*this, valores);
    if (!Alimentado(valores, kTierra, kAlimentacion)) {
        EscribeNumero(valores, kEtapas, 0);
        valores[kQDNegada] = false;
    } else {
        if (!valores[kBorrado]) {
            EscribeNumero(valores, kEtapas, 0);
        } else if (FlancoDeSubida(valores[kReloj], valores[kRelojAnterior])) {
            if (valores[kDesplazaOCarga]) {
                const bool qa = valores[kQA];
                Desplaza(valores, kEtapas, (valores[kJ] && !qa) || (valores[kKNegada] && qa));
            } else {
                Copia(valores, kEtapas, kDatos);
            }
        }
        valores[kQDNegada] = !valores[kQD];
    }
    valores[kRelojAnterior] = valores[kReloj];
    return salidas.HayCambio(valores);
}

}  // namespace velistra
