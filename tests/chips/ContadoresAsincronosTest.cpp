#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "chips/Contadores.h"
#include "tests/chips/BancoDeContadores.h"

namespace velistra {
namespace {

using banco::ChipEnBanco;
using banco::LeeCuenta;
using banco::Pines;
using banco::PonNumero;
using banco::PulsoDeBajada;

enum class SinTension { ACero, Mantiene, ACeroSalvoQA };

// A divide-by-2 flip-flop QA and a three-bit section QB..QD, each with its own clock.
struct DosSecciones {
    const char* nombre;
    const CircuitoElectronico* chip;
    int relojA;
    int qa;
    int relojB;
    Pines qbqcqd;
    int modulo;
    Pines reposo;  // active-high set and reset inputs, held low while counting
    Pines aCero;
    Pines aNueve;
    int tierra;
    SinTension sinTension;
};

void PrintTo(const DosSecciones& fila, std::ostream* os) { *os << fila.nombre; }

// clang-format off
const DosSecciones kDosSecciones[] = {
    {"c7490", &ci7490, 14, 12, 1, {9, 8, 11}, 5, {2, 3, 6, 7}, {2, 3}, {6, 7}, 10, SinTension::ACeroSalvoQA},
    {"c7492", &ci7492, 14, 12, 1, {11, 9, 8}, 6, {6, 7}, {6, 7}, {}, 10, SinTension::Mantiene},
    {"c7493", &ci7493, 14, 12, 1, {9, 8, 11}, 8, {2, 3}, {2, 3}, {}, 10, SinTension::Mantiene},
    {"c74290", &ci74290, 10, 9, 11, {5, 4, 8}, 5, {1, 3, 12, 13}, {12, 13}, {1, 3}, 7, SinTension::ACero},
    {"c74293", &ci74293, 10, 9, 11, {5, 4, 8}, 8, {12, 13}, {12, 13}, {}, 7, SinTension::ACero},
    // Active-low clear and load, tested on their own below.
    {"c74196", &ci74196, 8, 5, 6, {9, 2, 12}, 5, {}, {}, {}, 7, SinTension::ACero},
    {"c74197", &ci74197, 8, 5, 6, {9, 2, 12}, 8, {}, {}, {}, 7, SinTension::ACero},
};
// clang-format on
constexpr int kConPuestasActivasEnAlto = 5;

class ContadorDeDosSecciones : public testing::TestWithParam<DosSecciones> {
protected:
    // Powered, the set and reset inputs low, both clocks low, count 0.
    ChipEnBanco Preparado() const {
        const DosSecciones& fila = GetParam();
        ChipEnBanco chip(*fila.chip);
        for (int pin : fila.reposo) chip.Pon(pin, false);
        chip.Pon(fila.relojA, false);
        chip.Pon(fila.relojB, false);
        chip.Evalua();
        return chip;
    }
};

TEST_P(ContadorDeDosSecciones, CadaSeccionCuentaSoloConSuRelojEnElFlancoDeBajada) {
    const DosSecciones& fila = GetParam();
    ChipEnBanco chip = Preparado();
    ASSERT_EQ(LeeCuenta(chip, fila.qbqcqd), 0);
    ASSERT_FALSE(chip.Nivel(fila.qa));

    for (int i = 1; i <= 3 * fila.modulo; ++i) {
        SCOPED_TRACE(i);
        chip.Pon(fila.relojB, true);
        EXPECT_FALSE(chip.Evalua()) << "el flanco de subida no cuenta";
        chip.Pon(fila.relojB, false);
        EXPECT_TRUE(chip.Evalua());
        EXPECT_EQ(LeeCuenta(chip, fila.qbqcqd), i % fila.modulo);
        EXPECT_FALSE(chip.Nivel(fila.qa)) << "QA no depende del reloj B";
        EXPECT_FALSE(chip.Evalua()) << "sin flanco nada cambia";
    }
    for (int i = 1; i <= 5; ++i) {
        EXPECT_TRUE(PulsoDeBajada(chip, fila.relojA));
        EXPECT_EQ(chip.Nivel(fila.qa), i % 2 == 1) << i;
        EXPECT_EQ(LeeCuenta(chip, fila.qbqcqd), 0)
            << "la sección de tres bits no depende del reloj A";
    }
}

class ContadorConPuestas : public ContadorDeDosSecciones {};

TEST_P(ContadorConPuestas, LasEntradasDePuestaMandanSobreLosRelojes) {
    const DosSecciones& fila = GetParam();
    ChipEnBanco chip = Preparado();
    PulsoDeBajada(chip, fila.relojA);
    PulsoDeBajada(chip, fila.relojB);
    PulsoDeBajada(chip, fila.relojB);

    // Only one of the two reset inputs high does nothing.
    chip.Pon(fila.aCero[0], true);
    EXPECT_FALSE(chip.Evalua());
    chip.Pon(fila.aCero[1], true);
    EXPECT_TRUE(chip.Evalua());
    EXPECT_FALSE(chip.Nivel(fila.qa));
    EXPECT_EQ(LeeCuenta(chip, fila.qbqcqd), 0);
    // Edges while it holds are lost, not counted later.
    PulsoDeBajada(chip, fila.relojA);
    PulsoDeBajada(chip, fila.relojB);
    EXPECT_FALSE(chip.Nivel(fila.qa));
    EXPECT_EQ(LeeCuenta(chip, fila.qbqcqd), 0);

    if (!fila.aNueve.empty()) {
        // Set-to-nine wins over the reset: QD QC QB QA = 1001.
        for (int pin : fila.aNueve) chip.Pon(pin, true);
        EXPECT_TRUE(chip.Evalua());
        PulsoDeBajada(chip, fila.relojA);
        PulsoDeBajada(chip, fila.relojB);
        EXPECT_TRUE(chip.Nivel(fila.qa));
        EXPECT_EQ(LeeCuenta(chip, fila.qbqcqd), 4);
        for (int pin : fila.aNueve) chip.Pon(pin, false);
        chip.Evalua();
        EXPECT_EQ(LeeCuenta(chip, fila.qbqcqd), 0) << "suelto el nueve, vuelve el cero";
    }
    for (int pin : fila.aCero) chip.Pon(pin, false);
    chip.Evalua();
    PulsoDeBajada(chip, fila.relojB);
    EXPECT_EQ(LeeCuenta(chip, fila.qbqcqd), 1);
}

TEST_P(ContadorDeDosSecciones, SinTensionYAlVolver) {
    const DosSecciones& fila = GetParam();
    ChipEnBanco chip = Preparado();
    PulsoDeBajada(chip, fila.relojA);
    PulsoDeBajada(chip, fila.relojB);
    PulsoDeBajada(chip, fila.relojB);
    PulsoDeBajada(chip, fila.relojB);  // QA = 1, QB..QD = 3

    chip.Pon(fila.relojB, true);
    chip.Evalua();
    chip.Pon(fila.tierra, true);  // a floating ground reads 1
    chip.Evalua();
    switch (fila.sinTension) {
        case SinTension::ACero:
            EXPECT_FALSE(chip.Nivel(fila.qa));
            EXPECT_EQ(LeeCuenta(chip, fila.qbqcqd), 0);
            break;
        case SinTension::Mantiene:
            EXPECT_TRUE(chip.Nivel(fila.qa));
            EXPECT_EQ(LeeCuenta(chip, fila.qbqcqd), 3);
            break;
        case SinTension::ACeroSalvoQA:
            EXPECT_TRUE(chip.Nivel(fila.qa));
            EXPECT_EQ(LeeCuenta(chip, fila.qbqcqd), 0);
            break;
    }
    const int cuentaApagado = LeeCuenta(chip, fila.qbqcqd);
    // Clock levels are still recorded: the falling edge seen unpowered is not counted later.
    chip.Pon(fila.relojB, false);
    chip.Evalua();
    chip.Pon(fila.tierra, false);
    chip.Evalua();
    EXPECT_EQ(LeeCuenta(chip, fila.qbqcqd), cuentaApagado);
    PulsoDeBajada(chip, fila.relojB);
    EXPECT_EQ(LeeCuenta(chip, fila.qbqcqd), cuentaApagado + 1);
}

std::string Nombre(const testing::TestParamInfo<DosSecciones>& info) { return info.param.nombre; }

INSTANTIATE_TEST_SUITE_P(ContadoresAsincronos, ContadorDeDosSecciones,
                         testing::ValuesIn(kDosSecciones), Nombre);
INSTANTIATE_TEST_SUITE_P(ContadoresAsincronos, ContadorConPuestas,
                         testing::ValuesIn(kDosSecciones, kDosSecciones + kConPuestasActivasEnAlto),
                         Nombre);

// QA wired to clock B, as a student wires a decade counter: the wire carries QA's new level
// to clock B and the chip is evaluated again until nothing moves, as the settling loop does.
void PulsoConQAUnidoAB(ChipEnBanco& chip, int relojA, int qa, int relojB) {
    for (bool nivel : {true, false}) {
        chip.Pon(relojA, nivel);
        chip.Evalua();
        for (int i = 0; i < 4 && chip.Nivel(relojB) != chip.Nivel(qa); ++i) {
            chip.Pon(relojB, chip.Nivel(qa));
            chip.Evalua();
        }
    }
}

void CompruebaDecadaBCD(ChipEnBanco& chip, int relojA, int relojB, const Pines& qaqbqcqd) {
    for (int i = 1; i <= 25; ++i) {
        PulsoConQAUnidoAB(chip, relojA, qaqbqcqd[0], relojB);
        ASSERT_EQ(LeeCuenta(chip, qaqbqcqd), i % 10) << "pulso " << i;
    }
}

TEST(ContadoresAsincronos, ConQAUnidoABCuentanEnBCD) {
    ChipEnBanco c7490(ci7490);
    for (int pin : {2, 3, 6, 7, 1, 14}) c7490.Pon(pin, false);
    c7490.Evalua();
    CompruebaDecadaBCD(c7490, 14, 1, {12, 9, 8, 11});

    ChipEnBanco c74290(ci74290);
    for (int pin : {1, 3, 12, 13, 10, 11}) c74290.Pon(pin, false);
    c74290.Evalua();
    CompruebaDecadaBCD(c74290, 10, 11, {9, 5, 4, 8});
}

TEST(ContadoresAsincronos, El7490PuestoANueveMuestra1001HaganLoQueHaganLosRelojes) {
    ChipEnBanco chip(ci7490);  // every input floats high: R9 and R0 both active
    for (bool a : {true, false, true, false}) {
        for (bool b : {false, true, false}) {
            chip.Pon(14, a);
            chip.Pon(1, b);
            chip.Evalua();
            EXPECT_EQ(LeeCuenta(chip, {12, 9, 8, 11}), 9);
        }
    }
    chip.Pon(6, false);  // R9 released, R0 still high
    EXPECT_TRUE(chip.Evalua());
    EXPECT_EQ(LeeCuenta(chip, {12, 9, 8, 11}), 0);
}

TEST(ContadoresAsincronos, El74390TieneDosDecadasIndependientesConSuBorrado) {
    const Pines mitad1{3, 5, 6, 7};
    const Pines mitad2{13, 11, 10, 9};
    ChipEnBanco chip(ci74390);
    for (int pin : {1, 2, 4, 12, 14, 15}) chip.Pon(pin, false);
    chip.Evalua();
    CompruebaDecadaBCD(chip, 1, 4, mitad1);
    EXPECT_EQ(LeeCuenta(chip, mitad2), 0);
    CompruebaDecadaBCD(chip, 15, 12, mitad2);
    EXPECT_EQ(LeeCuenta(chip, mitad1), 5);
    EXPECT_EQ(LeeCuenta(chip, mitad2), 5);

    chip.Pon(2, true);
    EXPECT_TRUE(chip.Evalua());
    EXPECT_EQ(LeeCuenta(chip, mitad1), 0);
    EXPECT_EQ(LeeCuenta(chip, mitad2), 5);
    chip.Pon(2, false);
    chip.Pon(14, true);
    chip.Evalua();
    EXPECT_EQ(LeeCuenta(chip, mitad2), 0);

    chip.Pon(14, false);
    PulsoConQAUnidoAB(chip, 15, 13, 12);
    chip.Pon(16, false);  // supply off
    EXPECT_TRUE(chip.Evalua());
    EXPECT_EQ(LeeCuenta(chip, mitad2), 0);
}

TEST(ContadoresAsincronos, El74393CuentaDeCeroAQuinceEnCadaMitad) {
    const Pines mitad1{3, 4, 5, 6};
    const Pines mitad2{11, 10, 9, 8};
    ChipEnBanco chip(ci74393);
    for (int pin : {1, 2, 12, 13}) chip.Pon(pin, false);
    chip.Evalua();
    for (int i = 1; i <= 40; ++i) {
        EXPECT_TRUE(PulsoDeBajada(chip, 1));
        ASSERT_EQ(LeeCuenta(chip, mitad1), i % 16) << i;
        ASSERT_EQ(LeeCuenta(chip, mitad2), 0);
    }
    for (int i = 1; i <= 20; ++i) {
        PulsoDeBajada(chip, 13);
        ASSERT_EQ(LeeCuenta(chip, mitad2), i % 16) << i;
    }
    EXPECT_EQ(LeeCuenta(chip, mitad1), 8);

    chip.Pon(12, true);
    chip.Evalua();
    PulsoDeBajada(chip, 13);
    EXPECT_EQ(LeeCuenta(chip, mitad2), 0);
    EXPECT_EQ(LeeCuenta(chip, mitad1), 8);
    chip.Pon(7, true);
    chip.Evalua();
    EXPECT_EQ(LeeCuenta(chip, mitad1), 0);
}

TEST(ContadoresAsincronos, El74490CuentaDecadasYPonerANueveGanaAlBorrado) {
    const Pines mitad1{3, 5, 6, 7};
    const Pines mitad2{13, 11, 10, 9};
    ChipEnBanco chip(ci74490);
    for (int pin : {1, 2, 4, 12, 14, 15}) chip.Pon(pin, false);
    chip.Evalua();
    for (int i = 1; i <= 25; ++i) {
        PulsoDeBajada(chip, 1);
        ASSERT_EQ(LeeCuenta(chip, mitad1), i % 10) << i;
    }
    for (int i = 1; i <= 12; ++i) {
        PulsoDeBajada(chip, 15);
        ASSERT_EQ(LeeCuenta(chip, mitad2), i % 10) << i;
    }
    EXPECT_EQ(LeeCuenta(chip, mitad1), 5);

    chip.Pon(2, true);
    chip.Pon(4, true);
    EXPECT_TRUE(chip.Evalua());
    EXPECT_EQ(LeeCuenta(chip, mitad1), 9);
    EXPECT_EQ(LeeCuenta(chip, mitad2), 2);
    chip.Pon(4, false);
    chip.Evalua();
    EXPECT_EQ(LeeCuenta(chip, mitad1), 0);
    chip.Pon(2, false);
    chip.Pon(12, true);
    chip.Pon(14, true);
    chip.Evalua();
    EXPECT_EQ(LeeCuenta(chip, mitad2), 9);
    chip.Pon(12, false);
    chip.Pon(14, false);
    PulsoDeBajada(chip, 15);
    EXPECT_EQ(LeeCuenta(chip, mitad2), 0);
}

TEST(ContadoresAsincronos, Los74196y74197CarganEnCualquierMomentoYElBorradoManda) {
    const Pines salidas{5, 9, 2, 12};  // QA..QD
    const Pines datos{4, 10, 3, 11};   // A..D
    for (const auto& [chipBajoPrueba, ultimo] :
         {std::pair<const CircuitoElectronico*, int>{&ci74196, 4}, {&ci74197, 7}}) {
        SCOPED_TRACE(chipBajoPrueba->Codigo());
        for (int n = 0; n < 16; ++n) {
            ChipEnBanco chip(*chipBajoPrueba);
            chip.Pon(6, false);
            chip.Pon(8, false);
            PonNumero(chip, datos, n);
            chip.Pon(1, false);  // load, no clock needed
            EXPECT_EQ(chip.Evalua(), n != 0);
            ASSERT_EQ(LeeCuenta(chip, salidas), n);
            chip.Pon(1, true);
            EXPECT_FALSE(chip.Evalua());
            // Values above the section's last count (a load can leave one) go to 0.
            const int seccion = n >> 1;
            PulsoDeBajada(chip, 6);
            EXPECT_EQ(LeeCuenta(chip, salidas) >> 1, seccion >= ultimo ? 0 : seccion + 1) << n;
            EXPECT_EQ(chip.Nivel(5), (n & 1) != 0) << "el reloj 2 no mueve QA";
            PulsoDeBajada(chip, 8);
            EXPECT_EQ(chip.Nivel(5), (n & 1) == 0) << "el reloj 1 conmuta QA";
        }
        ChipEnBanco chip(*chipBajoPrueba);
        PonNumero(chip, datos, 15);
        chip.Pon(1, false);
        chip.Pon(13, false);
        chip.Evalua();
        EXPECT_EQ(LeeCuenta(chip, salidas), 0) << "el borrado gana a la carga";
    }
}

}  // namespace
}  // namespace velistra
