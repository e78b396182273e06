#include <gtest/gtest.h>

#include "boards/Protoboard.h"
#include "support/LienzoDePrueba.h"
#include "tests/boards/Banco.h"

namespace velistra {
namespace {

using prueba::Crea;
using prueba::PuertoEnRelativo;

// The breadboard of the usual examples, with its corner at (110, 110).
std::unique_ptr<Protoboard> Protoboard110() {
    auto p = Crea<Protoboard>(Tablero::kProtoboard);
    p->Define(110, 110, p->Anchura(), p->Altura(), 0, 3);
    return p;
}

TEST(Protoboard, AreaSuperiorDeTerminalesHastaSusBordes) {
    auto p = Protoboard110();
    Puerto* primero = p->PuertoEn(133, 172);
    ASSERT_NE(primero, nullptr);
    EXPECT_EQ(primero, p->DireccionDePuerto(0));
    EXPECT_EQ(p->CentroX(), 137);
    EXPECT_EQ(p->CentroY(), 176);

    // The 4-pixel gaps between holes, and points past the last hole, hit nothing and
    // leave the last centre where it was.
    EXPECT_EQ(p->PuertoEn(142, 172), nullptr);
    EXPECT_EQ(p->PuertoEn(133, 181), nullptr);
    EXPECT_EQ(p->CentroX(), 137);
    EXPECT_EQ(p->CentroY(), 176);

    EXPECT_EQ(PuertoEnRelativo(*p, 23 + 8, 62 + 8), 0);
    EXPECT_EQ(PuertoEnRelativo(*p, 23 + 13, 62 + 13), 6);
    EXPECT_EQ(PuertoEnRelativo(*p, 850, 122), 319);
    EXPECT_EQ(p->CentroX(), 110 + 27 + 13 * 63);
    EXPECT_EQ(p->CentroY(), 110 + 66 + 13 * 4);
    EXPECT_EQ(PuertoEnRelativo(*p, 851, 122), -1);
    EXPECT_EQ(PuertoEnRelativo(*p, 850, 123), -1);
    EXPECT_EQ(PuertoEnRelativo(*p, 22, 62), -1);
    EXPECT_EQ(PuertoEnRelativo(*p, 23, 61), -1);
}

TEST(Protoboard, AreaInferiorYBuses) {
    auto p = Protoboard110();
    EXPECT_EQ(PuertoEnRelativo(*p, 23, 153), 320);
    EXPECT_EQ(p->CentroY(), 110 + 157);
    EXPECT_EQ(PuertoEnRelativo(*p, 850, 153 + 60), 639);
    EXPECT_EQ(PuertoEnRelativo(*p, 850, 153 + 61), -1);

    // Across the channel, column k's facing holes are 5k + 4 and 5k + 320.
    const int k = 10;
    const int arriba = PuertoEnRelativo(*p, 23 + 13 * k, 62 + 13 * 4);
    const int abajo = PuertoEnRelativo(*p, 23 + 13 * k, 153);
    EXPECT_EQ(arriba, 5 * k + 4);
    EXPECT_EQ(abajo, arriba + 316);

    EXPECT_EQ(PuertoEnRelativo(*p, 49, 10), 640);
    EXPECT_EQ(p->CentroX(), 110 + 53);
    EXPECT_EQ(p->CentroY(), 110 + 14);
    EXPECT_EQ(PuertoEnRelativo(*p, 49 + 775, 10 + 21), 759);
    EXPECT_EQ(p->CentroX(), 110 + 53 + 13 * 59);
    EXPECT_EQ(p->CentroY(), 110 + 27);
    EXPECT_EQ(PuertoEnRelativo(*p, 49 + 776, 10), -1);
    EXPECT_EQ(PuertoEnRelativo(*p, 49, 10 + 22), -1);
    EXPECT_EQ(PuertoEnRelativo(*p, 49 + 9, 10), -1);

    EXPECT_EQ(PuertoEnRelativo(*p, 49, 244), 760);
    EXPECT_EQ(PuertoEnRelativo(*p, 49, 244 + 13), 820);
    EXPECT_EQ(PuertoEnRelativo(*p, 49 + 775, 244 + 21), 879);
    EXPECT_EQ(p->CentroY(), 110 + 248 + 13);
    EXPECT_EQ(PuertoEnRelativo(*p, 49 + 775, 244 + 22), -1);
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
    for (int i = 0; i < Protoboard::kPuertos; ++i) {
        EXPECT_EQ(p.DireccionDePuerto(i)->Indice(), i);
        EXPECT_EQ(p.DireccionDePuerto(i)->TipoOriginal(), 'F');
    }
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
    EXPECT_EQ(fondo.id, 1002);
    EXPECT_EQ(fondo.modo, ModoDeCopia::Copia);
    EXPECT_EQ(fondo.a, 110);
    EXPECT_EQ(fondo.b, 110);
    EXPECT_EQ(fondo.c, 877);
    EXPECT_EQ(fondo.d, 276);

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
