#include <gtest/gtest.h>

#include <algorithm>

#include "tableros/TableroDeFuenteDC.h"
#include "tableros/TableroDeTiras.h"
#include "simulacion/AvisoDeRealimentacion.h"
#include "simulacion/Mesa.h"
#include "simulacion/LazosAlLimite.h"
#include "support/LienzoDePrueba.h"
#include "support/Montador.h"

namespace velistra {
namespace {

using prueba::ChipColocado;
using prueba::Montador;

// Three 7404s with one inverter each in a ring (chips 0, 1, 2); a fourth follows the ring
// without feeding it back; a fifth inverts a lever. The timer's 10 Hz clock lights a lamp,
// so every tick settles the circuit again.
class Anillo : public ::testing::TestWithParam<Mesa::Asentamiento> {
protected:
    Anillo() {
        mesa.EligeAsentamiento(GetParam());
        mesa.InicializaMesa();
        Tablero& proto = m.Coloca(Tablero::kProtoboard, {110, 110});
        palancas = &m.Coloca(Tablero::kInterruptores, {330, 420});
        Tablero& leds = m.Coloca(Tablero::kLeds, {560, 420});
        Tablero& reloj = m.MuestraTemporizador();
        m.Cablea(*mesa.fuentedc(), TableroDeFuenteDC::kPrimerVcc, proto, prueba::HoyoDeBus(0, 0), 0);
        m.Cablea(*mesa.fuentedc(), TableroDeFuenteDC::kPrimerGnd, proto, prueba::HoyoDeBus(1, 0), 0);
        for (Tablero* t : {palancas, &reloj}) {
            const auto& tiras = dynamic_cast<TableroDeTiras&>(*t);
            m.Cablea(m.Terminal(*t, tiras.PuertoVcc()), m.Bus(proto, 0, t->EsquinaX()), 0);
            m.Cablea(m.Terminal(*t, tiras.PuertoGnd()), m.Bus(proto, 1, t->EsquinaX()), 0);
        }
        m.Cablea(m.Terminal(leds, 8), m.Bus(proto, 1, leds.EsquinaX()), 0);
        m.Cablea(reloj, 0, leds, 2, 0);
        for (int c = 0; c < 5; ++c) {
            chips.push_back(m.Enchufa(7004, proto, 2 + 9 * c));
            m.Cablea(m.Pin(chips.back(), 14), m.Bus(proto, 0, m.Centro(m.Pin(chips.back(), 14)).x),
                     0);
            m.Cablea(m.Pin(chips.back(), 7), m.Bus(proto, 1, m.Centro(m.Pin(chips.back(), 7)).x),
                     0);
        }
        for (int c = 0; c < 3; ++c) m.Cablea(m.Pin(chips[c], 2), m.Pin(chips[(c + 1) % 3], 1), 0);
        m.Cablea(m.Pin(chips[2], 2), m.Pin(chips[3], 1), 0);
        m.Cablea(m.Pin(chips[3], 2), m.Terminal(leds, 0), 0);
        m.Cablea(m.Terminal(*palancas, 0), m.Pin(chips[4], 1), 0);
        m.Cablea(m.Pin(chips[4], 2), m.Terminal(leds, 1), 0);
    }

    int NodoDeSalida(int c) { return m.Pin(chips[static_cast<std::size_t>(c)], 2).puerto.Nodo(); }

    prueba::AvisosDePrueba avisos;
    Mesa mesa{avisos};
    Montador m{mesa};
    Tablero* palancas = nullptr;
    std::vector<ChipColocado> chips;
};

TEST_P(Anillo, ElContornoNombraLosChipsYLasRedesDelLazoYNadaMas) {
    mesa.ConmutaFuente();
    ASSERT_TRUE(mesa.SinAsentar());
    LazosAlLimite esperado;
    esperado.chips = {0, 1, 2};
    esperado.nodos = {NodoDeSalida(0), NodoDeSalida(1), NodoDeSalida(2)};
    std::sort(esperado.nodos.begin(), esperado.nodos.end());
    EXPECT_EQ(mesa.Lazos(), esperado);
    EXPECT_EQ(TextoDeRealimentacion(mesa.componentes(), mesa.Lazos()),
              "El circuito no se estabiliza: realimentación en 74LS04 (1), 74LS04 (2) y 74LS04 (3)");

    // Still failing at every tick, and the lever's chip never joins in.
    for (int i = 0; i < 3; ++i) mesa.Temporiza();
    mesa.PonEntrada(*palancas, 0, true);
    EXPECT_TRUE(mesa.SinAsentar());
    EXPECT_EQ(mesa.Lazos(), esperado);

    // Switched off, every chip loses its supply and the circuit settles.
    mesa.ConmutaFuente();
    EXPECT_FALSE(mesa.SinAsentar());
    EXPECT_TRUE(mesa.Lazos().empty());
}

TEST_P(Anillo, ElAvisoSaleUnaVezPorEncendidoSiSePideYSiempreSiNo) {
    // As the command-line runner has it: every settling at the limit says so.
    mesa.ConmutaFuente();
    mesa.Temporiza();
    mesa.Temporiza();
    EXPECT_EQ(avisos.mensajes.size(), 3u);
    mesa.ConmutaFuente();

    // As the window has it: once per switch-on, whatever ticks and levers do after.
    avisos.mensajes.clear();
    mesa.EscuchaAsentamientos(AvisoUnaVezPorEncendido(avisos));
    mesa.ConmutaFuente();
    ASSERT_EQ(avisos.mensajes.size(), 1u);
    EXPECT_EQ(avisos.mensajes[0].titulo, "Información");
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(mesa.Temporiza());
    mesa.PonEntrada(*palancas, 0, true);
    EXPECT_EQ(avisos.mensajes.size(), 1u);
    EXPECT_TRUE(mesa.SinAsentar());
    mesa.ConmutaFuente();
    mesa.ConmutaFuente();
    EXPECT_EQ(avisos.mensajes.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(LosDosBucles, Anillo,
                         ::testing::Values(Mesa::Asentamiento::PorCambios,
                                           Mesa::Asentamiento::Completo));

}  // namespace
}  // namespace velistra
