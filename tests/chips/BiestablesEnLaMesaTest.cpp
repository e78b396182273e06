// A 74112 on the breadboard, wired as a student wires it: levers on its clock and clear,
// LEDs on Q and Q-bar, everything fed from the DC supply.
#include <gtest/gtest.h>

#include <string>

#include "tableros/TableroDeLeds.h"
#include "simulacion/Mesa.h"
#include "support/LienzoDePrueba.h"
#include "support/Montador.h"

namespace velistra {
namespace {

class BiestableEnLaMesa : public testing::Test {
protected:
    static constexpr int kColumna = 10;  // the chip's first column
    static constexpr int kPalancaDeReloj = 0;
    static constexpr int kPalancaDeClear = 1;

    BiestableEnLaMesa() {
        mesa.InicializaMesa();
        prueba::Montador m(mesa);
        Tablero& proto = m.Coloca(Tablero::kProtoboard, {110, 110});
        palancas = &m.Coloca(Tablero::kInterruptores, {330, 420});
        leds = dynamic_cast<TableroDeLeds*>(&m.Coloca(Tablero::kLeds, {560, 420}));

        // Supply and ground onto the bus rows, and every board's from there.
        m.Cablea(*mesa.fuentedc(), 0, proto, 640, 0);
        m.Cablea(*mesa.fuentedc(), 4, proto, 700, 0);
        m.Cablea(*palancas, 24, proto, 641, 0);
        m.Cablea(*palancas, 25, proto, 701, 0);
        m.Cablea(*leds, leds->PuertoComun(), proto, 702, 0);

        const prueba::ChipColocado chip = m.Enchufa(7112, proto, kColumna);
        m.Cablea(m.Pin(chip, 16), m.Terminal(proto, 642), 0);  // VCC
        m.Cablea(m.Pin(chip, 8), m.Terminal(proto, 703), 0);   // GND
        m.Cablea(m.Terminal(*palancas, 3 * kPalancaDeReloj), m.Pin(chip, 1), 0);
        m.Cablea(m.Terminal(*palancas, 3 * kPalancaDeClear), m.Pin(chip, 15), 0);
        m.Cablea(m.Pin(chip, 5), m.Terminal(*leds, 0), 0);  // Q
        m.Cablea(m.Pin(chip, 6), m.Terminal(*leds, 1), 0);  // Q-bar
        // J, K and preset are left unwired: they float high.
    }

    void Palanca(int i, bool arriba) { mesa.PonEntrada(*palancas, i, arriba); }

    void PulsoDeReloj() {
        Palanca(kPalancaDeReloj, true);
        Palanca(kPalancaDeReloj, false);
    }

    std::string Leds() const {
        return std::string{leds->EstadoDeLed(0) ? '1' : '0', leds->EstadoDeLed(1) ? '1' : '0'};
    }

    prueba::AvisosDePrueba avisos;
    Mesa mesa{avisos};
    Tablero* palancas = nullptr;
    TableroDeLeds* leds = nullptr;
};

TEST_F(BiestableEnLaMesa, CadaPulsoConmutaYElClearLoSujeta) {
    ASSERT_NE(leds, nullptr);
    EXPECT_EQ(Leds(), "00");  // supply off
    mesa.ConmutaFuente();
    ASSERT_TRUE(mesa.bON());
    EXPECT_EQ(Leds(), "01");  // both levers down: clear held
    Palanca(kPalancaDeClear, true);
    EXPECT_EQ(Leds(), "01");
    Palanca(kPalancaDeReloj, true);
    EXPECT_EQ(Leds(), "01") << "el flanco de subida no conmuta";
    Palanca(kPalancaDeReloj, false);
    EXPECT_EQ(Leds(), "10") << "el flanco de bajada conmuta";
    PulsoDeReloj();
    EXPECT_EQ(Leds(), "01");
    PulsoDeReloj();
    EXPECT_EQ(Leds(), "10");
    Palanca(kPalancaDeClear, false);
    EXPECT_EQ(Leds(), "01");
    PulsoDeReloj();
    EXPECT_EQ(Leds(), "01") << "con el clear activo los flancos se pierden";
    EXPECT_TRUE(avisos.mensajes.empty());
    mesa.ConmutaFuente();
    EXPECT_EQ(Leds(), "00");
}

}  // namespace
}  // namespace velistra
