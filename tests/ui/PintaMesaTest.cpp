#include <gtest/gtest.h>

#include <algorithm>

#include "simulacion/Mesa.h"
#include "support/LienzoDePrueba.h"
#include "ui/programa/Programa.h"

namespace velistra {
namespace {

using prueba::Trazo;

// Later items cover earlier ones: the breadboard under the chip, the chip under the wire.
TEST(PintaMesa, LosChipsTapanLosTablerosYLosCablesTapanLosChips) {
    AvisosMudos avisos;
    Mesa mesa(avisos);
    mesa.InicializaMesa();
    ASSERT_NE(mesa.AgregaTablero(Tablero::kProtoboard), nullptr);
    mesa.componentes().Nuevo(7000);
    mesa.cables().CreaCable(1, 300, 200);
    mesa.cables().EnMovimiento(400, 250);
    mesa.cables().Concluye(3, 400, 250);

    prueba::LienzoDePrueba lienzo;
    PintaMesa(mesa, lienzo);
    const std::vector<Trazo>& t = lienzo.trazos;
    auto primero = [&](auto cumple) {
        return std::find_if(t.begin(), t.end(), cumple) - t.begin();
    };
    auto ultimo = [&](auto cumple) {
        return t.rend() - std::find_if(t.rbegin(), t.rend(), cumple) - 1;
    };
    auto esProtoboard = [](const Trazo& x) { return x.tipo == Trazo::Tipo::Copia && x.id == 1002; };
    auto esChip = [](const Trazo& x) {
        return x.tipo == Trazo::Tipo::Copia && x.id >= 2001 && x.id <= 2010;
    };
    auto esLinea = [](const Trazo& x) { return x.tipo == Trazo::Tipo::LineaA; };

    ASSERT_LT(ultimo(esProtoboard), static_cast<std::ptrdiff_t>(t.size()));
    ASSERT_LT(primero(esChip), static_cast<std::ptrdiff_t>(t.size()));
    EXPECT_LT(ultimo(esProtoboard), primero(esChip));
    EXPECT_LT(ultimo(esChip), primero(esLinea));
    EXPECT_GT(ultimo(esLinea), primero(esLinea)) << "the colour bar and the wire";
}

}  // namespace
}  // namespace velistra
