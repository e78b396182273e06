// Combinational chips seated on a breadboard, powered and settled like on the workbench.
#include <gtest/gtest.h>

#include <string>

#include "support/BancoDePrueba.h"

namespace velistra {
namespace {

using prueba::BancoDePrueba;

// Segment strips a .. g of a 16-pin decoder seated from strip `primera`.
std::string Segmentos(BancoDePrueba& banco, int primera) {
    std::string niveles;
    for (int pin : {13, 12, 11, 10, 9, 15, 14}) niveles += banco.EstadoDeTira(primera + pin - 1);
    return niveles;
}

// A 7447 and a 74247 side by side, digit inputs grounded, RBI on the source: a blanked
// zero must settle quietly on both, although the 74247's pin 4 is an open input.
TEST(CircuitosCombinacionales, DecodificadoresDeSieteSegmentosBorranElCero) {
    BancoDePrueba banco(32);
    for (int primera : {0, 16}) {
        auto tira = [primera](int pin) { return primera + pin - 1; };
        banco.Inserta(primera == 0 ? 7047 : 7247, primera);
        ASSERT_TRUE(banco.Cablea(banco.fuente, 0, banco.protoboard, tira(16)));
        ASSERT_TRUE(banco.Cablea(banco.fuente, 1, banco.protoboard, tira(8)));
        // D, C, B, A to ground, strip to strip.
        ASSERT_TRUE(banco.Cablea(tira(8), tira(6)));
        ASSERT_TRUE(banco.Cablea(tira(6), tira(2)));
        ASSERT_TRUE(banco.Cablea(tira(2), tira(1)));
        ASSERT_TRUE(banco.Cablea(tira(1), tira(7)));
    }
    ASSERT_TRUE(banco.Cablea(banco.nivel, 0, banco.protoboard, 4));
    ASSERT_TRUE(banco.Cablea(4, 16 + 4));

    banco.Enciende();
    EXPECT_EQ(Segmentos(banco, 0), "1111111");  // RBI low: blank
    EXPECT_EQ(Segmentos(banco, 16), "1111111");
    EXPECT_EQ(banco.EstadoDeTira(3), '0');  // the 7447's RBO tells the next digit

    banco.CambiaNivel('1');
    EXPECT_EQ(Segmentos(banco, 0), "0000001");  // a zero: all but g
    EXPECT_EQ(Segmentos(banco, 16), "0000001");
    EXPECT_EQ(banco.EstadoDeTira(3), '1');

    banco.CambiaNivel('0');
    EXPECT_EQ(Segmentos(banco, 16), "1111111");
    EXPECT_TRUE(banco.avisos.mensajes.empty());
}

}  // namespace
}  // namespace velistra
