#include <gtest/gtest.h>

#include <array>

#include "tableros/TableroDeTemporizadores.h"
#include "support/LienzoDePrueba.h"
#include "support/Punterias.h"
#include "support/TablerosSueltos.h"

namespace velistra {
namespace {

using prueba::Crea;
using prueba::PuertoEnRelativo;

std::unique_ptr<TableroDeTemporizadores> Reloj() {
    auto r = Crea<TableroDeTemporizadores>(Tablero::kTemporizadores);
    r->Define(100, 400, r->Anchura(), r->Altura(), 2, 2);
    return r;
}

// A shown timer board fed by a switched-on supply.
struct RelojAlimentado {
    prueba::Fuente fuente;
    std::unique_ptr<TableroDeTemporizadores> reloj = Reloj();

    RelojAlimentado() {
        reloj->Muestra();
        prueba::Cablea(reloj->DireccionDePuerto(12), fuente.Vcc());
        prueba::Cablea(reloj->DireccionDePuerto(13), fuente.Gnd());
        fuente.Pon(true);
    }
    char Nivel(int k) {
        const char e = reloj->DireccionDePuerto(3 * k)->Estado();
        EXPECT_EQ(reloj->DireccionDePuerto(3 * k + 2)->Estado(), e);
        return e;
    }
};

TEST(TableroDeTemporizadores, OcultoNoOfreceNadaYVisibleSi) {
    auto r = Reloj();
    EXPECT_FALSE(r->EstaVisible());
    for (int dx = -2; dx < 210; ++dx) {
        for (int dy = -2; dy < 85; ++dy) {
            ASSERT_EQ(PuertoEnRelativo(*r, dx, dy), -1);
            ASSERT_FALSE(r->MarcadorEn(100 + dx, 400 + dy));
        }
    }
    prueba::LienzoDePrueba oculto;
    r->Dibuja(oculto);
    EXPECT_TRUE(oculto.trazos.empty());

    r->Muestra();
    EXPECT_TRUE(r->EstaVisible());
    prueba::CompruebaPunterias(*r, {
        {55, 7, 0, 59, 11}, {55 + 122, 7 + 34, 11, 59 + 38 * 3, 11 + 26}, {55 + 123, 7, -1},
        {55 + 9, 7, -1}, {55 + 38, 7 + 13, 4, 59 + 38, 24},
        {11, 7, 12, 15, 11}, {19, 73, 13, 15, 69},
    });
    prueba::CompruebaToques(*r, [&](int x, int y) { return r->MarcadorEn(x, y); }, {
        {0, 33, true}, {205, 47, true}, {7, 33, false},
    });

    prueba::LienzoDePrueba visible;
    r->Dibuja(visible);
    ASSERT_EQ(visible.trazos.size(), 1u);
    EXPECT_EQ(visible.trazos[0].id, 1009);
    EXPECT_EQ(visible.trazos[0].a, 100);
    EXPECT_EQ(visible.trazos[0].b, 400);

    r->Oculta();
    EXPECT_EQ(PuertoEnRelativo(*r, 55, 7), -1);
}

TEST(TableroDeTemporizadores, NumeraCadaRelojYLuegoVccYGnd) {
    auto r = Reloj();
    for (int i = 0; i < 12; ++i) EXPECT_EQ(r->DireccionDePuerto(i)->Nodo(), 2 + i / 3);
    EXPECT_EQ(r->DireccionDePuerto(12)->Nodo(), 6);
    EXPECT_EQ(r->DireccionDePuerto(13)->Nodo(), 7);
}

TEST(TableroDeTemporizadores, VeintePasosDanVeinteDiezCuatroYDosCambios) {
    RelojAlimentado banco;
    auto& r = *banco.reloj;
    std::array<int, 4> cambios{};
    std::array<char, 4> antes{'0', '0', '0', '0'};
    for (int paso = 1; paso <= 20; ++paso) {
        r.Conmuta();
        EXPECT_EQ(r.Contador(), paso % 20);
        for (int k = 0; k < 4; ++k) {
            const char ahora = banco.Nivel(k);
            EXPECT_EQ(ahora, static_cast<char>('0' + r.EstadoDeSalida(k)));
            if (ahora != antes[static_cast<std::size_t>(k)]) ++cambios[static_cast<std::size_t>(k)];
            antes[static_cast<std::size_t>(k)] = ahora;
        }
        // Clock k first rises at step 1, 2, 5 and 10.
        constexpr int kPrimeraSubida[4] = {1, 2, 5, 10};
        for (int k = 0; k < 4; ++k) {
            if (paso <= kPrimeraSubida[k]) {
                EXPECT_EQ(banco.Nivel(k), paso == kPrimeraSubida[k] ? '1' : '0');
            }
        }
    }
    EXPECT_EQ(cambios, (std::array<int, 4>{20, 10, 4, 2}));
    EXPECT_EQ(r.Contador(), 0);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(r.EstadoDeSalida(k), 0);
}

TEST(TableroDeTemporizadores, UnPasoSinAlimentacionReiniciaElContadorYFlota) {
    RelojAlimentado banco;
    auto& r = *banco.reloj;
    for (int i = 0; i < 3; ++i) r.Conmuta();
    EXPECT_EQ(r.Contador(), 3);
    const unsigned char reloj0 = r.EstadoDeSalida(0);

    banco.fuente.Pon(false);
    r.Conmuta();
    EXPECT_EQ(r.Contador(), 0);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(banco.Nivel(k), 'Z');
    EXPECT_EQ(r.EstadoDeSalida(0), reloj0);  // the levels are kept

    // Back on: the count starts again from 1 with the levels the clocks had.
    banco.fuente.Pon(true);
    r.Conmuta();
    EXPECT_EQ(r.Contador(), 1);
    EXPECT_EQ(r.EstadoDeSalida(0), reloj0 ? 0 : 1);
    EXPECT_EQ(banco.Nivel(0), static_cast<char>('0' + r.EstadoDeSalida(0)));

    // Transmite follows the power as well.
    banco.fuente.Pon(false);
    r.Transmite();
    EXPECT_EQ(banco.Nivel(1), 'Z');
    banco.fuente.Pon(true);
    r.Transmite();
    EXPECT_EQ(banco.Nivel(1), static_cast<char>('0' + r.EstadoDeSalida(1)));
}

TEST(TableroDeTemporizadores, TieneSalidasSoloConUnRelojCableado) {
    RelojAlimentado banco;
    auto& r = *banco.reloj;
    EXPECT_FALSE(r.TieneSalidas());  // VCC and GND wired do not count
    Puerto lejano;
    prueba::Cablea(r.DireccionDePuerto(11), &lejano);
    EXPECT_TRUE(r.TieneSalidas());
    r.Conmuta();
    EXPECT_EQ(lejano.Estado(), r.EstadoDeSalida(3) ? '1' : '0');
    r.DireccionDePuerto(11)->Desconecta();
    EXPECT_FALSE(r.TieneSalidas());
}

}  // namespace
}  // namespace velistra
