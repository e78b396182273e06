#include <array>

#include "chips/ChipsDeUnaFamilia.h"
#include "chips/Contadores.h"
#include "chips/GruposDeEntradas.h"
#include "chips/MecanismosSecuenciales.h"

namespace velistra {

// Next count for every count 0..15 in each direction. Each decade family leaves the
// unused states 10..15 its own way, so the tables spell them out.
struct SecuenciaDeCuenta {
    std::array<int, 16> arriba;
    std::array<int, 16> abajo;
    int maximo;  // the last count going up; going down it is 0
};

namespace {

constexpr SecuenciaDeCuenta Binaria() {
    SecuenciaDeCuenta secuencia{{}, {}, 15};
    for (int i = 0; i < 16; ++i) {
        secuencia.arriba[i] = (i + 1) % 16;
        secuencia.abajo[i] = (i + 15) % 16;
    }
    return secuencia;
}

constexpr SecuenciaDeCuenta kBinaria = Binaria();

// 74160, 74162 and 74168.
constexpr SecuenciaDeCuenta kDecadaConHabilitaciones{
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 11, 4, 13, 4, 15, 0},
    {9, 0, 1, 2, 3, 4, 5, 6, 7, 8, 1, 10, 3, 12, 5, 14},
    9};

// 74190 and 74192.
constexpr SecuenciaDeCuenta kDecadaReversible{{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 11, 6, 13, 4, 15, 2},
                                              {9, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14},
                                              9};

int Siguiente(const SecuenciaDeCuenta& secuencia, int cuenta, bool arriba) {
    return arriba ? secuencia.arriba[cuenta] : secuencia.abajo[cuenta];
}

bool EsTerminal(const SecuenciaDeCuenta& secuencia, int cuenta, bool arriba) {
    return cuenta == (arriba ? secuencia.maximo : 0);
}

}  // namespace

// ---- 74160 family ---------------------------------------------------------------------

namespace {
enum class Borrado { Ninguno, Asincrono, Sincrono };
}  // namespace

struct EsquemaConHabilitaciones {
    const SecuenciaDeCuenta& secuencia;
    bool reversible;  // pin 1 chooses the direction (1 = up) instead of clearing
    Borrado borrado;
    bool activasEnBajo;    // ENP, ENT and the ripple carry
    bool soloEnFlanco;     // outputs rewritten only by a rising clock edge
    bool acarreoSigueENT;  // the carry needs ENT active as well as the terminal count
};

namespace {

namespace con_habilitaciones {
constexpr int kBorrado = 1;
constexpr int kArriba = 1;
constexpr int kReloj = 2;
constexpr ListaDePines kDatos{3, 4, 5, 6};
constexpr int kENP = 7;
constexpr int kTierra = 8;
constexpr int kCarga = 9;
constexpr int kENT = 10;
constexpr ListaDePines kCuenta{14, 13, 12, 11};
constexpr int kAcarreo = 15;
constexpr int kAlimentacion = 16;
constexpr int kRelojAnterior = 17;
}  // namespace con_habilitaciones

constexpr EsquemaConHabilitaciones kEsquema74160{.secuencia = kDecadaConHabilitaciones,
                                                 .reversible = false,
                                                 .borrado = Borrado::Asincrono,
                                                 .activasEnBajo = false,
                                                 .soloEnFlanco = false,
                                                 .acarreoSigueENT = true};
constexpr EsquemaConHabilitaciones kEsquema74161{.secuencia = kBinaria,
                                                 .reversible = false,
                                                 .borrado = Borrado::Asincrono,
                                                 .activasEnBajo = false,
                                                 .soloEnFlanco = false,
                                                 .acarreoSigueENT = true};
constexpr EsquemaConHabilitaciones kEsquema74162{.secuencia = kDecadaConHabilitaciones,
                                                 .reversible = false,
                                                 .borrado = Borrado::Sincrono,
                                                 .activasEnBajo = false,
                                                 .soloEnFlanco = true,
                                                 .acarreoSigueENT = true};
constexpr EsquemaConHabilitaciones kEsquema74163{.secuencia = kBinaria,
                                                 .reversible = false,
                                                 .borrado = Borrado::Sincrono,
                                                 .activasEnBajo = false,
                                                 .soloEnFlanco = true,
                                                 .acarreoSigueENT = true};
constexpr EsquemaConHabilitaciones kEsquema74168{.secuencia = kDecadaConHabilitaciones,
                                                 .reversible = true,
                                                 .borrado = Borrado::Ninguno,
                                                 .activasEnBajo = true,
                                                 .soloEnFlanco = true,
                                                 .acarreoSigueENT = false};
constexpr EsquemaConHabilitaciones kEsquema74169{.secuencia = kBinaria,
                                                 .reversible = true,
                                                 .borrado = Borrado::Ninguno,
                                                 .activasEnBajo = true,
                                                 .soloEnFlanco = true,
                                                 .acarreoSigueENT = false};
constexpr EsquemaConHabilitaciones kEsquema74669{.secuencia = kBinaria,
                                                 .reversible = true,
                                                 .borrado = Borrado::Ninguno,
                                                 .activasEnBajo = true,
                                                 .soloEnFlanco = false,
                                                 .acarreoSigueENT = true};

}  // namespace

