#include <gtest/gtest.h>

#include <array>

#include "tableros/Protoboard.h"
#include "tableros/TableroDeInterruptores.h"
#include "tableros/TableroDeLeds.h"
#include "tableros/TableroDeTemporizadores.h"
#include "modelo/Componente.h"
#include "simulacion/Mesa.h"
#include "support/LienzoDePrueba.h"

namespace velistra {
namespace {

// A new workbench whose boards are wired with real wires.
class Instrumentos : public ::testing::Test {
protected:
    Instrumentos() { mesa.InicializaMesa(); }

    template <typename T>
    T& Agrega(int tipo) {
        return dynamic_cast<T&>(*mesa.AgregaTablero(tipo));
    }
    // Supply terminals: each takes one wire, so every board gets its own.
    Puerto* Vcc(int k) { return mesa.fuentedc()->DireccionDePuerto(k); }
    Puerto* Gnd(int k) { return mesa.fuentedc()->DireccionDePuerto(4 + k); }

    void Cablea(Puerto* a, Puerto* b) { ASSERT_TRUE(mesa.ConectaPuertos(a, b)); }
    void Cablea(Tablero& a, int i, Tablero& b, int j) {
        Cablea(a.DireccionDePuerto(i), b.DireccionDePuerto(j));
    }
    void Alimenta(TableroDeTiras& t, int k) {
        Cablea(t.DireccionDePuerto(t.PuertoVcc()), Vcc(k));
        Cablea(t.DireccionDePuerto(t.PuertoGnd()), Gnd(k));
    }
    void Enciende(bool encendida) {
        const bool estaba = mesa.fuentedc()->EstadoDeEntrada(0) != 0;
        if (estaba != encendida) mesa.ConmutaFuente();
        ASSERT_EQ(mesa.bON(), encendida);
    }
    TableroDeTemporizadores& Reloj() { return dynamic_cast<TableroDeTemporizadores&>(*mesa.reloj()); }

