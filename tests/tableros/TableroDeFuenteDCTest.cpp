#include <gtest/gtest.h>

#include "tableros/TableroDeFuenteDC.h"
#include "support/LienzoDePrueba.h"
#include "support/Punterias.h"
#include "support/TablerosSueltos.h"

namespace velistra {
namespace {

using prueba::Crea;

std::unique_ptr<TableroDeFuenteDC> FuenteEn(int x, int y) {
    auto f = Crea<TableroDeFuenteDC>(Tablero::kFuenteDC);
    f->Define(x, y, f->Anchura(), f->Altura(), 0, 1);
    return f;
}

TEST(TableroDeFuenteDC, TerminalesMarcadorEInterruptorHastaSusBordes) {
    auto f = FuenteEn(10, 175);
    prueba::CompruebaPunterias(*f, {
        {57, 10, 0, 61, 14}, {65, 57, 3, 61, 53}, {57, 70, 4, 61, 74}, {65, 117, 7, 61, 113},
        {66, 10, -1}, {56, 10, -1}, {57, 19, -1}, {57, 58, -1}, {57, 118, -1},
    });
    prueba::CompruebaToques(*f, [&](int x, int y) { return f->MarcadorEn(x, y); }, {
        {1, 52, true}, {9, 68, true}, {0, 60, false}, {10, 60, false}, {5, 51, false},
        {5, 69, false},
    });
    prueba::CompruebaToques(*f, [&](int x, int y) { return f->EntradaEn(x, y); }, {
        {24, 62, true}, {38, 89, true}, {23, 70, false}, {39, 70, false}, {30, 61, false},
        {30, 90, false},
    });
}

TEST(TableroDeFuenteDC, ConmutaSoloMueveElInterruptorYTransmiteExcitaLasTiras) {
    auto f = FuenteEn(10, 175);
    Puerto lejano;
    prueba::Cablea(f->DireccionDePuerto(3), &lejano);
    EXPECT_EQ(lejano.Tipo(), 'V');  // the type does not depend on the switch

    f->Conmuta();
    EXPECT_TRUE(f->EstaEncendida());
    EXPECT_EQ(f->EstadoDeEntrada(0), 1);
    EXPECT_EQ(f->DireccionDePuerto(0)->Estado(), 'Z');

    f->Transmite();
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(f->DireccionDePuerto(k)->Estado(), '1');
        EXPECT_EQ(f->DireccionDePuerto(4 + k)->Estado(), '0');
    }
    EXPECT_EQ(lejano.Estado(), '1');

    f->Conmuta();
    EXPECT_FALSE(f->EstaEncendida());
    f->Transmite();
    for (int k = 0; k < 8; ++k) EXPECT_EQ(f->DireccionDePuerto(k)->Estado(), 'Z');
    EXPECT_EQ(lejano.Estado(), 'Z');
}

TEST(TableroDeFuenteDC, EncendidaDibujaPalancaYPiloto) {
    auto f = FuenteEn(10, 175);
    prueba::LienzoDePrueba apagada;
    f->Dibuja(apagada);
    ASSERT_EQ(apagada.trazos.size(), 1u);
    EXPECT_EQ(apagada.trazos[0].id, 1010);
    EXPECT_EQ(apagada.trazos[0].c, 77);
    EXPECT_EQ(apagada.trazos[0].d, 128);

    f->Conmuta();
    prueba::LienzoDePrueba encendida;
    f->Dibuja(encendida);
    ASSERT_EQ(encendida.trazos.size(), 3u);
    const prueba::Trazo& palanca = encendida.trazos[1];
    EXPECT_EQ(prueba::Copia(palanca), (std::array{1004, 10 + 24, 175 + 62, 15, 28}));
    const prueba::Trazo& piloto = encendida.trazos[2];
    EXPECT_EQ(prueba::Copia(piloto), (std::array{1008, 10 + 23, 175 + 35, 18, 19}));
}

TEST(TableroDeFuenteDC, EscribeElCaracterDeCadaTerminal) {
    auto f = FuenteEn(10, 175);
    f->Conmuta();
    f->Transmite();
    prueba::LienzoDePrueba lienzo;
    f->TestDePuerto(lienzo, 1, true);
    f->TestDePuerto(lienzo, 6, false);
    f->TestDePuerto(lienzo, 8, true);
    ASSERT_EQ(lienzo.trazos.size(), 2u);
    EXPECT_EQ(lienzo.trazos[0].texto, "1 ");
    EXPECT_EQ(lienzo.trazos[0].a, 10 + 57);
    EXPECT_EQ(lienzo.trazos[0].b, 175 + 10 + 13 - 3);
    EXPECT_EQ(lienzo.trazos[1].texto, "G ");
    EXPECT_EQ(lienzo.trazos[1].b, 175 + 70 + 26 - 3);
}

}  // namespace
}  // namespace velistra
