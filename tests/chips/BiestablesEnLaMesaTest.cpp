// A 74112 on the breadboard, wired as a student wires it: levers on its clock and clear,
// LEDs on Q and Q-bar, everything fed from the DC supply.
#include <gtest/gtest.h>

#include <string>

#include "boards/TableroDeLeds.h"
#include "simulation/Mesa.h"
#include "support/LienzoDePrueba.h"

namespace velistra {
namespace {

class BiestableEnLaMesa : public testing::Test {
protected:
    static constexpr int kColumna = 10;  // the chip's first column
    static constexpr int kPalancaDeReloj = 0;
    static constexpr int kPalancaDeClear = 1;

    BiestableEnLaMesa() {
        mesa.InicializaMesa();
        proto = mesa.AgregaTablero(Tablero::kProtoboard);
        palancas = mesa.AgregaTablero(Tablero::kInterruptores);
        leds = dynamic_cast<TableroDeLeds*>(mesa.AgregaTablero(Tablero::kLeds));
        Tablero& fuente = *mesa.fuentedc;

        // Supply and ground onto the bus rows, and every board's from there.
        Cablea(fuente, 0, *proto, 640);
        Cablea(fuente, 4, *proto, 700);
        Cablea(*palancas, 24, *proto, 641);
        Cablea(*palancas, 25, *proto, 701);
        Cablea(*leds, leds->PuertoComun(), *proto, 702);

        mesa.componentes.Nuevo(7112);
        Componente& chip = mesa.componentes[0];
        chip.UbicaEn({proto->EsquinaX() + 27 + 13 * kColumna - 5, proto->EsquinaY() + 66 + 52});
        EXPECT_TRUE(mesa.EnchufaComponente(chip));

        Cablea(*proto, Arriba(Columna(16)), *proto, 642);  // VCC
        Cablea(*proto, Abajo(Columna(8)), *proto, 703);    // GND
        Cablea(*palancas, 3 * kPalancaDeReloj, *proto, Abajo(Columna(1)));
        Cablea(*palancas, 3 * kPalancaDeClear, *proto, Arriba(Columna(15)));
        Cablea(*proto, Abajo(Columna(5)), *leds, 0);  // Q
        Cablea(*proto, Abajo(Columna(6)), *leds, 1);  // Q-bar
        // J, K and preset are left unwired: they float high.
    }

    // The breadboard column of a 16-pin chip's pin.
    static int Columna(int pinDelChip) {
        return kColumna + (pinDelChip <= 8 ? pinDelChip - 1 : 16 - pinDelChip);
    }
    static int Arriba(int columna) { return 5 * columna; }
    static int Abajo(int columna) { return 320 + 5 * columna + 4; }

    void Cablea(Tablero& t1, int p1, Tablero& t2, int p2) {
        ASSERT_TRUE(mesa.ConectaPuertos(t1.DireccionDePuerto(p1), t2.DireccionDePuerto(p2)));
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
    Tablero* proto = nullptr;
    Tablero* palancas = nullptr;
    TableroDeLeds* leds = nullptr;
};

TEST_F(BiestableEnLaMesa, CadaPulsoConmutaYElClearLoSujeta) {
    ASSERT_NE(leds, nullptr);
    EXPECT_EQ(Leds(), "00");  // supply off
    mesa.ConmutaFuente();
    ASSERT_TRUE(mesa.bON);
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