    prueba::AvisosDePrueba avisos;
    Mesa mesa{avisos};
};

TEST_F(Instrumentos, UnaLamparaSigueASuPalancaSoloConLaFuenteEncendida) {
    auto& sw = Agrega<TableroDeInterruptores>(Tablero::kInterruptores);
    auto& leds = Agrega<TableroDeLeds>(Tablero::kLeds);
    Alimenta(sw, 0);
    Cablea(leds, 8, *mesa.fuentedc(), 4 + 1);
    Cablea(sw, 3 * 2 + 1, leds, 2);

    ASSERT_TRUE(mesa.PonEntrada(sw, 2, true));
    EXPECT_FALSE(leds.EstadoDeLed(2));  // supply off

    Enciende(true);
    EXPECT_TRUE(leds.EstadoDeLed(2));
    EXPECT_TRUE(mesa.PonEntrada(sw, 2, false));
    EXPECT_FALSE(leds.EstadoDeLed(2));
    EXPECT_EQ(leds.DireccionDePuerto(2)->Estado(), '0');
    EXPECT_TRUE(mesa.PonEntrada(sw, 2, true));
    EXPECT_TRUE(leds.EstadoDeLed(2));
    EXPECT_TRUE(mesa.PonEntrada(sw, 2, true));  // already up: nothing moves
    EXPECT_EQ(sw.EstadoDeEntrada(2), 1);
    for (int i : {0, 1, 3, 7}) EXPECT_FALSE(leds.EstadoDeLed(i));

    // Switching off floats the lever's net and every lamp goes dark; the lever stays up.
    Enciende(false);
    EXPECT_FALSE(leds.EstadoDeLed(2));
    EXPECT_EQ(leds.DireccionDePuerto(2)->Estado(), 'Z');
    EXPECT_EQ(sw.EstadoDeEntrada(2), 1);

    // Only boards of levers and keys, and only their eight inputs.
    EXPECT_FALSE(mesa.PonEntrada(leds, 0, true));
    EXPECT_FALSE(mesa.PonEntrada(sw, 8, true));
    EXPECT_FALSE(mesa.PonEntrada(sw, -1, true));
    EXPECT_EQ(sw.EntradaSeleccionada(), 2);
}

TEST_F(Instrumentos, VccYGndCruzadosDejanTodoSinAlimentar) {
    auto& sw = Agrega<TableroDeInterruptores>(Tablero::kInterruptores);
    auto& leds = Agrega<TableroDeLeds>(Tablero::kLeds);
    Cablea(sw.DireccionDePuerto(sw.PuertoVcc()), Gnd(0));
    Cablea(sw.DireccionDePuerto(sw.PuertoGnd()), Vcc(0));
    Cablea(leds.DireccionDePuerto(8), Vcc(1));
    Cablea(sw, 0, leds, 0);
    Cablea(leds, 1, *mesa.fuentedc(), 2);  // straight from VCC

    mesa.PonEntrada(sw, 0, true);
    Enciende(true);
    EXPECT_FALSE(sw.EstaAlimentado());
    EXPECT_EQ(sw.DireccionDePuerto(0)->Estado(), 'Z');
    EXPECT_FALSE(leds.EstadoDeLed(0));
    EXPECT_EQ(leds.DireccionDePuerto(1)->Estado(), '1');
    EXPECT_FALSE(leds.EstadoDeLed(1));  // its GND terminal is on VCC
}

TEST_F(Instrumentos, LosPulsadoresSonMomentaneos) {
    auto& pb = Agrega<TableroDePulsadores>(Tablero::kPulsadores);
    auto& leds = Agrega<TableroDeLeds>(Tablero::kLeds);
    Alimenta(pb, 0);
    Cablea(leds, 8, *mesa.fuentedc(), 4 + 1);
    Cablea(pb, 3 * 4, leds, 4);
    Enciende(true);
    EXPECT_FALSE(leds.EstadoDeLed(4));

    // As the mouse does it: the press hits key 4, the release operates it again
    // wherever the pointer is.
    ASSERT_TRUE(pb.EntradaEn(pb.EsquinaX() + 48 + 19 * 4, pb.EsquinaY() + 60));
    mesa.OperaEntrada(pb);
    EXPECT_TRUE(leds.EstadoDeLed(4));
    EXPECT_FALSE(pb.EntradaEn(pb.EsquinaX() + 500, pb.EsquinaY() + 500));
    mesa.OperaEntrada(pb);
    EXPECT_FALSE(leds.EstadoDeLed(4));
    EXPECT_EQ(pb.EstadoDeEntrada(4), 0);

    // As the command-line runner does it.
    mesa.PonEntrada(pb, 4, true);
    EXPECT_TRUE(leds.EstadoDeLed(4));
    mesa.PonEntrada(pb, 4, false);
    EXPECT_FALSE(leds.EstadoDeLed(4));
}

TEST_F(Instrumentos, UnInversorSeAsientaAlEncenderYSigueALaPalanca) {
    auto& proto = Agrega<Protoboard>(Tablero::kProtoboard);
    auto& sw = Agrega<TableroDeInterruptores>(Tablero::kInterruptores);
    auto& leds = Agrega<TableroDeLeds>(Tablero::kLeds);

    // A 7404 with its plug point on upper column 10, row 4: pin 14 sits in upper column
    // 10, pins 1, 2 and 7 in lower columns 10, 11 and 16.
    mesa.componentes().Nuevo(7004);
    Componente& chip = mesa.componentes()[mesa.componentes().size() - 1];
    chip.UbicaEn({proto.EsquinaX() + 27 + 13 * 10 - chip.Desplazamiento().x,
                  proto.EsquinaY() + 66 + 13 * 4 - chip.Desplazamiento().y});
    ASSERT_TRUE(mesa.EnchufaComponente(chip));
    const auto inferior = [](int columna, int fila) { return 320 + 5 * columna + fila; };
    Cablea(proto.DireccionDePuerto(5 * 10), Vcc(0));
    Cablea(proto.DireccionDePuerto(inferior(16, 4)), Gnd(0));
    Cablea(sw, 0, proto, inferior(10, 4));
    Cablea(proto, inferior(11, 4), leds, 0);
    Alimenta(sw, 1);
    Cablea(leds, 8, *mesa.fuentedc(), 4 + 2);

    Enciende(true);
    EXPECT_TRUE(leds.EstadoDeLed(0));  // lever down, inverted
    mesa.PonEntrada(sw, 0, true);
    EXPECT_FALSE(leds.EstadoDeLed(0));
    mesa.PonEntrada(sw, 0, false);
    EXPECT_TRUE(leds.EstadoDeLed(0));

    Enciende(false);
    EXPECT_FALSE(leds.EstadoDeLed(0));
    EXPECT_TRUE(avisos.mensajes.empty());
}

TEST_F(Instrumentos, LosRelojesCambianVeinteDiezCuatroYDosVecesEnVeinteTics) {
    ASSERT_TRUE(mesa.MuestraTemporizador());
    auto& reloj = Reloj();
    auto& leds = Agrega<TableroDeLeds>(Tablero::kLeds);
    Alimenta(reloj, 0);
    Cablea(leds, 8, *mesa.fuentedc(), 4 + 1);
    for (int k = 0; k < 4; ++k) Cablea(reloj, 3 * k + 1, leds, k);

    EXPECT_FALSE(mesa.Temporiza());  // module off: no step
    EXPECT_EQ(reloj.Contador(), 0);

    Enciende(true);
    std::array<int, 4> cambios{};
    std::array<bool, 4> antes{};
    for (int tic = 0; tic < 20; ++tic) {
        EXPECT_TRUE(mesa.Temporiza());
        for (std::size_t k = 0; k < 4; ++k) {
            const bool ahora = leds.EstadoDeLed(static_cast<int>(k));
            if (ahora != antes[k]) ++cambios[k];
            antes[k] = ahora;
        }
    }
    EXPECT_EQ(cambios, (std::array<int, 4>{20, 10, 4, 2}));

    mesa.Temporiza();
    EXPECT_EQ(reloj.Contador(), 1);
    Enciende(false);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(leds.DireccionDePuerto(k)->Estado(), 'Z');
    EXPECT_FALSE(mesa.Temporiza());
    EXPECT_EQ(reloj.Contador(), 1);
}

TEST_F(Instrumentos, UnRelojSinAlimentacionFlotaYUnoOcultoNoAvanza) {
    auto& reloj = Reloj();
    Enciende(true);
    EXPECT_FALSE(mesa.Temporiza());  // hidden
    EXPECT_EQ(reloj.Contador(), 0);

    ASSERT_TRUE(mesa.MuestraTemporizador());
    EXPECT_FALSE(mesa.MuestraTemporizador());
    // No wire on any clock: the steps go on but nothing needs settling or repainting.
    Enciende(false);
    Alimenta(reloj, 0);
    Enciende(true);
    for (int tic = 0; tic < 3; ++tic) EXPECT_FALSE(mesa.Temporiza());
    EXPECT_EQ(reloj.Contador(), 3);
    EXPECT_EQ(reloj.DireccionDePuerto(0)->Estado(), '1');

    // Only GND wired: every tick resets the count and floats the clocks.
    Enciende(false);
    ASSERT_TRUE(mesa.DesconectaPuertos(reloj.DireccionDePuerto(reloj.PuertoVcc()), Vcc(0)));
    Puerto* entrada = Agrega<TableroDeLeds>(Tablero::kLeds).DireccionDePuerto(0);
    Cablea(reloj.DireccionDePuerto(2), entrada);
    Enciende(true);
    EXPECT_TRUE(mesa.Temporiza());
    EXPECT_EQ(reloj.Contador(), 0);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(reloj.DireccionDePuerto(i)->Estado(), 'Z');
    EXPECT_EQ(entrada->Estado(), 'Z');
}

}  // namespace
}  // namespace velistra
