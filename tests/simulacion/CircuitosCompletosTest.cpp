#include <gtest/gtest.h>

#include <string>

#include "tableros/TableroDeInterruptores.h"
#include "tableros/TableroDeSieteSegmentos.h"
#include "tableros/TableroPLA.h"
#include "simulacion/Mesa.h"
#include "support/LienzoDePrueba.h"
#include "support/Montador.h"

namespace velistra {
namespace {

// A 7447 on a breadboard decodes four levers onto digit 0 of a seven-segment board,
// every part fed from the supply through real wires.
class Decodificador : public ::testing::Test {
protected:
    static constexpr int kColumna = 10;  // the chip's first column

    Decodificador() {
        mesa.InicializaMesa();
        prueba::Montador m(mesa);
        Tablero& proto = m.Coloca(Tablero::kProtoboard, {110, 110});
        palancas = &m.Coloca(Tablero::kInterruptores, {330, 420});
        display = &m.Coloca(Tablero::kSieteSegmentos, {560, 420});

        // Supply onto the upper bus rows, and everything's supply from there.
        m.Cablea(*mesa.fuentedc(), 0, proto, 640, 0);
        m.Cablea(*mesa.fuentedc(), 4, proto, 700, 0);
        m.Cablea(*palancas, 24, proto, 641, 0);
        m.Cablea(*palancas, 25, proto, 701, 0);
        m.Cablea(*display, 32, proto, 642, 0);

        const prueba::ChipColocado chip = m.Enchufa(7047, proto, kColumna);
        m.Cablea(m.Pin(chip, 16), m.Terminal(proto, 643), 0);  // VCC
        m.Cablea(m.Pin(chip, 8), m.Terminal(proto, 702), 0);   // GND
        // A (7), B (1), C (2), D (6) from levers 0..3.
        const int entradas[] = {7, 1, 2, 6};
        for (int bit = 0; bit < 4; ++bit) m.Cablea(m.Terminal(*palancas, 3 * bit), m.Pin(chip, entradas[bit]), 0);
        // Segments a..g: pins 13, 12, 11, 10, 9, 15, 14.
        const int segmentos[] = {13, 12, 11, 10, 9, 15, 14};
        for (int s = 0; s < 7; ++s) m.Cablea(m.Pin(chip, segmentos[s]), m.Terminal(*display, s), 0);
    }

    std::string Encendidos() {
        auto& d = dynamic_cast<TableroDeSieteSegmentos&>(*display);
        std::string s;
        for (int i = 0; i < 8; ++i) {
            if (d.EstadoDeLed(i)) s += "abcdefgp"[i];
        }
        return s;
    }

    void Digito(int n) {
        for (int bit = 0; bit < 4; ++bit) mesa.PonEntrada(*palancas, bit, (n >> bit) & 1);
    }

    prueba::AvisosDePrueba avisos;
    Mesa mesa{avisos};
    Tablero* palancas = nullptr;
    Tablero* display = nullptr;
};

TEST_F(Decodificador, ElDisplayMuestraCadaDigitoDecimal) {
    const char* esperado[] = {"abcdef", "bc",      "abdeg", "abcdg", "bcfg",
                              "acdfg",  "cdefg",   "abc",   "abcdefg", "abcfg"};
    EXPECT_EQ(Encendidos(), "");  // supply off: nothing lit
    mesa.ConmutaFuente();
    ASSERT_TRUE(mesa.bON());
    for (int n = 0; n < 10; ++n) {
        Digito(n);
        EXPECT_EQ(Encendidos(), esperado[n]) << "dígito " << n;
    }
    EXPECT_TRUE(avisos.mensajes.empty());
    mesa.ConmutaFuente();
    EXPECT_EQ(Encendidos(), "");
}

// The PLA board works by its own clicks, with or without the supply.
TEST(PlaEnLaMesa, SeProgramaConClicsComoYYComoContradiccion) {
    prueba::AvisosDePrueba avisos;
    Mesa mesa{avisos};
    mesa.InicializaMesa();
    auto* pla = dynamic_cast<TableroPLA*>(mesa.AgregaTablero(Tablero::kPLA));
    ASSERT_NE(pla, nullptr);
    auto clic = [&](int x, int y) {
        for (auto& t : mesa.tablero()) {
            if (t->ClickIzquierdo(nullptr, x, y, 0, 0)) return true;
        }
        return false;
    };
    auto enlaza = [&](int i, int j) {
        const Punto p = TableroPLA::Cruce(i, j);
        ASSERT_TRUE(clic(pla->EsquinaX() + p.x + 1, pla->EsquinaY() + p.y - 2));
    };
    auto entradas = [&](bool a, bool b) {
        const bool deseado[] = {a, b};
        for (int k = 0; k < 2; ++k) {
            if ((pla->InterruptorDeEntrada(k).Estado() == '1') != deseado[k]) {
                ASSERT_TRUE(clic(pla->EsquinaX() + 37 + 50 * k + 5, pla->EsquinaY() + 510));
            }
        }
    };

    enlaza(0, 0);  // A
    enlaza(2, 0);  // B
    enlaza(8, 0);  // term 0 into W
    for (int n = 0; n < 4; ++n) {
        entradas(n & 1, n & 2);
        EXPECT_EQ(pla->Salida(0), n == 3) << n;
        EXPECT_EQ(pla->Led(0).Estado(), n == 3) << n;
    }
    mesa.ConmutaFuente();  // the supply plays no part
    enlaza(1, 0);          // NOT A as well: A AND NOT A
    for (int n = 0; n < 4; ++n) {
        entradas(n & 1, n & 2);
        EXPECT_FALSE(pla->Salida(0)) << n;
    }
}

}  // namespace
}  // namespace velistra
