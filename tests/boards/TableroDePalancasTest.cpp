#include <gtest/gtest.h>

#include "boards/TableroDeInterruptores.h"
#include "support/LienzoDePrueba.h"
#include "tests/boards/Banco.h"

namespace velistra {
namespace {

using prueba::Crea;
using prueba::PuertoEnRelativo;

template <typename T>
std::unique_ptr<T> EnEsquina(int tipo) {
    auto t = Crea<T>(tipo);
    t->Define(110, 110, t->Anchura(), t->Altura(), 20, 3);
    return t;
}

// A board whose VCC and GND terminals are wired to a supply.
struct Montaje {
    prueba::Fuente fuente;
    std::unique_ptr<TableroDePalancas> tablero;

    explicit Montaje(std::unique_ptr<TableroDePalancas> t) : tablero(std::move(t)) {}

    Puerto* Terminal(int i) { return tablero->DireccionDePuerto(i); }
    void Alimenta(Puerto* haciaVcc, Puerto* haciaGnd) {
        prueba::Cablea(Terminal(24), haciaVcc);
        prueba::Cablea(Terminal(25), haciaGnd);
    }
    // The supply switched to that position and then the board, in bench order.
    void Enciende(bool encendida = true) {
        fuente.Pon(encendida);
        tablero->Transmite();
    }
    // The lever or key i, hit by the mouse and operated.
    void Opera(int i) {
        ASSERT_TRUE(tablero->EntradaEn(110 + 50 + 19 * i, 110 + 60));
        tablero->Conmuta();
    }
    char Tira(int i) {
        const char e = Terminal(3 * i)->Estado();
        EXPECT_EQ(Terminal(3 * i + 1)->Estado(), e);
        EXPECT_EQ(Terminal(3 * i + 2)->Estado(), e);
        return e;
    }
};

TEST(TableroDePalancas, PuertosTirasYNodos) {
    for (int tipo : {Tablero::kInterruptores, Tablero::kPulsadores}) {
        auto t = EnEsquina<TableroDePalancas>(tipo);
        EXPECT_EQ(t->Tipo(), tipo);
        EXPECT_EQ(t->NumeroDePuertos(), 26);
        EXPECT_EQ(t->NumeroDeEntradas(), 8);
        EXPECT_EQ(t->NumeroDeSalidas(), 0);
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(t->EstadoDeEntrada(i), 0);
            for (int j = 0; j < 3; ++j) {
                const Puerto* p = t->DireccionDePuerto(3 * i + j);
                EXPECT_EQ(p->TipoOriginal(), 'S');
                EXPECT_EQ(p->Nodo(), 20 + i);
                EXPECT_EQ(p->NumeroDeAnteriores(), j);
                EXPECT_EQ(p->NumeroDeSiguientes(), 2 - j);
            }
        }
        EXPECT_EQ(t->DireccionDePuerto(24)->TipoOriginal(), 'F');
        EXPECT_EQ(t->DireccionDePuerto(24)->Nodo(), 28);
        EXPECT_EQ(t->DireccionDePuerto(25)->TipoOriginal(), 'F');
        EXPECT_EQ(t->DireccionDePuerto(25)->Nodo(), 29);
    }
}

TEST(TableroDePalancas, TerminalesHastaSusBordes) {
    auto sw = EnEsquina<TableroDeInterruptores>(Tablero::kInterruptores);
    auto pb = EnEsquina<TableroDePulsadores>(Tablero::kPulsadores);
    for (Tablero* t : {static_cast<Tablero*>(sw.get()), static_cast<Tablero*>(pb.get())}) {
        EXPECT_EQ(PuertoEnRelativo(*t, 52, 7), 0);
        EXPECT_EQ(t->CentroX(), 110 + 56);
        EXPECT_EQ(t->CentroY(), 110 + 11);
        EXPECT_EQ(PuertoEnRelativo(*t, 52 + 141, 7 + 34), 23);
        EXPECT_EQ(t->CentroX(), 110 + 56 + 19 * 7);
        EXPECT_EQ(t->CentroY(), 110 + 11 + 26);
        // The bounds cut the last column and row to 9 pixels on both boards.
        EXPECT_EQ(PuertoEnRelativo(*t, 52 + 142, 7), -1);
        EXPECT_EQ(PuertoEnRelativo(*t, 52, 7 + 35), -1);
        EXPECT_EQ(PuertoEnRelativo(*t, 51, 7), -1);
        EXPECT_EQ(PuertoEnRelativo(*t, 52, 6), -1);
        EXPECT_EQ(PuertoEnRelativo(*t, 52 + 19 * 2 + 10, 7), -1);

        EXPECT_EQ(PuertoEnRelativo(*t, 11, 7), 24);
        EXPECT_EQ(t->CentroX(), 110 + 15);
        EXPECT_EQ(t->CentroY(), 110 + 11);
        EXPECT_EQ(PuertoEnRelativo(*t, 19, 15), 24);
        EXPECT_EQ(PuertoEnRelativo(*t, 20, 15), -1);
        EXPECT_EQ(PuertoEnRelativo(*t, 11, 65), 25);
        EXPECT_EQ(t->CentroY(), 110 + 69);
        EXPECT_EQ(PuertoEnRelativo(*t, 19, 73), 25);
        EXPECT_EQ(PuertoEnRelativo(*t, 19, 74), -1);
        EXPECT_EQ(PuertoEnRelativo(*t, 10, 65), -1);
    }
    // Nine pixels into a terminal is a gap on the switch board, still the terminal on
    // the push-button board.
    EXPECT_EQ(PuertoEnRelativo(*sw, 52 + 19 * 3 + 9, 7), -1);
    EXPECT_EQ(PuertoEnRelativo(*pb, 52 + 19 * 3 + 9, 7), 9);
    EXPECT_EQ(PuertoEnRelativo(*sw, 52, 7 + 13 + 9), -1);
    EXPECT_EQ(PuertoEnRelativo(*pb, 52, 7 + 13 + 9), 1);
}

TEST(TableroDePalancas, MarcadoresYPalancasHastaSusBordes) {
    for (int tipo : {Tablero::kInterruptores, Tablero::kPulsadores}) {
        auto t = EnEsquina<TableroDePalancas>(tipo);
        const auto marcador = [&](int dx, int dy) { return t->MarcadorEn(110 + dx, 110 + dy); };
        EXPECT_TRUE(marcador(0, 33));
        EXPECT_TRUE(marcador(6, 47));
        EXPECT_TRUE(marcador(199, 33));
        EXPECT_TRUE(marcador(205, 47));
        EXPECT_FALSE(marcador(7, 40));
        EXPECT_FALSE(marcador(198, 40));
        EXPECT_FALSE(marcador(3, 32));
        EXPECT_FALSE(marcador(3, 48));
        EXPECT_FALSE(marcador(-1, 40));

        for (int i = 0; i < 8; ++i) {
            const int x0 = 110 + 48 + 19 * i;
            EXPECT_TRUE(t->EntradaEn(x0, 110 + 47));
            EXPECT_EQ(t->EntradaSeleccionada(), i);
            EXPECT_TRUE(t->EntradaEn(x0 + 14, 110 + 74));
            EXPECT_EQ(t->EntradaSeleccionada(), i);
            EXPECT_FALSE(t->EntradaEn(x0 + 15, 110 + 60));
            EXPECT_FALSE(t->EntradaEn(x0 + 5, 110 + 46));
            EXPECT_FALSE(t->EntradaEn(x0 + 5, 110 + 75));
        }
        EXPECT_FALSE(t->EntradaEn(110 + 47, 110 + 60));
        // A miss keeps the last selection.
        EXPECT_EQ(t->EntradaSeleccionada(), 7);
    }
}

TEST(TableroDePalancas, SinAlimentacionFlotaYSoloMueveLaPalanca) {
    Montaje m(EnEsquina<TableroDePalancas>(Tablero::kInterruptores));
    m.Opera(2);
    m.Enciende();
    for (int i = 0; i < 8; ++i) EXPECT_EQ(m.Tira(i), 'Z');  // VCC and GND unwired

    m.Opera(2);
    EXPECT_EQ(m.tablero->EstadoDeEntrada(2), 0);
    EXPECT_EQ(m.Tira(2), 'Z');

    // Only VCC wired.
    Montaje soloVcc(EnEsquina<TableroDePalancas>(Tablero::kInterruptores));
    prueba::Cablea(soloVcc.Terminal(24), soloVcc.fuente.Vcc());
    soloVcc.Opera(0);
    soloVcc.Enciende();
    EXPECT_EQ(soloVcc.Tira(0), 'Z');
}

TEST(TableroDePalancas, VccYGndCruzadosNoAlimentan) {
    Montaje m(EnEsquina<TableroDePalancas>(Tablero::kInterruptores));
    m.Alimenta(m.fuente.Gnd(1), m.fuente.Vcc(1));
    EXPECT_EQ(m.Terminal(24)->Tipo(), 'G');
    EXPECT_EQ(m.Terminal(25)->Tipo(), 'V');
    m.Opera(4);
    m.Enciende();
    EXPECT_FALSE(m.tablero->EstaAlimentado());
    for (int i = 0; i < 8; ++i) EXPECT_EQ(m.Tira(i), 'Z');
}

TEST(TableroDePalancas, AlimentadoExcitaCadaTiraSegunSuPalanca) {
    Montaje m(EnEsquina<TableroDePalancas>(Tablero::kInterruptores));
    m.Alimenta(m.fuente.Vcc(), m.fuente.Gnd());
    Puerto entrada;
    prueba::Cablea(m.Terminal(3 * 5 + 2), &entrada);
    m.Opera(1);  // flipped while off: only seen at the next transmission
    EXPECT_EQ(m.Tira(1), 'Z');

    m.Enciende();
    EXPECT_TRUE(m.tablero->EstaAlimentado());
    EXPECT_EQ(m.Tira(1), '1');
    EXPECT_EQ(m.Tira(5), '0');
    EXPECT_EQ(entrada.Estado(), '0');

    m.Opera(5);
    EXPECT_EQ(m.Tira(5), '1');
    EXPECT_EQ(entrada.Estado(), '1');
    EXPECT_EQ(m.Tira(1), '1');
    m.Opera(5);
    EXPECT_EQ(entrada.Estado(), '0');

    // Switching off floats every strip and whatever it feeds.
    m.Enciende(false);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(m.Tira(i), 'Z');
    EXPECT_EQ(entrada.Estado(), 'Z');
    EXPECT_EQ(m.tablero->EstadoDeEntrada(1), 1);
}

TEST(TableroDePalancas, ElPulsadorSeSueltaDondeSePulso) {
    Montaje m(EnEsquina<TableroDePalancas>(Tablero::kPulsadores));
    m.Alimenta(m.fuente.Vcc(), m.fuente.Gnd());
    m.Enciende();
    EXPECT_EQ(m.Tira(6), '0');

    m.Opera(6);
    EXPECT_EQ(m.Tira(6), '1');
    // The release acts on the remembered key wherever the pointer is.
    m.tablero->Conmuta();
    EXPECT_EQ(m.Tira(6), '0');
    EXPECT_EQ(m.tablero->EstadoDeEntrada(6), 0);
    EXPECT_EQ(m.tablero->EntradaSeleccionada(), 6);
}

TEST(TableroDePalancas, DibujaLasPalancasOperadas) {
    struct Caso {
        int tipo;
        int fondo, imagen, y, ancho, alto;
    };
    for (const Caso c : {Caso{Tablero::kInterruptores, 1003, 1004, 47, 15, 28},
                         Caso{Tablero::kPulsadores, 1005, 1006, 48, 17, 19}}) {
        Montaje m(EnEsquina<TableroDePalancas>(c.tipo));
        m.Opera(1);
        m.Opera(6);
        prueba::LienzoDePrueba lienzo;
        m.tablero->Dibuja(lienzo);
        ASSERT_EQ(lienzo.trazos.size(), 3u);
        EXPECT_EQ(lienzo.trazos[0].id, c.fondo);
        EXPECT_EQ(lienzo.trazos[0].a, 110);
        EXPECT_EQ(lienzo.trazos[0].c, 206);
        EXPECT_EQ(lienzo.trazos[0].d, 81);
        int i = 1;
        for (int palanca : {1, 6}) {
            const prueba::Trazo& t = lienzo.trazos[static_cast<std::size_t>(i++)];
            EXPECT_EQ(t.id, c.imagen);
            EXPECT_EQ(t.modo, ModoDeCopia::Copia);
            EXPECT_EQ(t.a, 110 + 48 + 19 * palanca);
            EXPECT_EQ(t.b, 110 + c.y);
            EXPECT_EQ(t.c, c.ancho);
            EXPECT_EQ(t.d, c.alto);
        }
    }
}

}  // namespace
}  // namespace velistra
