#include <gtest/gtest.h>

#include "tableros/TableroDeTemporizadores.h"
#include "simulacion/Mesa.h"
#include "support/LienzoDePrueba.h"

namespace velistra {
namespace {

struct MesaNueva {
    prueba::AvisosDePrueba avisos;
    Mesa mesa{avisos};
    MesaNueva() { mesa.InicializaMesa(); }
};

TEST(Montaje, UnaMesaNuevaTieneSoloLaFuenteYElTemporizadorOculto) {
    MesaNueva m;
    Mesa& mesa = m.mesa;
    ASSERT_EQ(mesa.tablero().size(), 2u);
    Tablero& fuente = *mesa.tablero()[0];
    Tablero& reloj = *mesa.tablero()[1];
    EXPECT_EQ(mesa.fuentedc(), &fuente);
    EXPECT_EQ(mesa.reloj(), &reloj);
    EXPECT_EQ(fuente.Tipo(), Tablero::kFuenteDC);
    EXPECT_EQ(fuente.EsquinaX(), 10);
    EXPECT_EQ(fuente.EsquinaY(), 175);
    EXPECT_EQ(fuente.Anchura(), 77);
    EXPECT_EQ(fuente.Altura(), 128);
    EXPECT_EQ(fuente.NodoBase(), 0);
    EXPECT_EQ(fuente.Identificador(), 1);
    EXPECT_EQ(reloj.Tipo(), Tablero::kTemporizadores);
    EXPECT_EQ(reloj.EsquinaX(), 80);
    EXPECT_EQ(reloj.EsquinaY(), 400);
    EXPECT_EQ(reloj.NodoBase(), 2);
    EXPECT_EQ(reloj.Identificador(), 2);
    EXPECT_FALSE(dynamic_cast<TableroDeTemporizadores&>(reloj).EstaVisible());
    EXPECT_EQ(mesa.nodoBase(), 8);
    EXPECT_EQ(mesa.nIdentificador(), 2);
    EXPECT_TRUE(mesa.componentes().empty());
    EXPECT_EQ(mesa.cables().Lista().size(), 0u);
}

TEST(Montaje, LosTablerosNuevosTomanBloquesDeNodosIdentificadoresYEsquinas) {
    MesaNueva m;
    Mesa& mesa = m.mesa;
    Tablero* primero = mesa.AgregaTablero(Tablero::kProtoboard);
    Tablero* segundo = mesa.AgregaTablero(Tablero::kProtoboard);
    Tablero* leds = mesa.AgregaTablero(Tablero::kLeds);
    ASSERT_TRUE(primero && segundo && leds);
    EXPECT_EQ(primero->NodoBase(), 8);
    EXPECT_EQ(primero->Identificador(), 3);
    EXPECT_EQ(primero->EsquinaX(), 110);
    EXPECT_EQ(primero->EsquinaY(), 110);
    EXPECT_EQ(primero->Anchura(), 877);
    EXPECT_EQ(segundo->NodoBase(), 140);
    EXPECT_EQ(segundo->Identificador(), 4);
    EXPECT_EQ(segundo->EsquinaX(), 120);
    EXPECT_EQ(leds->NodoBase(), 272);
    EXPECT_EQ(mesa.nodoBase(), 281);

    // The PLA board sits at (0, 0) and takes an identifier but no node numbers.
    Tablero* pla = mesa.AgregaTablero(Tablero::kPLA);
    ASSERT_NE(pla, nullptr);
    EXPECT_EQ(pla->EsquinaX(), 0);
    EXPECT_EQ(pla->Identificador(), 6);
    EXPECT_EQ(mesa.nodoBase(), 281);

    // The supply and the timer are never added twice; unknown types are refused.
    EXPECT_EQ(mesa.AgregaTablero(Tablero::kFuenteDC), nullptr);
    EXPECT_EQ(mesa.AgregaTablero(Tablero::kTemporizadores), nullptr);
    EXPECT_EQ(mesa.AgregaTablero(7), nullptr);
    EXPECT_EQ(mesa.tablero().size(), 6u);
}

TEST(Montaje, ElContadorDeUbicacionesSigueAtravesDeCircuitosNuevos) {
    MesaNueva m;
    Mesa& mesa = m.mesa;
    mesa.LimpiaMesa();
    EXPECT_TRUE(mesa.tablero().empty());
    EXPECT_EQ(mesa.fuentedc(), nullptr);
    mesa.InicializaMesa();
    Tablero* t = mesa.AgregaTablero(Tablero::kInterruptores);
    ASSERT_NE(t, nullptr);
    // Two set-up calls per circuit advance it by 20 each time.
    EXPECT_EQ(t->EsquinaX(), 130);
    EXPECT_EQ(t->Identificador(), 3);
    EXPECT_EQ(t->NodoBase(), 8);
}

TEST(Montaje, ElTemporizadorSeMuestraUnaVezEnSuSitio) {
    MesaNueva m;
    Mesa& mesa = m.mesa;
    auto& reloj = dynamic_cast<TableroDeTemporizadores&>(*mesa.reloj());
    EXPECT_TRUE(mesa.MuestraTemporizador());
    EXPECT_TRUE(reloj.EstaVisible());
    EXPECT_EQ(reloj.EsquinaX(), 100);
    EXPECT_EQ(reloj.EsquinaY(), 400);
    reloj.UbicaEn(300, 300);
    EXPECT_FALSE(mesa.MuestraTemporizador());
    EXPECT_EQ(reloj.EsquinaX(), 300);
}

TEST(Montaje, LimpiaMesaVaciaTablerosChipsYCables) {
    MesaNueva m;
    Mesa& mesa = m.mesa;
    mesa.AgregaTablero(Tablero::kProtoboard);
    mesa.componentes().Nuevo(7000);
    mesa.cables().CreaCable(3, 10, 10);
    mesa.cables().Concluye(3, 50, 10);
    mesa.LimpiaMesa();
    EXPECT_TRUE(mesa.tablero().empty());
    EXPECT_TRUE(mesa.componentes().empty());
    EXPECT_EQ(mesa.cables().Lista().size(), 0u);
}

}  // namespace
}  // namespace velistra
