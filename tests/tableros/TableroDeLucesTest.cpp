#include <gtest/gtest.h>

#include "tableros/TableroDeLeds.h"
#include "tableros/TableroDeSieteSegmentos.h"
#include "support/LienzoDePrueba.h"
#include "support/Punterias.h"
#include "support/TablerosSueltos.h"

namespace velistra {
namespace {

template <typename T>
std::unique_ptr<T> EnEsquina(int tipo) {
    return prueba::CreaEnEsquina<T>(tipo, 50, 4);
}

TEST(TableroDeLeds, PuertosNodosYGeometriaHastaSusBordes) {
    auto t = EnEsquina<TableroDeLeds>(Tablero::kLeds);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(t->DireccionDePuerto(i)->Nodo(), 50 + i);

    for (int i = 0; i < 8; ++i) {
        prueba::CompruebaPunterias(*t, {{42 + 20 * i, 40, i, 46 + 20 * i, 44},
                                        {42 + 20 * i + 8, 48, i, 46 + 20 * i, 44}});
    }
    prueba::CompruebaPunterias(*t, {
        // every terminal but the last is 10 pixels wide; the last one 9 (dx 140 to 148)
        {42 + 9, 40, 0, 46, 44}, {42 + 10, 40, -1}, {42 + 148, 40, 7, 46 + 140, 44},
        {42 + 149, 40, -1}, {42, 49, -1}, {41, 40, -1},
        {7, 33, 8, 11, 37}, {15, 41, 8, 11, 37}, {16, 41, -1}, {7, 42, -1},
    });
    prueba::CompruebaToques(*t, [&](int x, int y) { return t->MarcadorEn(x, y); }, {
        {98, 0, true}, {111, 5, true}, {97, 0, false}, {112, 0, false}, {100, 6, false},
    });
    EXPECT_FALSE(t->EntradaEn(110 + 46, 110 + 44));
}

TEST(TableroDeLeds, UnaLamparaLuceConUnoYTierraViva) {
    prueba::Fuente fuente;
    auto t = EnEsquina<TableroDeLeds>(Tablero::kLeds);
    prueba::Cablea(t->DireccionDePuerto(0), fuente.Vcc(1));
    fuente.Pon(true);
    EXPECT_FALSE(t->EstadoDeLed(0));  // GND unwired

    prueba::Cablea(t->DireccionDePuerto(8), fuente.Gnd(2));
    fuente.Pon(true);
    EXPECT_TRUE(t->EstadoDeLed(0));
    t->DireccionDePuerto(1)->Estado('0');
    EXPECT_FALSE(t->EstadoDeLed(1));
    EXPECT_FALSE(t->EstadoDeLed(2));  // unconnected, 'Z'
    EXPECT_FALSE(t->EstadoDeLed(8));
    EXPECT_FALSE(t->EstadoDeLed(-1));

    fuente.Pon(false);
    EXPECT_FALSE(t->EstadoDeLed(0));

    // GND on the positive strip: nothing lights.
    prueba::Fuente otra;
    auto cruzado = EnEsquina<TableroDeLeds>(Tablero::kLeds);
    prueba::Cablea(cruzado->DireccionDePuerto(8), otra.Vcc());
    prueba::Cablea(cruzado->DireccionDePuerto(3), otra.Vcc(1));
    otra.Pon(true);
    EXPECT_EQ(cruzado->DireccionDePuerto(8)->Tipo(), 'V');
    EXPECT_FALSE(cruzado->EstadoDeLed(3));
}

TEST(TableroDeLeds, DibujaLasLamparasEncendidas) {
    auto t = EnEsquina<TableroDeLeds>(Tablero::kLeds);
    t->DireccionDePuerto(8)->TipoOriginal('G');
    t->DireccionDePuerto(8)->Estado('0');
    t->DireccionDePuerto(0)->Estado('1');
    t->DireccionDePuerto(5)->Estado('1');
    t->DireccionDePuerto(6)->Estado('0');
    prueba::LienzoDePrueba lienzo;
    t->Dibuja(lienzo);
    ASSERT_EQ(lienzo.trazos.size(), 3u);
    EXPECT_EQ(lienzo.trazos[0].id, 1007);
    EXPECT_EQ(lienzo.trazos[0].c, 203);
    EXPECT_EQ(lienzo.trazos[0].d, 58);
    int i = 1;
    for (int lampara : {0, 5}) {
        const prueba::Trazo& l = lienzo.trazos[static_cast<std::size_t>(i++)];
        EXPECT_EQ(prueba::Copia(l), (std::array{1008, 110 + 38 + 20 * lampara, 110 + 14, 18, 19}));
    }
}

TEST(TableroDeSieteSegmentos, PuertosNodosYGeometriaHastaSusBordes) {
    auto t = EnEsquina<TableroDeSieteSegmentos>(Tablero::kSieteSegmentos);
    EXPECT_EQ(t->DireccionDePuerto(32)->Nodo(), 50 + 32);

    for (int i = 0; i < 32; ++i) {
        const int x = 33 + 13 * i;
        const int xCentro = 37 + 13 * i;
        prueba::CompruebaPunterias(*t, {{x, 119, i, xCentro, 123}, {x + 8, 127, i, xCentro, 123},
                                        {x + 10, 119, -1}, {x + 11, 119, -1}, {x + 12, 119, -1}});
        if (i < 31) prueba::CompruebaPunterias(*t, {{x + 9, 119, i, xCentro, 123}});
    }
    prueba::CompruebaPunterias(*t, {
        {33 + 411, 119, 31, 37 + 13 * 31, 123}, {33 + 412, 119, -1}, {33, 128, -1}, {33, 118, -1},
        {12, 23, 32, 16, 27}, {20, 31, 32, 16, 27}, {21, 31, -1},
    });
    prueba::CompruebaToques(*t, [&](int x, int y) { return t->MarcadorEn(x, y); }, {
        {232, 0, true}, {246, 6, true}, {231, 0, false}, {247, 0, false}, {240, 7, false},
    });
}

TEST(TableroDeSieteSegmentos, UnSegmentoLuceConCeroYAnodoVivo) {
    prueba::Fuente fuente;
    auto t = EnEsquina<TableroDeSieteSegmentos>(Tablero::kSieteSegmentos);
    prueba::Cablea(t->DireccionDePuerto(5), fuente.Gnd());
    prueba::Cablea(t->DireccionDePuerto(6), fuente.Vcc(2));
    fuente.Pon(true);
    EXPECT_FALSE(t->EstadoDeLed(5));  // common terminal unwired

    prueba::Cablea(t->DireccionDePuerto(32), fuente.Vcc());
    fuente.Pon(true);
    EXPECT_TRUE(t->EstadoDeLed(5));
    EXPECT_FALSE(t->EstadoDeLed(6));
    EXPECT_FALSE(t->EstadoDeLed(7));  // unconnected, 'Z'
    EXPECT_FALSE(t->EstadoDeLed(32));

    fuente.Pon(false);
    EXPECT_FALSE(t->EstadoDeLed(5));

    // Common terminal on ground: nothing lights.
    prueba::Fuente otra;
    auto cruzado = EnEsquina<TableroDeSieteSegmentos>(Tablero::kSieteSegmentos);
    prueba::Cablea(cruzado->DireccionDePuerto(32), otra.Gnd());
    prueba::Cablea(cruzado->DireccionDePuerto(0), otra.Gnd(1));
    otra.Pon(true);
    EXPECT_FALSE(cruzado->EstadoDeLed(0));
}

TEST(TableroDeSieteSegmentos, RellenaCadaSegmentoEncendidoDeRojo) {
    auto t = EnEsquina<TableroDeSieteSegmentos>(Tablero::kSieteSegmentos);
    t->DireccionDePuerto(32)->TipoOriginal('V');
    t->DireccionDePuerto(32)->Estado('1');
    for (int i = 0; i < 32; ++i) t->DireccionDePuerto(i)->Estado('1');
    t->DireccionDePuerto(0)->Estado('0');       // digit 0, a
    t->DireccionDePuerto(8 * 2 + 6)->Estado('0');  // digit 2, g
    t->DireccionDePuerto(8 * 3 + 7)->Estado('0');  // digit 3, point

    prueba::LienzoDePrueba lienzo;
    const Color previa = Rgb(1, 2, 3);
    lienzo.brocha = previa;
    t->Dibuja(lienzo);
    using prueba::Trazo;
    ASSERT_EQ(lienzo.trazos.size(), 6u);
    EXPECT_EQ(lienzo.trazos[0].id, 1012);
    EXPECT_EQ(lienzo.trazos[0].c, 449);
    EXPECT_EQ(lienzo.trazos[0].d, 130);
    EXPECT_EQ(lienzo.trazos[1].tipo, Trazo::Tipo::Brocha);
    EXPECT_EQ(lienzo.trazos[1].color, Rgb(255, 0, 0));

    const auto rellenos = lienzo.DeTipo(Trazo::Tipo::Rellena);
    ASSERT_EQ(rellenos.size(), 3u);
    const int esperados[3][2] = {{80, 13}, {80 + 208, 50}, {110 + 312, 90}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(rellenos[i].a, 110 + esperados[i][0]);
        EXPECT_EQ(rellenos[i].b, 110 + esperados[i][1]);
        EXPECT_EQ(rellenos[i].color, Rgb(0, 0, 0));
    }
    EXPECT_EQ(lienzo.trazos[5].tipo, Trazo::Tipo::Brocha);
    EXPECT_EQ(lienzo.brocha, previa);
}

}  // namespace
}  // namespace velistra
