#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>

#include "Apoyo.h"
#include "plataforma/Recursos.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/plataforma/LienzoQt.h"

namespace velistra {
namespace {

using prueba::LasImagenes;

// The points from which the board fills a lit segment (digit 0; each digit adds 104).
struct Segmento {
    char letra;
    int x;
    int y;
    int medioAncho;  // how far the segment may reach from its point
    int medioAlto;
};
constexpr Segmento kSegmentos[] = {
    {'a', 80, 13, 18, 4}, {'b', 100, 32, 4, 18}, {'c', 100, 70, 4, 18}, {'d', 80, 90, 18, 4},
    {'e', 60, 70, 4, 18}, {'f', 60, 32, 4, 18},  {'g', 80, 50, 18, 4},  {'p', 110, 90, 4, 4},
};

TEST(SieteSegmentos, UnRellenoDesdeCadaPuntoPintaSoloSuSegmento) {
    const QImage& fondo = *LasImagenes().Busca(recursos::Leds7Segmentos.id);
    for (int digito = 0; digito < 4; ++digito) {
        for (const Segmento& s : kSegmentos) {
            SCOPED_TRACE(::testing::Message() << "digit " << digito << " segment " << s.letra);
            const int x = s.x + 104 * digito;
            ASSERT_NE(prueba::Pixel(fondo, x, s.y), 0u) << "the fill point lies on the outline";
            QImage imagen = fondo.copy();
            {
                LienzoQt lienzo(imagen, LasImagenes());
                lienzo.SeleccionaBrocha(Rgb(255, 0, 0));
                lienzo.Rellena(x, s.y, Rgb(0, 0, 0));
            }
            int pintados = 0;
            for (int py = 0; py < imagen.height(); ++py) {
                for (int px = 0; px < imagen.width(); ++px) {
                    if (prueba::Pixel(imagen, px, py) == prueba::Pixel(fondo, px, py)) continue;
                    ++pintados;
                    ASSERT_LE(std::abs(px - x), s.medioAncho) << px << "," << py;
                    ASSERT_LE(std::abs(py - s.y), s.medioAlto) << px << "," << py;
                }
            }
            EXPECT_GE(pintados, 20);
            for (int otro = 0; otro < 4; ++otro) {
                for (const Segmento& t : kSegmentos) {
                    if (otro == digito && t.letra == s.letra) continue;
                    const int ox = t.x + 104 * otro;
                    EXPECT_EQ(prueba::Pixel(imagen, ox, t.y), prueba::Pixel(fondo, ox, t.y))
                        << t.letra;
                }
            }
        }
    }
}

}  // namespace
}  // namespace velistra
