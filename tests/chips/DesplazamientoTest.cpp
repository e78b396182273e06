#include <gtest/gtest.h>

#include <string>

#include "chips/Contadores.h"
#include "tests/chips/BancoDeContadores.h"

namespace velistra {
namespace {

using banco::ChipEnBanco;
using banco::Pines;
using banco::PonNumero;
using banco::PulsoDeBajada;
using banco::PulsoDeSubida;

// What a register should hold after shifting `entrada` into its first stage.
std::string Desplazado(const std::string& etapas, bool entrada) {
    return (entrada ? "1" : "0") + etapas.substr(0, etapas.size() - 1);
}

// A pseudo-random but fixed serial pattern.
bool Patron(int i) { return (i * 7 + i / 3) % 5 < 2; }

TEST(Desplazamiento, El7495DesplazaConElReloj1YCargaConElReloj2) {
    const Pines q{13, 12, 11, 10};  // QA .. QD
    constexpr int kSerie = 1, kModo = 6, kReloj2 = 8, kReloj1 = 9;
    ChipEnBanco chip(ci7495);
    chip.Pon(kModo, false);
    chip.Pon(kReloj1, false);
    chip.Pon(kReloj2, false);
    chip.Evalua();
    std::string esperado = "0000";
    for (int i = 0; i < 12; ++i) {
        chip.Pon(kSerie, Patron(i));
        PulsoDeBajada(chip, kReloj1);
        esperado = Desplazado(esperado, Patron(i));
        ASSERT_EQ(chip.Lee(q), esperado) << i;
        PulsoDeBajada(chip, kReloj2);
        ASSERT_EQ(chip.Lee(q), esperado) << "en modo 0 el reloj 2 no hace nada";
    }

    PonNumero(chip, {2, 3, 4, 5}, 0b0001);  // A = 1, B = C = D = 0
    chip.Pon(kModo, true);
    chip.Evalua();
    PulsoDeBajada(chip, kReloj1);
    EXPECT_EQ(chip.Lee(q), esperado) << "en modo 1 el reloj 1 no hace nada";
    PulsoDeBajada(chip, kReloj2);
    EXPECT_EQ(chip.Lee(q), "1000");

    // The mode picks the clock: going back to mode 0 with clock 2 high and clock 1 low is a
    // falling edge of the selected clock.
    chip.Pon(kReloj2, true);
    chip.Evalua();
    chip.Pon(kSerie, true);
    chip.Pon(kModo, false);
    chip.Evalua();
    EXPECT_EQ(chip.Lee(q), "1100");

    chip.Pon(7, true);
    EXPECT_TRUE(chip.Evalua());
    EXPECT_EQ(chip.Lee(q), "0000");
}

TEST(Desplazamiento, El74164EntraAyBPorOchoEtapasYSeBorraSinReloj) {
    const Pines q{3, 4, 5, 6, 10, 11, 12, 13};  // QA .. QH
    constexpr int kA = 1, kB = 2, kTierra = 7, kReloj = 8, kBorrado = 9;
    ChipEnBanco chip(ci74164);
    chip.Pon(kTierra, false);  // typed as an input: the bench left it high
    chip.Pon(kReloj, false);
    chip.Evalua();
    std::string esperado(8, '0');
    for (int i = 0; i < 24; ++i) {
        const bool a = Patron(i), b = Patron(i + 5);
        chip.Pon(kA, a);
        chip.Pon(kB, b);
        PulsoDeSubida(chip, kReloj);
        esperado = Desplazado(esperado, a && b);
        ASSERT_EQ(chip.Lee(q), esperado) << i;
        chip.Pon(kReloj, false);
        chip.Evalua();
        ASSERT_EQ(chip.Lee(q), esperado) << "el flanco de bajada no desplaza";
    }
    chip.Pon(kA, true);
    chip.Pon(kB, true);
    PulsoDeSubida(chip, kReloj);
    ASSERT_NE(chip.Lee(q), std::string(8, '0'));
    chip.Pon(kBorrado, false);
    EXPECT_TRUE(chip.Evalua());
    EXPECT_EQ(chip.Lee(q), std::string(8, '0'));
    PulsoDeSubida(chip, kReloj);
    EXPECT_EQ(chip.Lee(q), std::string(8, '0')) << "con el borrado activo no desplaza";

    chip.Pon(kBorrado, true);
    PulsoDeSubida(chip, kReloj);
    EXPECT_EQ(chip.Lee(q), "10000000");
    chip.Pon(kTierra, true);
    EXPECT_TRUE(chip.Evalua());
    EXPECT_EQ(chip.Lee(q), std::string(8, '0'));
}

// 74165: A..H on 11, 12, 13, 14, 3, 4, 5, 6.
const Pines kDatos74165{11, 12, 13, 14, 3, 4, 5, 6};

TEST(Desplazamiento, El74165CargaAlMomentoYSacaLosOchoBitsEnSerie) {
    constexpr int kCargaBaja = 1, kReloj = 2, kQHNegada = 7, kQH = 9, kSerie = 10, kInhibicion = 15;
    ChipEnBanco chip(ci74165);
    chip.Pon(kReloj, false);
    chip.Pon(kInhibicion, false);
    const int dato = 0b01001101;  // bit i is stage A + i
    PonNumero(chip, kDatos74165, dato);
    chip.Pon(kCargaBaja, false);
    chip.Evalua();
    EXPECT_FALSE(chip.Nivel(kQH)) << "QH muestra la etapa H cargada sin reloj";
    EXPECT_TRUE(chip.Nivel(kQHNegada));
    PulsoDeSubida(chip, kReloj);
    EXPECT_FALSE(chip.Nivel(kQH)) << "cargando, el reloj no desplaza";

    // Ending the load with the clock high is no clock edge: H stays the first bit out.
    chip.Pon(kReloj, true);
    chip.Evalua();
    chip.Pon(kCargaBaja, true);
    chip.Evalua();
    EXPECT_FALSE(chip.Nivel(kQH));

    for (int i = 1; i <= 12; ++i) {
        chip.Pon(kSerie, Patron(i));
        PulsoDeSubida(chip, kReloj);
        // After i shifts QH shows stage H - i, then the serial bits in the order they went in.
        const bool esperado = i < 8 ? ((dato >> (7 - i)) & 1) != 0 : Patron(i - 7);
        ASSERT_EQ(chip.Nivel(kQH), esperado) << i;
        ASSERT_NE(chip.Nivel(kQHNegada), esperado);
    }

    // Clock and inhibit are interchangeable: the inhibit high blocks the clock, and rising
    // with the clock low is itself a clock edge.
    PonNumero(chip, kDatos74165, 0b10100000);  // F and H
    chip.Pon(kCargaBaja, false);
    chip.Pon(kReloj, false);
    chip.Evalua();
    chip.Pon(kCargaBaja, true);
    chip.Pon(kSerie, false);
    chip.Pon(kInhibicion, true);
    chip.Evalua();
    EXPECT_FALSE(chip.Nivel(kQH)) << "la inhibición subiendo con el reloj bajo desplaza";
    PulsoDeSubida(chip, kReloj);
    PulsoDeSubida(chip, kReloj);
    EXPECT_FALSE(chip.Nivel(kQH)) << "con la inhibición alta el reloj no desplaza";

    PonNumero(chip, kDatos74165, 0b10000000);
    chip.Pon(kCargaBaja, false);
    chip.Evalua();
    ASSERT_TRUE(chip.Nivel(kQH));
    chip.Pon(kCargaBaja, true);
    chip.Pon(16, false);
    EXPECT_TRUE(chip.Evalua());
    EXPECT_FALSE(chip.Nivel(kQH));
    EXPECT_FALSE(chip.Nivel(kQHNegada));
    chip.Pon(16, true);
    chip.Evalua();
    EXPECT_TRUE(chip.Nivel(kQH)) << "las etapas sobreviven sin tensión";
}

TEST(Desplazamiento, El74166CargaEnElFlancoYSeBorraAlInstante) {
    const Pines datos{2, 3, 4, 5, 10, 11, 12, 14};  // A .. H
    constexpr int kSerie = 1, kInhibicion = 6, kReloj = 7, kTierra = 8, kBorrado = 9, kQH = 13,
                  kCargaBaja = 15;
    ChipEnBanco chip(ci74166);
    chip.Pon(kTierra, false);
    chip.Pon(kReloj, false);
    chip.Pon(kInhibicion, false);
    const int dato = 0b10110100;
    PonNumero(chip, datos, dato);
    chip.Pon(kCargaBaja, false);
    chip.Evalua();
    EXPECT_FALSE(chip.Nivel(kQH)) << "la carga espera al flanco";
    EXPECT_TRUE(PulsoDeSubida(chip, kReloj));
    EXPECT_TRUE(chip.Nivel(kQH));

    chip.Pon(kCargaBaja, true);
    for (int i = 1; i <= 12; ++i) {
        chip.Pon(kSerie, Patron(i));
        PulsoDeSubida(chip, kReloj);
        const bool esperado = i < 8 ? ((dato >> (7 - i)) & 1) != 0 : Patron(i - 7);
        ASSERT_EQ(chip.Nivel(kQH), esperado) << i;
        chip.Pon(kInhibicion, true);
        PulsoDeSubida(chip, kReloj);
        ASSERT_EQ(chip.Nivel(kQH), esperado) << "inhibido no desplaza";
        chip.Pon(kInhibicion, false);
    }

    chip.Pon(kCargaBaja, false);
    PonNumero(chip, datos, 0xFF);
    PulsoDeSubida(chip, kReloj);
    chip.Pon(kCargaBaja, true);
    chip.Pon(kBorrado, false);
    EXPECT_TRUE(chip.Evalua());
    EXPECT_FALSE(chip.Nivel(kQH));
    chip.Pon(kBorrado, true);
    chip.Pon(kSerie, true);
    for (int i = 1; i <= 7; ++i) {
        PulsoDeSubida(chip, kReloj);
        ASSERT_FALSE(chip.Nivel(kQH)) << "el borrado vació las ocho etapas";
    }
    PulsoDeSubida(chip, kReloj);
    EXPECT_TRUE(chip.Nivel(kQH));

    // Without power the stages and the remembered clock level drop to 0, so a clock that is
    // high when power returns counts as an edge.
    chip.Pon(kTierra, true);
    chip.Evalua();
    EXPECT_FALSE(chip.Nivel(kQH));
    ASSERT_TRUE(chip.Nivel(kReloj));
    chip.Pon(kTierra, false);
    chip.Evalua();  // shifts the serial 1 into stage A
    chip.Pon(kSerie, false);
    for (int i = 1; i <= 7; ++i) {
        ASSERT_FALSE(chip.Nivel(kQH)) << "las etapas se vaciaron sin tensión";
        PulsoDeSubida(chip, kReloj);
    }
    EXPECT_TRUE(chip.Nivel(kQH));
}

TEST(Desplazamiento, El74194DesplazaEnAmbosSentidosCargaYMantiene) {
    const Pines q{15, 14, 13, 12};  // QA .. QD
    constexpr int kBorrado = 1, kSerieDerecha = 2, kSerieIzquierda = 7, kS0 = 9, kS1 = 10,
                  kReloj = 11;
    ChipEnBanco chip(ci74194);  // the clock is high at switch-on
    PonNumero(chip, {3, 4, 5, 6}, 0b0110);
    chip.Evalua();
    EXPECT_EQ(chip.Lee(q), "0000") << "un reloj ya alto al encender no carga";
    PulsoDeSubida(chip, kReloj);
    EXPECT_EQ(chip.Lee(q), "0110");

    chip.Pon(kS1, false);  // S1 S0 = 01: towards QD
    std::string esperado = "0110";
    for (int i = 0; i < 6; ++i) {
        chip.Pon(kSerieDerecha, Patron(i));
        PulsoDeSubida(chip, kReloj);
        esperado = Desplazado(esperado, Patron(i));
        ASSERT_EQ(chip.Lee(q), esperado) << i;
    }
    chip.Pon(kS1, true);
    chip.Pon(kS0, false);  // 10: towards QA
    for (int i = 0; i < 6; ++i) {
        chip.Pon(kSerieIzquierda, Patron(i + 1));
        PulsoDeSubida(chip, kReloj);
        std::string alReves(esperado.rbegin(), esperado.rend());
        alReves = Desplazado(alReves, Patron(i + 1));
        esperado.assign(alReves.rbegin(), alReves.rend());
        ASSERT_EQ(chip.Lee(q), esperado) << i;
    }
    chip.Pon(kS1, false);  // 00: hold
    PulsoDeSubida(chip, kReloj);
    EXPECT_EQ(chip.Lee(q), esperado);

    chip.Pon(16, false);
    EXPECT_FALSE(chip.Evalua());
    EXPECT_EQ(chip.Lee(q), esperado) << "sin tensión mantiene";
    chip.Pon(16, true);
    chip.Pon(kBorrado, false);
    chip.Evalua();
    EXPECT_EQ(chip.Lee(q), "0000");
}

TEST(Desplazamiento, El74195DesplazaConJYKNegadaYCargaEnElFlanco) {
    const Pines q{15, 14, 13, 12};  // QA .. QD
    constexpr int kBorrado = 1, kJ = 2, kKNegada = 3, kDesplazaOCarga = 9, kReloj = 10,
                  kQDNegada = 11;
    ChipEnBanco chip(ci74195);
    chip.Pon(kReloj, false);
    PonNumero(chip, {4, 5, 6, 7}, 0b1010);  // A = 0, B = 1, C = 0, D = 1
    chip.Pon(kDesplazaOCarga, false);
    chip.Evalua();
    EXPECT_EQ(chip.Lee(q), "0000") << "la carga espera al flanco";
    EXPECT_TRUE(chip.Nivel(kQDNegada));
    PulsoDeSubida(chip, kReloj);
    EXPECT_EQ(chip.Lee(q), "0101");
    EXPECT_FALSE(chip.Nivel(kQDNegada));

    chip.Pon(kDesplazaOCarga, true);
    // J, K-bar: 11 sets QA, 00 clears it, 10 toggles it, 01 keeps it.
    const struct {
        bool j, kNegada;
        const char* tras;
    } pasos[] = {
        {true, true, "1010"},  {false, false, "0101"}, {true, false, "1010"}, {true, false, "0101"},
        {false, true, "0010"}, {true, true, "1001"},   {false, true, "1100"},
    };
    for (const auto& paso : pasos) {
        chip.Pon(kJ, paso.j);
        chip.Pon(kKNegada, paso.kNegada);
        PulsoDeSubida(chip, kReloj);
        ASSERT_EQ(chip.Lee(q), paso.tras) << paso.j << paso.kNegada;
        ASSERT_NE(chip.Nivel(kQDNegada), chip.Nivel(12));
    }

    chip.Pon(kBorrado, false);
    chip.Evalua();
    EXPECT_EQ(chip.Lee(q), "0000");
    EXPECT_TRUE(chip.Nivel(kQDNegada));
    chip.Pon(8, true);
    chip.Evalua();
    EXPECT_FALSE(chip.Nivel(kQDNegada)) << "sin tensión las cinco salidas a 0";
}

TEST(Memoria, El74170GuardaCuatroPalabrasYLeeLoEscritoEnLaMismaEvaluacion) {
    const Pines datos{15, 1, 2, 3};    // D1 .. D4
    const Pines lectura{5, 4};         // RA, RB
    const Pines escritura{14, 13};     // WA, WB
    const Pines salidas{10, 9, 7, 6};  // Q1 .. Q4
    constexpr int kLecturaBaja = 11, kEscrituraBaja = 12;
    const int palabras[] = {0b1001, 0b0110, 0b1111, 0b0011};

    ChipEnBanco chip(ci74170);
    chip.Pon(kLecturaBaja, true);
    chip.Pon(kEscrituraBaja, false);
    for (int w = 0; w < 4; ++w) {
        PonNumero(chip, escritura, w);
        PonNumero(chip, datos, palabras[w]);
        EXPECT_FALSE(chip.Evalua()) << "escribir sin leer no mueve las salidas";
    }
    chip.Pon(kEscrituraBaja, true);
    PonNumero(chip, datos, 0);
    chip.Evalua();
    chip.Pon(kLecturaBaja, false);
    for (int w : {2, 0, 3, 1}) {
        PonNumero(chip, lectura, w);
        chip.Evalua();
        EXPECT_EQ(banco::LeeCuenta(chip, salidas), palabras[w]) << w;
    }

    // Read enable high: the outputs hold whatever the address does.
    chip.Pon(kLecturaBaja, true);
    PonNumero(chip, lectura, 2);
    EXPECT_FALSE(chip.Evalua());
    EXPECT_EQ(banco::LeeCuenta(chip, salidas), palabras[1]);

    // Written and read at the same address in one evaluation: the new word comes out.
    chip.Pon(kLecturaBaja, false);
    chip.Pon(kEscrituraBaja, false);
    PonNumero(chip, escritura, 2);
    PonNumero(chip, datos, 0b0100);
    EXPECT_TRUE(chip.Evalua());
    EXPECT_EQ(banco::LeeCuenta(chip, salidas), 0b0100);

    // Unpowered nothing changes, and the words survive.
    chip.Pon(kEscrituraBaja, true);
    chip.Pon(8, true);
    PonNumero(chip, lectura, 0);
    EXPECT_FALSE(chip.Evalua());
    EXPECT_EQ(banco::LeeCuenta(chip, salidas), 0b0100);
    chip.Pon(8, false);
    chip.Evalua();
    EXPECT_EQ(banco::LeeCuenta(chip, salidas), palabras[0]);
    PonNumero(chip, lectura, 3);
    chip.Evalua();
    EXPECT_EQ(banco::LeeCuenta(chip, salidas), palabras[3]);
}

}  // namespace
}  // namespace velistra
