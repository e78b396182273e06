#include <gtest/gtest.h>

#include "modelo/Tablero.h"
#include "support/LienzoDePrueba.h"

namespace velistra {
namespace {

// A small board: a strip of three driving ports, a lone input and a lone free port.
class TableroDePrueba : public Tablero {
public:
    using Tablero::NodoBase;
    TableroDePrueba() {
        nTipo = 1;
        CreaPuertos(5);
        DefineTira(0, 3, 'S');
        DefineTira(3, 1, 'E');
        DefineTira(4, 1, 'F');
        CreaEntradas(2, {0, 0}, {15, 28});
    }
    void NodoBase(int base) override {
        nBaseDeNodos = base;
        pPuertos[0].Nodo(base);
        pPuertos[3].Nodo(base + 1);
        pPuertos[4].Nodo(base + 2);
    }
};

TEST(Tablero, DefineUbicaNumeraEIdentifica) {
    TableroDePrueba t;
    t.Define(30, 40, 100, 50, 40, 3);
    EXPECT_EQ(t.EsquinaX(), 30);
    EXPECT_EQ(t.EsquinaY(), 40);
    EXPECT_EQ(t.Anchura(), 100);
    EXPECT_EQ(t.Altura(), 50);
    EXPECT_EQ(t.NodoBase(), 40);
    EXPECT_EQ(t.Identificador(), 3);
    EXPECT_EQ(t.DireccionDePuerto(2)->Nodo(), 40);
    EXPECT_EQ(t.DireccionDePuerto(4)->Nodo(), 42);

    t.ImagenDeFondo(Imagen{1003, 206, 81}, 206, 81);
    EXPECT_EQ(t.Anchura(), 206);
    EXPECT_EQ(t.Altura(), 81);
    t.UbicaEn(5, 6);
    EXPECT_EQ(t.EsquinaX(), 5);
    EXPECT_EQ(t.NodoBase(), 40);
}

TEST(Tablero, LosAccesosFueraDeRangoNoFallan) {
    TableroDePrueba t;
    EXPECT_EQ(t.EstadoDeEntrada(5), 0);
    EXPECT_EQ(t.EstadoDeEntrada(-1), 0);
    EXPECT_EQ(t.EstadoDeSalida(0), 0);
    EXPECT_EQ(t.DireccionDePuerto(5), nullptr);
    EXPECT_EQ(t.DireccionDePuerto(-1), nullptr);

    Tablero vacio;
    EXPECT_EQ(vacio.NumeroDePuertos(), 0);
    EXPECT_TRUE(vacio.EstaLimpio());
    EXPECT_EQ(vacio.PuertoEn(0, 0), nullptr);
    EXPECT_FALSE(vacio.MarcadorEn(0, 0));
    EXPECT_FALSE(vacio.EntradaEn(0, 0));
    EXPECT_FALSE(vacio.ClickIzquierdo(nullptr, 0, 0, 0, 0));
    prueba::LienzoDePrueba lienzo;
    vacio.Dibuja(lienzo);
    EXPECT_TRUE(lienzo.trazos.empty());
}

TEST(Tablero, EstaLimpioSigueACablesYPines) {
    TableroDePrueba t;
    Puerto otro, pin;
    EXPECT_TRUE(t.EstaLimpio());
    t.DireccionDePuerto(4)->Conecta(&otro);
    EXPECT_FALSE(t.EstaLimpio());
    t.DireccionDePuerto(4)->Desconecta();
    t.DireccionDePuerto(1)->Conecta(&pin);
    EXPECT_FALSE(t.EstaLimpio());
    t.DireccionDePuerto(1)->Desconecta();
    EXPECT_TRUE(t.EstaLimpio());
}

TEST(Tablero, EnviaTiposReafirmaSoloLosTiposPropiosQueExcitan) {
    TableroDePrueba t;
    Puerto lejano[2];
    lejano[0].NumeroDeSiguientes(1);
    lejano[1].NumeroDeAnteriores(1);
    // Everything was reset to free, as after a wire removal.
    for (int i = 0; i < 5; ++i) t.DireccionDePuerto(i)->Tipo('F');
    t.DireccionDePuerto(2)->Conecta(&lejano[0]);
    lejano[0].Conecta(t.DireccionDePuerto(2));

    t.EnviaTipos();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(t.DireccionDePuerto(i)->Tipo(), 'S');
    EXPECT_EQ(lejano[0].Tipo(), 'S');
    EXPECT_EQ(lejano[1].Tipo(), 'S');
    EXPECT_EQ(t.DireccionDePuerto(3)->Tipo(), 'F');  // inputs are not re-asserted
    EXPECT_EQ(t.DireccionDePuerto(4)->Tipo(), 'F');
}

}  // namespace
}  // namespace velistra
