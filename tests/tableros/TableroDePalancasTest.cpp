#include <gtest/gtest.h>

#include "tableros/TableroDeInterruptores.h"
#include "support/LienzoDePrueba.h"
#include "support/Punterias.h"
#include "support/TablerosSueltos.h"

namespace velistra {
namespace {

template <typename T>
std::unique_ptr<T> EnEsquina(int tipo) {
    return prueba::CreaEnEsquina<T>(tipo, 20, 3);
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

TEST(TableroDePalancas, NumeraCadaTiraYLuegoVccYGnd) {
    for (int tipo : {Tablero::kInterruptores, Tablero::kPulsadores}) {
        auto t = EnEsquina<TableroDePalancas>(tipo);
        EXPECT_EQ(t->Tipo(), tipo);
        for (int i = 0; i < 24; ++i) EXPECT_EQ(t->DireccionDePuerto(i)->Nodo(), 20 + i / 3);
        EXPECT_EQ(t->DireccionDePuerto(24)->Nodo(), 28);
        EXPECT_EQ(t->DireccionDePuerto(25)->Nodo(), 29);
    }
}

TEST(TableroDePalancas, TerminalesHastaSusBordes) {
    auto sw = EnEsquina<TableroDeInterruptores>(Tablero::kInterruptores);
    auto pb = EnEsquina<TableroDePulsadores>(Tablero::kPulsadores);
    for (Tablero* t : {static_cast<Tablero*>(sw.get()), static_cast<Tablero*>(pb.get())}) {
        prueba::CompruebaPunterias(*t, {
            {52, 7, 0, 56, 11}, {52 + 141, 7 + 34, 23, 56 + 19 * 7, 11 + 26},
            // the bounds cut the last column and row to 9 pixels on both boards
            {52 + 142, 7, -1}, {52, 7 + 35, -1}, {51, 7, -1}, {52, 6, -1}, {52 + 38 + 10, 7, -1},
            {11, 7, 24, 15, 11}, {19, 15, 24, 15, 11}, {20, 15, -1},
            {11, 65, 25, 15, 69}, {19, 73, 25, 15, 69}, {19, 74, -1}, {10, 65, -1},
        });
    }
    // Nine pixels into a terminal is a gap on the switch board, still the terminal on
    // the push-button board.
    prueba::CompruebaPunterias(*sw, {{52 + 19 * 3 + 9, 7, -1}, {52, 7 + 13 + 9, -1}});
    prueba::CompruebaPunterias(*pb,
                               {{52 + 19 * 3 + 9, 7, 9, 56 + 57, 11}, {52, 7 + 13 + 9, 1, 56, 24}});
}

TEST(TableroDePalancas, MarcadoresYPalancasHastaSusBordes) {
    for (int tipo : {Tablero::kInterruptores, Tablero::kPulsadores}) {
        auto t = EnEsquina<TableroDePalancas>(tipo);
        prueba::CompruebaToques(*t, [&](int x, int y) { return t->MarcadorEn(x, y); }, {
            {0, 33, true}, {6, 47, true}, {199, 33, true}, {205, 47, true}, {7, 40, false},
            {198, 40, false}, {3, 32, false}, {3, 48, false}, {-1, 40, false},
        });

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
            EXPECT_EQ(t.modo, ModoDeCopia::Copia);
            EXPECT_EQ(prueba::Copia(t),
                      (std::array{c.imagen, 110 + 48 + 19 * palanca, 110 + c.y, c.ancho, c.alto}));
        }
    }
}

}  // namespace
}  // namespace velistra
