#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "chips/Contadores.h"
#include "tests/chips/BancoDeContadores.h"

namespace velistra {
namespace {

using banco::ChipEnBanco;
using banco::LeeCuenta;
using banco::Pines;
using banco::PonNumero;
using banco::PulsoDeSubida;

using Tabla = std::array<int, 16>;

// Next count from the data sheets, the unused decade states included.
constexpr Tabla kBinariaArriba{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0};
constexpr Tabla kBinariaAbajo{15, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
constexpr Tabla kDecada160Arriba{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 11, 4, 13, 4, 15, 0};
constexpr Tabla kDecada168Abajo{9, 0, 1, 2, 3, 4, 5, 6, 7, 8, 1, 10, 3, 12, 5, 14};
constexpr Tabla kDecada190Arriba{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 11, 6, 13, 4, 15, 2};
constexpr Tabla kDecada190Abajo{9, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};

// ---- 74160 pin-out: 74160, 74161, 74162, 74163, 74168, 74169, 74669 -------------------

constexpr int kPin1 = 1;  // clear, or up/down on the 74168 family
constexpr int kReloj = 2;
const Pines kDatos{3, 4, 5, 6};
constexpr int kENP = 7;
constexpr int kTierra = 8;
constexpr int kCarga = 9;
constexpr int kENT = 10;
const Pines kCuenta{14, 13, 12, 11};
constexpr int kRCO = 15;
constexpr int kAlimentacion = 16;

struct ConHabilitaciones {
    const char* nombre;
    const CircuitoElectronico* chip;
    const Tabla* arriba;
    const Tabla* abajo;  // null: counts only up
    int maximo;
    bool borradoSincrono;
    bool soloEnFlanco;
    bool activasEnBajo;
    bool acarreoSigueENT;
};

// clang-format off
const ConHabilitaciones kConHabilitaciones[] = {
    {"c74160", &ci74160, &kDecada160Arriba, nullptr, 9, false, false, false, true},
    {"c74161", &ci74161, &kBinariaArriba, nullptr, 15, false, false, false, true},
    {"c74162", &ci74162, &kDecada160Arriba, nullptr, 9, true, true, false, true},
    {"c74163", &ci74163, &kBinariaArriba, nullptr, 15, true, true, false, true},
    // Pin 1 chooses the direction on the rest: they have no clear.
    {"c74168", &ci74168, &kDecada160Arriba, &kDecada168Abajo, 9, false, true, true, false},
    {"c74169", &ci74169, &kBinariaArriba, &kBinariaAbajo, 15, false, true, true, false},
    {"c74669", &ci74669, &kBinariaArriba, &kBinariaAbajo, 15, false, false, true, true},
};
// clang-format on
constexpr int kConBorrado = 4;

class ContadorConHabilitaciones : public testing::TestWithParam<ConHabilitaciones> {
protected:
    bool Activa() const { return !GetParam().activasEnBajo; }
    bool RCO(const ChipEnBanco& chip) const { return chip.Nivel(kRCO) != GetParam().activasEnBajo; }
    bool Reversible() const { return GetParam().abajo != nullptr; }

    // Powered, counting up, enabled, not loading, clock low, count 0.
    ChipEnBanco Preparado() const {
        ChipEnBanco chip(*GetParam().chip);
        chip.Pon(kReloj, false);
        chip.Pon(kENP, Activa());
        chip.Pon(kENT, Activa());
        Carga(chip, 0);
        return chip;
    }

    // A synchronous load through one clock edge.
    void Carga(ChipEnBanco& chip, int n) const {
        PonNumero(chip, kDatos, n);
        chip.Pon(kCarga, false);
        PulsoDeSubida(chip, kReloj);
        chip.Pon(kCarga, true);
        chip.Pon(kReloj, false);
        chip.Evalua();
    }
};

TEST_P(ContadorConHabilitaciones, RecorreSuSecuenciaYDaElAcarreoEnLaCuentaFinal) {
    const ConHabilitaciones& fila = GetParam();
    ChipEnBanco chip = Preparado();
    ASSERT_EQ(LeeCuenta(chip, kCuenta), 0);
    int esperada = 0;
    for (int i = 1; i <= 40; ++i) {
        SCOPED_TRACE(i);
        esperada = (*fila.arriba)[esperada];
        EXPECT_TRUE(PulsoDeSubida(chip, kReloj));
        EXPECT_EQ(LeeCuenta(chip, kCuenta), esperada);
        EXPECT_EQ(RCO(chip), esperada == fila.maximo);
        chip.Pon(kReloj, false);
        EXPECT_FALSE(chip.Evalua()) << "el flanco de bajada no cuenta";
    }
    if (!Reversible()) return;
    chip.Pon(kPin1, false);  // down
    for (int i = 1; i <= 40; ++i) {
        SCOPED_TRACE(i);
        esperada = (*fila.abajo)[esperada];
        PulsoDeSubida(chip, kReloj);
        EXPECT_EQ(LeeCuenta(chip, kCuenta), esperada);
        EXPECT_EQ(RCO(chip), esperada == 0);
    }
}

TEST_P(ContadorConHabilitaciones, LosEstadosNoUsadosSiguenSuTabla) {
    const ConHabilitaciones& fila = GetParam();
    for (int sentido = 0; sentido < (Reversible() ? 2 : 1); ++sentido) {
        const Tabla& tabla = sentido == 0 ? *fila.arriba : *fila.abajo;
        for (int n = 0; n < 16; ++n) {
            ChipEnBanco chip = Preparado();
            if (Reversible()) chip.Pon(kPin1, sentido == 0);
            Carga(chip, n);
            ASSERT_EQ(LeeCuenta(chip, kCuenta), n);
            PulsoDeSubida(chip, kReloj);
            EXPECT_EQ(LeeCuenta(chip, kCuenta), tabla[n])
                << "desde " << n << " sentido " << sentido;
        }
    }
}

TEST_P(ContadorConHabilitaciones, LaCargaEsSincronaYPrefiereAContar) {
    ChipEnBanco chip = Preparado();
    PonNumero(chip, kDatos, 7);
    chip.Pon(kCarga, false);
    EXPECT_FALSE(chip.Evalua()) << "sin flanco no carga";
    EXPECT_EQ(LeeCuenta(chip, kCuenta), 0);
    EXPECT_TRUE(PulsoDeSubida(chip, kReloj));
    EXPECT_EQ(LeeCuenta(chip, kCuenta), 7);
    PulsoDeSubida(chip, kReloj);
    EXPECT_EQ(LeeCuenta(chip, kCuenta), 7) << "cargando no cuenta";
}

TEST_P(ContadorConHabilitaciones, SinAmbasHabilitacionesNoCuenta) {
    const ConHabilitaciones& fila = GetParam();
    ChipEnBanco chip = Preparado();
    Carga(chip, fila.maximo);
    ASSERT_TRUE(RCO(chip));

    chip.Pon(kENP, !Activa());
    PulsoDeSubida(chip, kReloj);
    EXPECT_EQ(LeeCuenta(chip, kCuenta), fila.maximo);
    EXPECT_TRUE(RCO(chip)) << "ENP no toca el acarreo";

    chip.Pon(kENP, Activa());
    chip.Pon(kENT, !Activa());
    chip.Pon(kReloj, false);
    chip.Evalua();
    if (fila.soloEnFlanco)
        EXPECT_TRUE(RCO(chip)) << "el acarreo solo se reescribe en el flanco";
    else
        EXPECT_EQ(RCO(chip), !fila.acarreoSigueENT);
    PulsoDeSubida(chip, kReloj);
    EXPECT_EQ(LeeCuenta(chip, kCuenta), fila.maximo);
    EXPECT_EQ(RCO(chip), !fila.acarreoSigueENT);
}

class ContadorConBorrado : public ContadorConHabilitaciones {};

TEST_P(ContadorConBorrado, ElBorradoEsAsincronoOSincronoSegunElChip) {
    const ConHabilitaciones& fila = GetParam();
    ChipEnBanco chip = Preparado();
    Carga(chip, 5);
    PonNumero(chip, kDatos, 3);
    chip.Pon(kCarga, false);
    chip.Pon(kPin1, false);
    chip.Evalua();
    EXPECT_EQ(LeeCuenta(chip, kCuenta), fila.borradoSincrono ? 5 : 0);
    PulsoDeSubida(chip, kReloj);
    EXPECT_EQ(LeeCuenta(chip, kCuenta), 0) << "el borrado gana a la carga";
    chip.Pon(kPin1, true);
    chip.Pon(kCarga, true);
    PulsoDeSubida(chip, kReloj);
    EXPECT_EQ(LeeCuenta(chip, kCuenta), 1);
}

TEST_P(ContadorConHabilitaciones, SinTensionLasSalidasCaenYElFlancoSePierde) {
    ChipEnBanco chip = Preparado();
    Carga(chip, 6);
    chip.Pon(kTierra, true);
    EXPECT_TRUE(chip.Evalua());
    EXPECT_EQ(LeeCuenta(chip, kCuenta), 0);
    EXPECT_FALSE(chip.Nivel(kRCO));
    chip.Pon(kReloj, true);
    chip.Evalua();
    chip.Pon(kTierra, false);
    chip.Evalua();
    EXPECT_EQ(LeeCuenta(chip, kCuenta), 0);
    PulsoDeSubida(chip, kReloj);
    EXPECT_EQ(LeeCuenta(chip, kCuenta), 1);
}

std::string Nombre(const testing::TestParamInfo<ConHabilitaciones>& info) {
    return info.param.nombre;
}

INSTANTIATE_TEST_SUITE_P(ContadoresSincronos, ContadorConHabilitaciones,
                         testing::ValuesIn(kConHabilitaciones), Nombre);
INSTANTIATE_TEST_SUITE_P(ContadoresSincronos, ContadorConBorrado,
                         testing::ValuesIn(kConHabilitaciones, kConHabilitaciones + kConBorrado),
                         Nombre);

TEST(ContadoresSincronos, El74669DaAcarreoAltoMientrasENTNoHabilita) {
    ChipEnBanco chip(ci74669);
    for (int pin : {kReloj, kENP, kENT}) chip.Pon(pin, false);
    PonNumero(chip, kDatos, 15);
    chip.Pon(kCarga, false);
    PulsoDeSubida(chip, kReloj);
    EXPECT_FALSE(chip.Nivel(kRCO));
    chip.Pon(kENT, true);
    EXPECT_TRUE(chip.Evalua());
    EXPECT_TRUE(chip.Nivel(kRCO)) << "sigue a ENT sin flanco";
}

TEST(ContadoresSincronos, El74161EnQuinceDaAcarreoYElSiguienteFlancoLoQuita) {
    ChipEnBanco chip(ci74161);
    chip.Pon(kReloj, false);
    PonNumero(chip, kDatos, 15);
    chip.Pon(kCarga, false);
    PulsoDeSubida(chip, kReloj);
    chip.Pon(kCarga, true);
    EXPECT_TRUE(chip.Nivel(kRCO));
    PulsoDeSubida(chip, kReloj);
    EXPECT_EQ(LeeCuenta(chip, kCuenta), 0);
    EXPECT_FALSE(chip.Nivel(kRCO));
}

// ---- 74190 to 74193: data A 15, B 1, C 10, D 9; QA 3, QB 2, QC 6, QD 7; load 11 -----

const Pines kDatosReversibles{15, 1, 10, 9};
const Pines kCuentaReversible{3, 2, 6, 7};
constexpr int kCargaReversible = 11;

void CargaAsincrona(ChipEnBanco& chip, int n) {
    PonNumero(chip, kDatosReversibles, n);
    chip.Pon(kCargaReversible, false);
    chip.Evalua();
    chip.Pon(kCargaReversible, true);
    chip.Evalua();
}

struct UnReloj {
    const char* nombre;
    const CircuitoElectronico* chip;
    const Tabla* arriba;
    const Tabla* abajo;
    int maximo;
};

class ContadorDeCargaAsincrona : public testing::TestWithParam<UnReloj> {
protected:
    static constexpr int kHabilitacion = 4;
    static constexpr int kAbajo = 5;
    static constexpr int kMaxMin = 12;
    static constexpr int kRCOBajo = 13;
    static constexpr int kRelojPin = 14;

    ChipEnBanco Preparado() const {
        ChipEnBanco chip(*GetParam().chip);
        chip.Pon(8, false);
        chip.Pon(16, true);  // the 74191 types them as inputs
        chip.Pon(kHabilitacion, false);
        chip.Pon(kAbajo, false);
        chip.Pon(kRelojPin, false);
        CargaAsincrona(chip, 0);
        return chip;
    }
};

TEST_P(ContadorDeCargaAsincrona, CuentaArribaYAbajoConMaxMinYRelojDeAcarreo) {
    const UnReloj& fila = GetParam();
    ChipEnBanco chip = Preparado();
    int esperada = 0;
    for (bool abajo : {false, true}) {
        chip.Pon(kAbajo, abajo);
        for (int i = 1; i <= 30; ++i) {
            SCOPED_TRACE(i);
            esperada = abajo ? (*fila.abajo)[esperada] : (*fila.arriba)[esperada];
            PulsoDeSubida(chip, kRelojPin);
            ASSERT_EQ(LeeCuenta(chip, kCuentaReversible), esperada);
            const bool terminal = esperada == (abajo ? 0 : fila.maximo);
            EXPECT_EQ(chip.Nivel(kMaxMin), terminal);
            EXPECT_TRUE(chip.Nivel(kRCOBajo)) << "con el reloj alto el acarreo no baja";
            chip.Pon(kRelojPin, false);
            chip.Evalua();
            EXPECT_EQ(chip.Nivel(kRCOBajo), !terminal) << "con el reloj bajo sigue al reloj";
        }
    }
}

TEST_P(ContadorDeCargaAsincrona, LosEstadosNoUsadosSiguenSuTabla) {
    const UnReloj& fila = GetParam();
    for (bool abajo : {false, true}) {
        for (int n = 0; n < 16; ++n) {
            ChipEnBanco chip = Preparado();
            chip.Pon(kAbajo, abajo);
            CargaAsincrona(chip, n);
            PulsoDeSubida(chip, kRelojPin);
            EXPECT_EQ(LeeCuenta(chip, kCuentaReversible),
                      abajo ? (*fila.abajo)[n] : (*fila.arriba)[n])
                << "desde " << n << (abajo ? " abajo" : " arriba");
        }
    }
}

TEST_P(ContadorDeCargaAsincrona, CargaSinRelojYLaHabilitacionDetieneLaCuenta) {
    const UnReloj& fila = GetParam();
    ChipEnBanco chip = Preparado();
    PonNumero(chip, kDatosReversibles, 6);
    chip.Pon(kCargaReversible, false);
    EXPECT_TRUE(chip.Evalua());
    EXPECT_EQ(LeeCuenta(chip, kCuentaReversible), 6);
    PulsoDeSubida(chip, kRelojPin);
    EXPECT_EQ(LeeCuenta(chip, kCuentaReversible), 6) << "mientras carga no cuenta";
    chip.Pon(kCargaReversible, true);
    chip.Pon(kHabilitacion, true);
    PulsoDeSubida(chip, kRelojPin);
    EXPECT_EQ(LeeCuenta(chip, kCuentaReversible), 6);

    CargaAsincrona(chip, fila.maximo);
    chip.Pon(kRelojPin, false);
    chip.Evalua();
    EXPECT_TRUE(chip.Nivel(kMaxMin));
    EXPECT_TRUE(chip.Nivel(kRCOBajo)) << "inhabilitado, el acarreo no baja";
    chip.Pon(kHabilitacion, false);
    EXPECT_TRUE(chip.Evalua());
    EXPECT_FALSE(chip.Nivel(kRCOBajo));
}

TEST_P(ContadorDeCargaAsincrona, UnRelojYaAltoAlEncenderNoCuenta) {
    ChipEnBanco chip(*GetParam().chip);  // EstadoInicial, every input high
    chip.Pon(8, false);
    chip.Pon(kHabilitacion, false);
    chip.Pon(kAbajo, false);
    chip.Evalua();
    EXPECT_EQ(LeeCuenta(chip, kCuentaReversible), 0);
    chip.Pon(kRelojPin, false);
    chip.Evalua();
    chip.Pon(kRelojPin, true);
    chip.Evalua();
    EXPECT_EQ(LeeCuenta(chip, kCuentaReversible), 1);
}

TEST_P(ContadorDeCargaAsincrona, SinTensionLaCuentaCaeYMaxMinYAcarreoSeMantienen) {
    ChipEnBanco chip = Preparado();
    CargaAsincrona(chip, GetParam().maximo);  // enabled at the top with the clock low
    ASSERT_TRUE(chip.Nivel(kMaxMin));
    ASSERT_FALSE(chip.Nivel(kRCOBajo));
    chip.Pon(8, true);
    EXPECT_TRUE(chip.Evalua());
    EXPECT_EQ(LeeCuenta(chip, kCuentaReversible), 0);
    EXPECT_TRUE(chip.Nivel(kMaxMin));
    EXPECT_FALSE(chip.Nivel(kRCOBajo));
}

INSTANTIATE_TEST_SUITE_P(
    ContadoresSincronos, ContadorDeCargaAsincrona,
    testing::Values(UnReloj{"c74190", &ci74190, &kDecada190Arriba, &kDecada190Abajo, 9},
                    UnReloj{"c74191", &ci74191, &kBinariaArriba, &kBinariaAbajo, 15}),
    [](const auto& info) { return std::string(info.param.nombre); });

class ContadorDeDosRelojes : public testing::TestWithParam<UnReloj> {
protected:
    static constexpr int kBajar = 4;
    static constexpr int kSubir = 5;
    static constexpr int kAcarreoBajo = 12;
    static constexpr int kPrestamoBajo = 13;
    static constexpr int kBorrado = 14;

    ChipEnBanco Preparado() const {
        ChipEnBanco chip(*GetParam().chip);
        chip.Pon(kBorrado, false);
        CargaAsincrona(chip, 0);
        return chip;
    }
};

TEST_P(ContadorDeDosRelojes, CuentaConCadaRelojYAvisaEnLosExtremos) {
    const UnReloj& fila = GetParam();
    ChipEnBanco chip = Preparado();
    // Each clock rests high and counts when it comes back up; carry and borrow go low
    // only during the low half of the pulse at the end of the range.
    int esperada = 0;
    for (int i = 1; i <= 30; ++i) {
        SCOPED_TRACE(i);
        chip.Pon(kSubir, false);
        chip.Evalua();
        EXPECT_EQ(chip.Nivel(kAcarreoBajo), esperada != fila.maximo);
        EXPECT_TRUE(chip.Nivel(kPrestamoBajo));
        chip.Pon(kSubir, true);
        EXPECT_TRUE(chip.Evalua());
        esperada = (*fila.arriba)[esperada];
        ASSERT_EQ(LeeCuenta(chip, kCuentaReversible), esperada);
        EXPECT_TRUE(chip.Nivel(kAcarreoBajo));
    }
    for (int i = 1; i <= 30; ++i) {
        SCOPED_TRACE(i);
        chip.Pon(kBajar, false);
        chip.Evalua();
        EXPECT_EQ(chip.Nivel(kPrestamoBajo), esperada != 0);
        EXPECT_TRUE(chip.Nivel(kAcarreoBajo));
        chip.Pon(kBajar, true);
        EXPECT_TRUE(chip.Evalua());
        esperada = (*fila.abajo)[esperada];
        ASSERT_EQ(LeeCuenta(chip, kCuentaReversible), esperada);
        EXPECT_TRUE(chip.Nivel(kPrestamoBajo));
    }
}

TEST_P(ContadorDeDosRelojes, LosEstadosNoUsadosYLosDosFlancosALaVez) {
    const UnReloj& fila = GetParam();
    for (int n = 0; n < 16; ++n) {
        ChipEnBanco chip = Preparado();
        CargaAsincrona(chip, n);
        PulsoDeSubida(chip, kSubir);
        EXPECT_EQ(LeeCuenta(chip, kCuentaReversible), (*fila.arriba)[n]) << "subiendo desde " << n;
        CargaAsincrona(chip, n);
        PulsoDeSubida(chip, kBajar);
        EXPECT_EQ(LeeCuenta(chip, kCuentaReversible), (*fila.abajo)[n]) << "bajando desde " << n;

        // Both clocks rise in one evaluation: up first, then down.
        CargaAsincrona(chip, n);
        chip.Pon(kSubir, false);
        chip.Pon(kBajar, false);
        chip.Evalua();
        chip.Pon(kSubir, true);
        chip.Pon(kBajar, true);
        chip.Evalua();
        EXPECT_EQ(LeeCuenta(chip, kCuentaReversible), (*fila.abajo)[(*fila.arriba)[n]]) << n;
    }
}

TEST_P(ContadorDeDosRelojes, BorradoYCargaSonAsincronosYElBorradoManda) {
    ChipEnBanco chip = Preparado();
    PonNumero(chip, kDatosReversibles, 7);
    chip.Pon(kCargaReversible, false);
    EXPECT_TRUE(chip.Evalua());
    EXPECT_EQ(LeeCuenta(chip, kCuentaReversible), 7);
    PulsoDeSubida(chip, kSubir);
    EXPECT_EQ(LeeCuenta(chip, kCuentaReversible), 7);
    chip.Pon(kBorrado, true);
    EXPECT_TRUE(chip.Evalua());
    EXPECT_EQ(LeeCuenta(chip, kCuentaReversible), 0);
    chip.Pon(kCargaReversible, true);
    PulsoDeSubida(chip, kSubir);
    EXPECT_EQ(LeeCuenta(chip, kCuentaReversible), 0);
    chip.Pon(kBorrado, false);
    PulsoDeSubida(chip, kSubir);
    EXPECT_EQ(LeeCuenta(chip, kCuentaReversible), 1);

    chip.Pon(8, true);
    chip.Evalua();
    EXPECT_EQ(LeeCuenta(chip, kCuentaReversible), 0);
    EXPECT_FALSE(chip.Nivel(kAcarreoBajo));
    EXPECT_FALSE(chip.Nivel(kPrestamoBajo));
}

INSTANTIATE_TEST_SUITE_P(
    ContadoresSincronos, ContadorDeDosRelojes,
    testing::Values(UnReloj{"c74192", &ci74192, &kDecada190Arriba, &kDecada190Abajo, 9},
                    UnReloj{"c74193", &ci74193, &kBinariaArriba, &kBinariaAbajo, 15}),
    [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace velistra
