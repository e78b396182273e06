#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "modelo/Puerto.h"

namespace velistra {
namespace {

// Lays ports [primero, primero + n) of `p` out as one strip.
void Tira(Puerto* p, int primero, int n) {
    for (int j = 0; j < n; ++j) {
        p[primero + j].Indice(primero + j);
        p[primero + j].NumeroDeAnteriores(j);
        p[primero + j].NumeroDeSiguientes(n - 1 - j);
    }
}

void Cablea(Puerto& a, Puerto& b) {
    a.Conecta(&b);
    b.Conecta(&a);
}

TEST(Puerto, UnPuertoNuevoEstaLibreFlotanteYSinTipo) {
    Puerto p;
    EXPECT_TRUE(p.EstaLibre());
    EXPECT_EQ(p.Nodo(), 0);
    EXPECT_EQ(p.Estado(), 'Z');
    EXPECT_EQ(p.Tipo(), 'F');
    EXPECT_EQ(p.TipoOriginal(), 'F');
    EXPECT_EQ(p.OtroPuerto(), nullptr);
}

TEST(Puerto, LaDifusionCubreLaTiraYNadaMas) {
    Puerto p[10];
    Tira(p, 0, 5);
    Tira(p, 5, 5);
    p[2].Estado('1');
    p[3].Nodo(7);
    p[4].Tipo('S');
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(p[i].Estado(), '1') << i;
        EXPECT_EQ(p[i].Nodo(), 7) << i;
        EXPECT_EQ(p[i].Tipo(), 'S') << i;
    }
    for (int i = 5; i < 10; ++i) {
        EXPECT_EQ(p[i].Estado(), 'Z') << i;
        EXPECT_EQ(p[i].Nodo(), 0) << i;
        EXPECT_EQ(p[i].Tipo(), 'F') << i;
    }
}

TEST(Puerto, TipoOriginalNoSeDifundePeroTipoSi) {
    Puerto p[3];
    Tira(p, 0, 3);
    p[1].TipoOriginal('S');
    EXPECT_EQ(p[1].Tipo(), 'S');
    EXPECT_EQ(p[0].Tipo(), 'F');
    EXPECT_EQ(p[2].Tipo(), 'F');
    p[1].Tipo('S');
    EXPECT_EQ(p[0].Tipo(), 'S');
    EXPECT_EQ(p[2].Tipo(), 'S');
    EXPECT_EQ(p[0].TipoOriginal(), 'F');
}

TEST(Puerto, LosCablesDeLosCompanerosSeSiguenPeroNoElPropio) {
    // Column of 5 holes, a bus row of 6 wired from hole 3, and a third strip wired
    // from the starting hole 0 itself.
    Puerto columna[5], bus[6], otra[3];
    Tira(columna, 0, 5);
    Tira(bus, 0, 6);
    Tira(otra, 0, 3);
    Cablea(columna[3], bus[4]);
    Cablea(columna[0], otra[1]);

    columna[0].Estado('1');
    for (auto& p : columna) EXPECT_EQ(p.Estado(), '1');
    for (auto& p : bus) EXPECT_EQ(p.Estado(), '1');
    for (auto& p : otra) EXPECT_EQ(p.Estado(), 'Z');

    // The twin operation follows the port's own wire and nothing else of its strip.
    columna[0].EstadoDelSiguiente('0');
    EXPECT_EQ(columna[0].Estado(), '0');
    EXPECT_EQ(columna[1].Estado(), '1');
    for (auto& p : otra) EXPECT_EQ(p.Estado(), '0');
    EXPECT_EQ(bus[0].Estado(), '1');
}

TEST(Puerto, UnArbolDeTirasYCablesSeRecorreEntero) {
    Puerto a[3], b[3], c[3], d[2];
    Tira(a, 0, 3);
    Tira(b, 0, 3);
    Tira(c, 0, 3);
    Tira(d, 0, 2);
    Cablea(a[0], b[0]);
    Cablea(b[2], c[1]);
    Cablea(a[2], d[1]);
    b[1].Nodo(42);
    for (Puerto* tira : {a, b, c}) {
        for (int i = 0; i < 3; ++i) EXPECT_EQ(tira[i].Nodo(), 42);
    }
    EXPECT_EQ(d[0].Nodo(), 42);
    EXPECT_EQ(d[1].Nodo(), 42);
}

TEST(Puerto, ElCentinelaDeUnPinAbsorbeLaDifusion) {
    Puerto pin;
    Puerto columna[5], vecina[5];
    Tira(columna, 0, 5);
    Tira(vecina, 0, 5);
    columna[4].Conecta(&pin);  // a chip pin sits in hole 4
    columna[0].Estado('1');
    EXPECT_EQ(pin.Estado(), '1');
    EXPECT_EQ(pin.OtroPuerto(), nullptr);
    for (auto& p : vecina) EXPECT_EQ(p.Estado(), 'Z');
    EXPECT_FALSE(columna[4].EstaLibre());
}

TEST(Puerto, UnPuertoSolitarioSoloSeCambiaASiMismo) {
    Puerto p[3];  // three lone ports, no strips
    p[1].Nodo(9);
    p[1].Tipo('E');
    p[1].Estado('0');
    EXPECT_EQ(p[0].Nodo(), 0);
    EXPECT_EQ(p[2].Estado(), 'Z');
    EXPECT_EQ(p[1].Tipo(), 'E');
}

TEST(Puerto, UnaCadenaMuyLargaDeCablesNoAgotaLaPila) {
    // 200 000 strips of two ports, each wired to the next: one net of 400 000 ports.
    constexpr int kTiras = 200000;
    auto p = std::make_unique<Puerto[]>(2 * kTiras);
    for (int t = 0; t < kTiras; ++t) Tira(p.get(), 2 * t, 2);
    for (int t = 0; t + 1 < kTiras; ++t) Cablea(p[2 * t + 1], p[2 * t + 2]);
    p[0].Estado('1');
    p[0].Nodo(3);
    EXPECT_EQ(p[2 * kTiras - 1].Estado(), '1');
    EXPECT_EQ(p[2 * kTiras - 1].Nodo(), 3);
    p[2 * kTiras - 1].Tipo('V');
    EXPECT_EQ(p[0].Tipo(), 'V');
}

TEST(Puerto, EsTipoQueExcitaSoloParaSalidaAlimentacionYTierra) {
    for (char t : {'S', 'V', 'G'}) EXPECT_TRUE(EsTipoQueExcita(t));
    for (char t : {'F', 'E', 'N'}) EXPECT_FALSE(EsTipoQueExcita(t));
}

}  // namespace
}  // namespace velistra
