#include <gtest/gtest.h>

#include "tableros/Geometria.h"
#include "tableros/Protoboard.h"
#include "tableros/TableroDeFuenteDC.h"
#include "tableros/TableroDeInterruptores.h"
#include "tableros/TableroDeLeds.h"
#include "tableros/TableroDeSieteSegmentos.h"

namespace velistra {
namespace {

// The pictures draw each terminal on Casilla, so it must be exactly the set of points
// that hit that terminal, also where the grid's bounds cut the last column or row short.
TEST(Geometria, CadaCasillaEsJustoLoQueAciertaSuTerminal) {
    const Rejilla rejillas[] = {
        TableroDeInterruptores::kClase.Salidas(),
        TableroDePulsadores::kClase.Salidas(),
        TableroDeLeds::kEntradas,
        TableroDeSieteSegmentos::kEntradas,
        TableroDeFuenteDC::kTerminalesVcc,
        Protoboard::kBusInferior,
        TableroDeTiras::kGnd,
    };
    for (const Rejilla& r : rejillas) {
        SCOPED_TRACE(::testing::Message() << "grid at " << r.x << "," << r.y);
        const GrupoDeTerminales grupo{r, 0, r.Filas(), 1};
        int aciertos = 0;
        for (int dy = r.y - 2; dy <= r.y + r.ultimoDy + 14; ++dy) {
            for (int dx = r.x - 2; dx <= r.x + r.ultimoDx + 14; ++dx) {
                int esperado = -1;
                for (int c = 0; c < r.Columnas(); ++c) {
                    for (int f = 0; f < r.Filas(); ++f) {
                        if (r.Casilla(c, f).Contiene(dx, dy)) esperado = c * r.Filas() + f;
                    }
                }
                const auto t = TerminalEn({&grupo, 1}, dx, dy);
                ASSERT_EQ(t ? t->puerto : -1, esperado) << dx << "," << dy;
                aciertos += t ? 1 : 0;
            }
        }
        EXPECT_GT(aciertos, 0);
        // The last terminal's corner is its cell's, and wires snap inside the cell.
        const Zona ultima = r.Casilla(r.Columnas() - 1, r.Filas() - 1);
        const auto t = TerminalDePuerto({&grupo, 1}, r.Columnas() * r.Filas() - 1);
        ASSERT_TRUE(t.has_value());
        EXPECT_EQ(t->esquina, (Punto{ultima.x0, ultima.y0}));
        EXPECT_TRUE(ultima.Contiene(t->centro.x, t->centro.y));
    }
}

}  // namespace
}  // namespace velistra
