#include <gtest/gtest.h>

#include "tableros/Protoboard.h"
#include "support/LienzoDePrueba.h"
#include "support/Punterias.h"
#include "support/TablerosSueltos.h"

namespace velistra {
namespace {

// The breadboard of the usual examples, with its corner at (110, 110).
std::unique_ptr<Protoboard> Protoboard110() {
    return prueba::CreaEnEsquina<Protoboard>(Tablero::kProtoboard, 0, 3);
}

TEST(Protoboard, HuecosHastaSusBordes) {
    auto p = Protoboard110();
    Puerto* primero = p->PuertoEn(133, 172);
    EXPECT_EQ(primero, p->DireccionDePuerto(0));
    EXPECT_EQ(p->CentroX(), 137);
    EXPECT_EQ(p->CentroY(), 176);

    prueba::CompruebaPunterias(*p, {
        // upper terminal area: the 4-pixel gaps and the far edges
        {32, 62, -1}, {23, 71, -1}, {31, 70, 0, 27, 66}, {36, 75, 6, 40, 79},
        {850, 122, 319, 27 + 13 * 63, 66 + 52}, {851, 122, -1}, {850, 123, -1},
        {22, 62, -1}, {23, 61, -1},
        // lower terminal area; column k faces the upper one across the channel
        {23, 153, 320, 27, 157}, {23 + 130, 153, 370, 157, 157}, {23 + 130, 114, 54, 157, 118},
        {850, 213, 639, 27 + 13 * 63, 157 + 52}, {850, 214, -1},
        // buses
        {49, 10, 640, 53, 14}, {58, 10, -1}, {49 + 775, 31, 759, 53 + 13 * 59, 27},
        {49 + 776, 10, -1}, {49, 32, -1},
        {49, 244, 760, 53, 248}, {49, 257, 820, 53, 261}, {49 + 775, 265, 879, 53 + 13 * 59, 261},
        {49 + 775, 266, -1},
    });
}

TEST(Protoboard, NumeraColumnasYFilasDeBus) {
    Protoboard p;
    p.NodoBase(7);
    EXPECT_EQ(p.NodoBase(), 7);
    EXPECT_EQ(p.DireccionDePuerto(640)->Nodo(), 135);
    EXPECT_EQ(p.DireccionDePuerto(759)->Nodo(), 136);
    EXPECT_EQ(p.DireccionDePuerto(760)->Nodo(), 137);
    EXPECT_EQ(p.DireccionDePuerto(879)->Nodo(), 138);
    for (int k = 0; k < Protoboard::kColumnas; ++k) {
        for (int r = 0; r < Protoboard::kFilas; ++r) {
            EXPECT_EQ(p.DireccionDePuerto(5 * k + r)->Nodo(), 7 + k);
            EXPECT_EQ(p.DireccionDePuerto(320 + 5 * k + r)->Nodo(), 7 + 64 + k);
        }
    }
    for (int k = 0; k < Protoboard::kHuecosPorBus; ++k) {
        EXPECT_EQ(p.DireccionDePuerto(640 + k)->Nodo(), 135);
        EXPECT_EQ(p.DireccionDePuerto(820 + k)->Nodo(), 138);
    }

    p.Define(0, 0, 877, 276, 40, 3);
    EXPECT_EQ(p.DireccionDePuerto(0)->Nodo(), 40);
    EXPECT_EQ(p.Identificador(), 3);
}

TEST(Protoboard, LasTirasSonColumnasYFilasDeBus) {
    Protoboard p;
    p.DireccionDePuerto(7)->Estado('1');
    for (int i = 5; i < 10; ++i) EXPECT_EQ(p.DireccionDePuerto(i)->Estado(), '1');
    EXPECT_EQ(p.DireccionDePuerto(4)->Estado(), 'Z');
    EXPECT_EQ(p.DireccionDePuerto(10)->Estado(), 'Z');
    EXPECT_EQ(p.DireccionDePuerto(325)->Estado(), 'Z');

    p.DireccionDePuerto(730)->Estado('0');
    EXPECT_EQ(p.DireccionDePuerto(700)->Estado(), '0');
    EXPECT_EQ(p.DireccionDePuerto(759)->Estado(), '0');
    EXPECT_EQ(p.DireccionDePuerto(699)->Estado(), 'Z');
    EXPECT_EQ(p.DireccionDePuerto(760)->Estado(), 'Z');
}

TEST(Protoboard, MarcadoresEnLosExtremosDelCanal) {
    auto p = Protoboard110();
    const auto marcador = [&](int dx, int dy) { return p->MarcadorEn(110 + dx, 110 + dy); };
    EXPECT_TRUE(marcador(2, 132));
    EXPECT_TRUE(marcador(12, 143));
    EXPECT_TRUE(marcador(864, 132));
    EXPECT_TRUE(marcador(874, 143));
    EXPECT_FALSE(marcador(1, 132));
    EXPECT_FALSE(marcador(13, 132));
    EXPECT_FALSE(marcador(2, 131));
    EXPECT_FALSE(marcador(2, 144));
    EXPECT_FALSE(marcador(863, 140));
    EXPECT_FALSE(marcador(875, 140));
    EXPECT_FALSE(marcador(400, 140));
}

TEST(Protoboard, DibujaSuFondoYEscribeEstadosDePuertos) {
    auto p = Protoboard110();
    prueba::LienzoDePrueba lienzo;
    p->Dibuja(lienzo);
    ASSERT_EQ(lienzo.trazos.size(), 1u);
    const prueba::Trazo& fondo = lienzo.trazos[0];
    EXPECT_EQ(fondo.tipo, prueba::Trazo::Tipo::Copia);
    EXPECT_EQ(fondo.modo, ModoDeCopia::Copia);
    EXPECT_EQ(prueba::Copia(fondo), (std::array{1002, 110, 110, 877, 276}));

    p->DireccionDePuerto(6)->Estado('1');
    prueba::LienzoDePrueba texto;
    p->TestDePuerto(texto, 6, true);
    p->TestDePuerto(texto, 879, false);
    p->TestDePuerto(texto, 880, true);
    p->TestDePuerto(texto, -1, true);
    ASSERT_EQ(texto.trazos.size(), 2u);
    EXPECT_EQ(texto.trazos[0].texto, "1 ");
    EXPECT_EQ(texto.trazos[0].a, 110 + 23 + 13);
    EXPECT_EQ(texto.trazos[0].b, 110 + 62 + 13 - 3);
    EXPECT_EQ(texto.trazos[1].texto, "F ");
    EXPECT_EQ(texto.trazos[1].a, 110 + 49 + 13 * 59);
    EXPECT_EQ(texto.trazos[1].b, 110 + 244 + 13 - 3);
}

}  // namespace
}  // namespace velistra
