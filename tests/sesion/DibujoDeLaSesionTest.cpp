// The session draws the workbench for every shell in two layers: what a window may
// keep, and what goes over it on every repaint, the probe's frames among it.
#include <gtest/gtest.h>

#include <algorithm>

#include "sesion/CodigosDeComando.h"
#include "sesion/Sesion.h"
#include "support/DialogosDePrueba.h"
#include "support/LienzoDePrueba.h"
#include "support/Montador.h"

namespace velistra {
namespace {

using prueba::Trazo;

constexpr Color kAzulDeSonda = Rgb(0, 150, 255);

std::size_t PlumasDeSonda(const prueba::LienzoDePrueba& lienzo) {
    const std::vector<Trazo> plumas = lienzo.DeTipo(Trazo::Tipo::Pluma);
    return static_cast<std::size_t>(std::count_if(plumas.begin(), plumas.end(), [](const Trazo& t) {
        return t.color == kAzulDeSonda && t.ancho == 2;
    }));
}

TEST(DibujoDeLaSesion, LaSondaSoloSeDibujaEncimaYElTodoEsLaSumaDeLasCapas) {
    prueba::AvisosDePrueba avisos;
    prueba::DialogosDePrueba dialogos;
    Sesion sesion(avisos, dialogos);
    sesion.Ejecuta(comandos::kLeds);
    const Punto terminal = prueba::CentroDePuerto(*sesion.mesa.tablero().back(), 0);

    prueba::LienzoDePrueba fija, encima, sinPuntero, todo;
    sesion.PintaFija(fija);
    sesion.PintaEncima(encima, terminal);
    sesion.PintaEncima(sinPuntero, std::nullopt);
    sesion.Pinta(todo, terminal);

    EXPECT_FALSE(fija.DeTipo(Trazo::Tipo::Copia).empty()) << "the boards";
    EXPECT_EQ(PlumasDeSonda(fija), 0u) << "a kept layer never holds the probe";
    EXPECT_GT(PlumasDeSonda(encima), 0u) << "the terminal under the pointer is framed";
    EXPECT_EQ(PlumasDeSonda(sinPuntero), 0u);
    EXPECT_EQ(todo.trazos.size(), fija.trazos.size() + encima.trazos.size());
    EXPECT_EQ(todo.DeTipo(Trazo::Tipo::LineaA).size(),
              fija.DeTipo(Trazo::Tipo::LineaA).size() + encima.DeTipo(Trazo::Tipo::LineaA).size());
}

}  // namespace
}  // namespace velistra