ContadorConHabilitaciones::ContadorConHabilitaciones(int codigoDeCatalogo,
                                                     const EsquemaConHabilitaciones& esquema)
    : CircuitoElectronico(codigoDeCatalogo), esquema(esquema) {}

bool ContadorConHabilitaciones::Funcion(bool* valores) const {
    using namespace con_habilitaciones;
    const InstantaneaDeSalidas salidas(*this, valores);
    const bool flanco = FlancoDeSubida(valores[kReloj], valores[kRelojAnterior]);
    if (!Alimentado(valores, kTierra, kAlimentacion)) {
        EscribeNumero(valores, kCuenta, 0);
        valores[kAcarreo] = false;
    } else if (flanco || !esquema.soloEnFlanco) {
        const auto activa = [&](int pin) { return valores[pin] != esquema.activasEnBajo; };
        const bool arriba = !esquema.reversible || valores[kArriba];
        const bool borra = esquema.borrado != Borrado::Ninguno && !valores[kBorrado];
        int cuenta = Numero(valores, kCuenta);
        if (borra && esquema.borrado == Borrado::Asincrono) {
            cuenta = 0;
        } else if (flanco) {
            if (borra)
                cuenta = 0;
            else if (!valores[kCarga])
                cuenta = Numero(valores, kDatos);
            else if (activa(kENP) && activa(kENT))
                cuenta = Siguiente(esquema.secuencia, cuenta, arriba);
        }
        EscribeNumero(valores, kCuenta, cuenta);
        const bool acarreo = EsTerminal(esquema.secuencia, cuenta, arriba) &&
                             (activa(kENT) || !esquema.acarreoSigueENT);
        valores[kAcarreo] = acarreo != esquema.activasEnBajo;
    }
    valores[kRelojAnterior] = valores[kReloj];
    return salidas.HayCambio(valores);
}

namespace {
constexpr ChipDeLaFamilia<EsquemaConHabilitaciones> kContadorConHabilitaciones[] = {
    {7160, kEsquema74160},
    {7161, kEsquema74161},
    {7162, kEsquema74162},
    {7163, kEsquema74163},
    {7168, kEsquema74168},
    {7169, kEsquema74169},
    {7669, kEsquema74669},
};
}  // namespace

std::unique_ptr<CircuitoElectronico> CreaContadorConHabilitaciones(int codigoDeCatalogo) {
    return CreaDeLaFamilia<ContadorConHabilitaciones>(kContadorConHabilitaciones, codigoDeCatalogo);
}

// ---- 74190 to 74193: shared pin-out of data and count ---------------------------------

namespace {

namespace reversibles {
constexpr ListaDePines kDatos{15, 1, 10, 9};
constexpr ListaDePines kCuenta{3, 2, 6, 7};
constexpr int kTierra = 8;
constexpr int kCarga = 11;
constexpr int kAlimentacion = 16;
}  // namespace reversibles

namespace carga_asincrona {
constexpr int kHabilitacion = 4;
constexpr int kAbajo = 5;
constexpr int kMaxMin = 12;
constexpr int kAcarreo = 13;
constexpr int kReloj = 14;
constexpr int kRelojAnterior = 17;
}  // namespace carga_asincrona

namespace dos_relojes {
constexpr int kBajar = 4;
constexpr int kSubir = 5;
constexpr int kAcarreo = 12;
constexpr int kPrestamo = 13;
constexpr int kBorrado = 14;
constexpr int kBajarAnterior = 17;
constexpr int kSubirAnterior = 18;
}  // namespace dos_relojes

}  // namespace

