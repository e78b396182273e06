#include <gtest/gtest.h>

#include <memory>

#include "support/BancoDePrueba.h"

namespace velistra {
namespace {

using prueba::BancoDePrueba;
using prueba::TirasDePrueba;

// Every hole of strip k has node n and type t.
::testing::AssertionResult TiraEs(TirasDePrueba& t, int k, int n, char tipo) {
    for (int j = 0; j < 5; ++j) {
        const Puerto* p = t.Tira(k, j);
        if (p->Nodo() != n || p->Tipo() != tipo)
            return ::testing::AssertionFailure() << "hueco " << j << ": nodo " << p->Nodo()
                                                 << ", tipo " << p->Tipo();
    }
    return ::testing::AssertionSuccess();
}

TEST(Conexiones, QueParesPuedenUnirse) {
    BancoDePrueba banco;
    TirasDePrueba& leds = banco.Agrega(std::make_unique<TirasDePrueba>(Tablero::kLeds, "E", "", 5));
    banco.Inserta(7004, 0);
    Mesa& m = banco.mesa;
    TirasDePrueba& p = banco.protoboard;
    Puerto* positivo = banco.fuente.Tira(0, 1);
    Puerto* salida2 = p.Tira(1, 2);  // pin 2
    Puerto* salida4 = p.Tira(3, 2);  // pin 4
    Puerto* libre = p.Tira(20, 0);

    EXPECT_FALSE(m.PuedeConectarPuertos(positivo, salida2));
    EXPECT_FALSE(m.PuedeConectarPuertos(salida2, salida4));
    EXPECT_FALSE(m.PuedeConectarPuertos(positivo, banco.fuente.Tira(1, 1)));
    EXPECT_FALSE(m.PuedeConectarPuertos(p.Tira(20, 0), p.Tira(20, 4)));
    EXPECT_FALSE(m.PuedeConectarPuertos(libre, nullptr));
    EXPECT_FALSE(m.PuedeConectarPuertos(nullptr, libre));
    EXPECT_TRUE(m.PuedeConectarPuertos(salida2, libre));
    EXPECT_TRUE(m.PuedeConectarPuertos(leds.Tira(0, 0), libre));
    EXPECT_TRUE(m.PuedeConectarPuertos(positivo, libre));

    EXPECT_TRUE(m.ConectaPuertos(salida2, libre));
    EXPECT_EQ(libre->OtroPuerto(), salida2);
    EXPECT_FALSE(m.PuedeConectarPuertos(salida2, libre));
}

TEST(Conexiones, AlUnirGanaElNodoMenorVengaDeDondeVenga) {
    for (const bool empiezaPorElMenor : {true, false}) {
        AvisosMudos avisos;
        Mesa mesa(avisos);
        TirasDePrueba bajo(Tablero::kProtoboard, "FF", "", 5);
        TirasDePrueba alto(Tablero::kProtoboard, "FF", "", 5);
        TirasDePrueba lejano(Tablero::kProtoboard, "F", "", 5);
        bajo.Define(0, 0, 1, 1, 5, 1);
        alto.Define(0, 0, 1, 1, 12, 2);
        lejano.Define(0, 0, 1, 1, 20, 3);
        // Net 12 already reaches a third board through a wire.
        ASSERT_TRUE(mesa.ConectaPuertos(alto.Tira(0, 4), lejano.Tira(0, 0)));
        EXPECT_TRUE(TiraEs(lejano, 0, 12, 'F'));

        Puerto* a = bajo.Tira(0, 2);
        Puerto* b = alto.Tira(0, 1);
        ASSERT_TRUE(empiezaPorElMenor ? mesa.ConectaPuertos(a, b) : mesa.ConectaPuertos(b, a));
        EXPECT_TRUE(TiraEs(bajo, 0, 5, 'F'));
        EXPECT_TRUE(TiraEs(alto, 0, 5, 'F'));
        EXPECT_TRUE(TiraEs(lejano, 0, 5, 'F'));
        EXPECT_TRUE(TiraEs(bajo, 1, 6, 'F'));
        EXPECT_TRUE(TiraEs(alto, 1, 13, 'F'));
        EXPECT_EQ(a->OtroPuerto(), b);
        EXPECT_EQ(b->OtroPuerto(), a);
    }
}

TEST(Conexiones, LosTiposSeExtiendenSegunQuienExcita) {
    BancoDePrueba banco;
    TirasDePrueba& leds = banco.Agrega(std::make_unique<TirasDePrueba>(Tablero::kLeds, "EE", "", 5));
    TirasDePrueba& p = banco.protoboard;
    banco.Inserta(7004, 0);

    // A source marks the free side, whichever end it is.
    ASSERT_TRUE(banco.Cablea(p, 20, banco.fuente, 0));
    EXPECT_TRUE(TiraEs(p, 20, banco.fuente.Tira(0)->Nodo(), 'V'));
    ASSERT_TRUE(banco.Cablea(1, 21));  // pin 2 is an output
    EXPECT_EQ(p.Tira(21)->Tipo(), 'S');
    // An input mark reaches a free net, from either end; input onto input changes nothing.
    ASSERT_TRUE(banco.Cablea(leds, 0, p, 22));
    EXPECT_EQ(p.Tira(22, 3)->Tipo(), 'E');
    ASSERT_TRUE(banco.Cablea(p, 23, leds, 1));
    EXPECT_EQ(p.Tira(23, 3)->Tipo(), 'E');
    // An input joined to a driven net takes the driving type.
    ASSERT_TRUE(banco.Cablea(p, 22, p, 21));
    EXPECT_EQ(leds.Tira(0, 4)->Tipo(), 'S');
    // Levels are not touched by joining.
    EXPECT_EQ(p.Tira(20)->Estado(), 'Z');
}

TEST(Conexiones, NuncaSeCierraUnLazoNiSeOcupaUnPuertoTomado) {
    BancoDePrueba banco;
    Mesa& m = banco.mesa;
    TirasDePrueba& p = banco.protoboard;
    Puerto* a = p.Tira(0, 0);
    Puerto* b = p.Tira(1, 0);
    ASSERT_TRUE(m.ConectaPuertos(a, b));

    // Another wire between the same two nets would close a loop.
    EXPECT_FALSE(m.ConectaPuertos(p.Tira(0, 1), p.Tira(1, 1)));
    EXPECT_TRUE(p.Tira(0, 1)->EstaLibre());
    EXPECT_TRUE(p.Tira(1, 1)->EstaLibre());
    EXPECT_FALSE(m.ConectaPuertos(p.Tira(2, 0), p.Tira(2, 3)));

    // Ports already wired or holding a chip pin keep what they have.
    EXPECT_FALSE(m.ConectaPuertos(a, p.Tira(2, 0)));
    EXPECT_EQ(a->OtroPuerto(), b);
    EXPECT_TRUE(p.Tira(2, 0)->EstaLibre());
    banco.Inserta(7004, 5);
    Puerto* ocupado = p.Tira(5, 0);
    EXPECT_FALSE(m.ConectaPuertos(p.Tira(3, 0), ocupado));
    EXPECT_EQ(ocupado->OtroPuerto(), m.pin());
    EXPECT_FALSE(m.ConectaPuertos(p.Tira(3, 0), m.pin()));
    EXPECT_FALSE(m.ConectaPuertos(nullptr, p.Tira(3, 0)));
    EXPECT_TRUE(p.Tira(3, 0)->EstaLibre());

    // Spreading over the net still ends.
    p.Tira(0, 3)->Estado('1');
    EXPECT_EQ(b->Estado(), '1');
}

TEST(Conexiones, QuitarUnCableDaNodosNuevosYDevuelveLosTiposASusFuentes) {
    BancoDePrueba banco;
    Mesa& m = banco.mesa;
    TirasDePrueba& p = banco.protoboard;
    Puerto* terminal = banco.fuente.Tira(0, 2);
    Puerto* hueco = p.Tira(10, 1);
    ASSERT_TRUE(m.ConectaPuertos(terminal, hueco));
    ASSERT_TRUE(banco.Cablea(10, 11));
    banco.fuente.Transmite();
    ASSERT_TRUE(TiraEs(p, 11, banco.fuente.Tira(0)->Nodo(), 'V'));
    ASSERT_EQ(p.Tira(11)->Estado(), '1');

    const int base = m.nodoBase();
    EXPECT_TRUE(m.DesconectaPuertos(terminal, hueco));
    EXPECT_EQ(m.nodoBase(), base + 2);
    EXPECT_TRUE(terminal->EstaLibre());
    EXPECT_TRUE(hueco->EstaLibre());
    for (int j = 0; j < 5; ++j) {
        EXPECT_EQ(banco.fuente.Tira(0, j)->Nodo(), base);
        EXPECT_EQ(banco.fuente.Tira(0, j)->Tipo(), 'V');
    }
    EXPECT_TRUE(TiraEs(p, 10, base + 1, 'F'));
    EXPECT_TRUE(TiraEs(p, 11, base + 1, 'F'));
    // The cut-off half keeps its last level until something drives it.
    EXPECT_EQ(p.Tira(11, 4)->Estado(), '1');
}

TEST(Conexiones, QuitarUnCableDejaLasSalidasDeChipsMarcadas) {
    BancoDePrueba banco;
    TirasDePrueba& p = banco.protoboard;
    banco.Inserta(7004, 0);
    ASSERT_TRUE(banco.Cablea(1, 20));  // pin 2
    ASSERT_TRUE(banco.Cablea(20, 21));
    EXPECT_TRUE(banco.mesa.DesconectaPuertos(p.Tira(20, 1), p.Tira(21, 0)));
    EXPECT_EQ(p.Tira(1)->Tipo(), 'S');
    EXPECT_EQ(p.Tira(20)->Tipo(), 'S');
    EXPECT_EQ(p.Tira(21)->Tipo(), 'F');
}

TEST(Conexiones, UnCableQueNoUneSusPuertosNoCortaNada) {
    BancoDePrueba banco;
    Mesa& m = banco.mesa;
    TirasDePrueba& p = banco.protoboard;
    ASSERT_TRUE(m.ConectaPuertos(p.Tira(0, 0), p.Tira(1, 0)));
    ASSERT_TRUE(m.ConectaPuertos(p.Tira(2, 0), p.Tira(3, 0)));
    banco.Inserta(7004, 10);
    const int base = m.nodoBase();
    const int nodo = p.Tira(1)->Nodo();

    // A wire from a file that was never connected: its ends are other wires' ports.
    EXPECT_FALSE(m.DesconectaPuertos(p.Tira(0, 0), p.Tira(3, 0)));
    EXPECT_FALSE(m.DesconectaPuertos(p.Tira(0, 0), p.Tira(4, 0)));
    EXPECT_FALSE(m.DesconectaPuertos(p.Tira(0, 0), nullptr));
    EXPECT_FALSE(m.DesconectaPuertos(p.Tira(10, 0), m.pin()));
    EXPECT_FALSE(m.DesconectaPuertos(p.Tira(0, 0), p.Tira(0, 0)));
    EXPECT_EQ(p.Tira(0, 0)->OtroPuerto(), p.Tira(1, 0));
    EXPECT_EQ(p.Tira(3, 0)->OtroPuerto(), p.Tira(2, 0));
    EXPECT_EQ(p.Tira(10, 0)->OtroPuerto(), m.pin());
    EXPECT_EQ(p.Tira(0)->Nodo(), nodo);
    EXPECT_EQ(m.nodoBase(), base);
}

TEST(Conexiones, CadaMesaCuentaSusPropiosCambios) {
    BancoDePrueba una;
    BancoDePrueba otra;
    const unsigned long antes = una.mesa.GeneracionDeConexiones();
    ASSERT_TRUE(otra.Cablea(20, 21));
    otra.Inserta(7004, 0);
    ASSERT_TRUE(otra.mesa.DesconectaPuertos(otra.protoboard.Tira(20, 0), otra.protoboard.Tira(21, 0)));
    otra.mesa.AgregaTablero(Tablero::kLeds);
    // Another bench's edits leave this one's picture of its nets valid.
    EXPECT_EQ(una.mesa.GeneracionDeConexiones(), antes);

    // Its own do not: a wire, a chip, a wire removed, a board added.
    unsigned long ultima = antes;
    auto crecio = [&] {
        const unsigned long ahora = una.mesa.GeneracionDeConexiones();
        const bool si = ahora > ultima;
        ultima = ahora;
        return si;
    };
    ASSERT_TRUE(una.Cablea(20, 21));
    EXPECT_TRUE(crecio());
    una.Inserta(7004, 0);
    EXPECT_TRUE(crecio());
    ASSERT_TRUE(una.mesa.DesconectaPuertos(una.protoboard.Tira(20, 0), una.protoboard.Tira(21, 0)));
    EXPECT_TRUE(crecio());
    una.mesa.AgregaTablero(Tablero::kLeds);
    EXPECT_TRUE(crecio());
    una.mesa.LimpiaMesa();
    EXPECT_TRUE(crecio());
}

TEST(Conexiones, CadenasLargasSinRecursion) {
    constexpr int kTiras = 100000;
    AvisosMudos avisos;
    Mesa mesa(avisos);
    auto tiras = std::make_unique<TirasDePrueba>(Tablero::kProtoboard, std::string(kTiras, 'F'), "", 2);
    TirasDePrueba& t = *tiras;
    t.Define(0, 0, 1, 1, 0, 1);
    mesa.AgregaTableroDefinido(std::move(tiras), kTiras);
    for (int k = 0; k + 1 < kTiras; ++k) ASSERT_TRUE(mesa.ConectaPuertos(t.Tira(k, 1), t.Tira(k + 1, 0)));
    EXPECT_EQ(t.Tira(kTiras - 1, 1)->Nodo(), 0);
    EXPECT_FALSE(mesa.ConectaPuertos(t.Tira(kTiras - 1, 1), t.Tira(0, 0)));

    t.Tira(0)->Estado('1');
    EXPECT_EQ(t.Tira(kTiras - 1, 1)->Estado(), '1');
    ASSERT_TRUE(mesa.DesconectaPuertos(t.Tira(kTiras / 2 - 1, 1), t.Tira(kTiras / 2, 0)));
    EXPECT_EQ(t.Tira(0)->Nodo(), kTiras);
    EXPECT_EQ(t.Tira(kTiras - 1, 1)->Nodo(), kTiras + 1);
}

}  // namespace
}  // namespace velistra
