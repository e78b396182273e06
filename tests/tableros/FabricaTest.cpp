#include <gtest/gtest.h>

#include <set>

#include "tableros/Fabrica.h"
#include "support/LienzoDePrueba.h"

namespace velistra {
namespace {

struct Modelo {
    int tipo;
    int puertos;
    int nodos;
    int fondo, ancho, alto;
};

constexpr Modelo kModelos[] = {
    {Tablero::kProtoboard, 880, 132, 1002, 877, 276},
    {Tablero::kInterruptores, 26, 10, 1003, 206, 81},
    {Tablero::kPulsadores, 26, 10, 1005, 206, 81},
    {Tablero::kLeds, 9, 9, 1007, 203, 58},
    {Tablero::kFuenteDC, 8, 2, 1010, 77, 128},
    {Tablero::kTemporizadores, 14, 6, 1009, 206, 81},
    {Tablero::kSieteSegmentos, 33, 33, 1012, 449, 130},
};

TEST(Fabrica, CadaTipoConSusPuertosImagenYNodos) {
    for (const Modelo& m : kModelos) {
        SCOPED_TRACE(m.tipo);
        auto t = CreaTablero(m.tipo);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->Tipo(), m.tipo);
        EXPECT_EQ(t->NumeroDePuertos(), m.puertos);
        EXPECT_EQ(t->Anchura(), m.ancho);
        EXPECT_EQ(t->Altura(), m.alto);
        EXPECT_EQ(t->ImagenDeFondo().id, m.fondo);
        EXPECT_EQ(NodosDeTablero(m.tipo), m.nodos);

        // The board uses exactly the block of node numbers the workbench reserves for it.
        t->Define(0, 0, 1, 1, 1000, 3);
        std::set<int> nodos;
        for (int i = 0; i < t->NumeroDePuertos(); ++i) {
            nodos.insert(t->DireccionDePuerto(i)->Nodo());
        }
        EXPECT_EQ(static_cast<int>(nodos.size()), m.nodos);
        EXPECT_EQ(*nodos.begin(), 1000);
        EXPECT_EQ(*nodos.rbegin(), 1000 + m.nodos - 1);

        // Defined with another size, the board gets its picture's size back.
        ColocaImagenes(*t);
        EXPECT_EQ(t->Anchura(), m.ancho);
        EXPECT_EQ(t->Altura(), m.alto);
    }
}

TEST(Fabrica, PLASinNodosYCodigosSinClase) {
    auto pla = CreaTablero(Tablero::kPLA);
    ASSERT_NE(pla, nullptr);
    EXPECT_EQ(pla->Tipo(), Tablero::kPLA);
    EXPECT_EQ(pla->NumeroDePuertos(), 0);
    EXPECT_EQ(pla->EsquinaX(), 0);
    EXPECT_EQ(pla->EsquinaY(), 0);
    EXPECT_EQ(NodosDeTablero(Tablero::kPLA), 0);

    for (int tipo : {7, -1, 9, 1000}) {
        EXPECT_EQ(CreaTablero(tipo), nullptr);
        EXPECT_EQ(NodosDeTablero(tipo), 0);
    }
}

}  // namespace
}  // namespace velistra