ContadorDeCargaAsincrona::ContadorDeCargaAsincrona(int codigoDeCatalogo,
                                                   const SecuenciaDeCuenta& secuencia)
    : CircuitoElectronico(codigoDeCatalogo), secuencia(secuencia) {}

bool ContadorDeCargaAsincrona::Funcion(bool* valores) const {
    using namespace reversibles;
    using namespace carga_asincrona;
    const InstantaneaDeSalidas salidas(*this, valores);
    if (!Alimentado(valores, kTierra, kAlimentacion)) {
        EscribeNumero(valores, kCuenta, 0);
    } else {
        const bool arriba = !valores[kAbajo];
        const bool habilitado = !valores[kHabilitacion];
        int cuenta = Numero(valores, kCuenta);
        if (!valores[kCarga]) {
            cuenta = Numero(valores, kDatos);
        } else if (habilitado && FlancoDeSubida(valores[kReloj], valores[kRelojAnterior])) {
            cuenta = Siguiente(secuencia, cuenta, arriba);
        }
        EscribeNumero(valores, kCuenta, cuenta);
        valores[kMaxMin] = EsTerminal(secuencia, cuenta, arriba);
        // The ripple clock follows the clock while enabled at the terminal count.
        valores[kAcarreo] = !habilitado || !valores[kMaxMin] || valores[kReloj];
    }
    valores[kRelojAnterior] = valores[kReloj];
    return salidas.HayCambio(valores);
}

void ContadorDeCargaAsincrona::EstadoInicial(bool* valores) const {
    // A clock already high at switch-on must not count.
    valores[carga_asincrona::kRelojAnterior] = true;
}

namespace {
constexpr ChipDeLaFamilia<SecuenciaDeCuenta> kContadorDeCargaAsincrona[] = {
    {7190, kDecadaReversible},
    {7191, kBinaria},
};
}  // namespace

std::unique_ptr<CircuitoElectronico> CreaContadorDeCargaAsincrona(int codigoDeCatalogo) {
    return CreaDeLaFamilia<ContadorDeCargaAsincrona>(kContadorDeCargaAsincrona, codigoDeCatalogo);
}

ContadorDeDosRelojes::ContadorDeDosRelojes(int codigoDeCatalogo, const SecuenciaDeCuenta& secuencia)
    : CircuitoElectronico(codigoDeCatalogo), secuencia(secuencia) {}

bool ContadorDeDosRelojes::Funcion(bool* valores) const {
    using namespace reversibles;
    using namespace dos_relojes;
    const InstantaneaDeSalidas salidas(*this, valores);
    if (!Alimentado(valores, kTierra, kAlimentacion)) {
        EscribeNumero(valores, kCuenta, 0);
        valores[kAcarreo] = false;
        valores[kPrestamo] = false;
    } else {
        int cuenta = Numero(valores, kCuenta);
        if (valores[kBorrado]) {
            cuenta = 0;
        } else if (!valores[kCarga]) {
            cuenta = Numero(valores, kDatos);
        } else {
            if (FlancoDeSubida(valores[kSubir], valores[kSubirAnterior]))
                cuenta = Siguiente(secuencia, cuenta, true);
            if (FlancoDeSubida(valores[kBajar], valores[kBajarAnterior]))
                cuenta = Siguiente(secuencia, cuenta, false);
        }
        EscribeNumero(valores, kCuenta, cuenta);
        valores[kAcarreo] = !(!valores[kSubir] && EsTerminal(secuencia, cuenta, true));
        valores[kPrestamo] = !(!valores[kBajar] && EsTerminal(secuencia, cuenta, false));
    }
    valores[kBajarAnterior] = valores[kBajar];
    valores[kSubirAnterior] = valores[kSubir];
    return salidas.HayCambio(valores);
}

namespace {
constexpr ChipDeLaFamilia<SecuenciaDeCuenta> kContadorDeDosRelojes[] = {
    {7192, kDecadaReversible},
    {7193, kBinaria},
};
}  // namespace

std::unique_ptr<CircuitoElectronico> CreaContadorDeDosRelojes(int codigoDeCatalogo) {
    return CreaDeLaFamilia<ContadorDeDosRelojes>(kContadorDeDosRelojes, codigoDeCatalogo);
}

}  // namespace velistra
