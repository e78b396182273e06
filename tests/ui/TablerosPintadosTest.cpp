#include <gtest/gtest.h>

#include <QImage>
#include <memory>
#include <vector>

#include "Apoyo.h"
#include "boards/Fabrica.h"
#include "boards/TableroDeTemporizadores.h"
#include "plataforma/Recursos.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/imagenes/Paleta.h"

// Each board picture against the boards' own hit tests: every pixel where a terminal,
// hole, handle or lever answers is drawn, and the picture's background surrounds it,
// so what the user sees is exactly what the mouse finds.
namespace velistra {
namespace {

const Imagenes& LasImagenes() {
    static const Imagenes imagenes;
    return imagenes;
}

struct Caso {
    int tipo;
    QRgb fondo;
    int margen;        // the board's frame, where the surroundings are not checked
    bool conPalancas;  // levers drawn exactly on their hit areas
};

std::unique_ptr<Tablero> TableroVisible(int tipo) {
    std::unique_ptr<Tablero> tablero = CreaTablero(tipo);
    if (auto* reloj = dynamic_cast<TableroDeTemporizadores*>(tablero.get())) reloj->Muestra();
    return tablero;
}

::testing::AssertionResult CoincideConLosAciertos(Tablero& tablero, const Caso& caso) {
    const QImage& imagen = *LasImagenes().Busca(tablero.ImagenDeFondo().id);
    if (imagen.size() != QSize(tablero.Anchura(), tablero.Altura())) {
        return ::testing::AssertionFailure() << "picture and board differ in size";
    }
    const int ancho = imagen.width();
    const int alto = imagen.height();
    std::vector<bool> acierto(static_cast<std::size_t>(ancho * alto));
    int aciertos = 0;
    for (int y = 0; y < alto; ++y) {
        for (int x = 0; x < ancho; ++x) {
            const bool enAlgo = tablero.PuertoEn(x, y) != nullptr || tablero.MarcadorEn(x, y) ||
                                (caso.conPalancas && tablero.EntradaEn(x, y));
            acierto[static_cast<std::size_t>(y * ancho + x)] = enAlgo;
            aciertos += enAlgo ? 1 : 0;
        }
    }
    if (aciertos == 0) return ::testing::AssertionFailure() << "nothing to hit";

    const QRect interior =
        imagen.rect().adjusted(caso.margen, caso.margen, -caso.margen, -caso.margen);
    const QRgb fondo = prueba::SinAlfa(caso.fondo);
    auto acertado = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < ancho && y < alto &&
               acierto[static_cast<std::size_t>(y * ancho + x)];
    };
    for (int y = 0; y < alto; ++y) {
        for (int x = 0; x < ancho; ++x) {
            const QRgb color = prueba::Pixel(imagen, x, y);
            if (acertado(x, y)) {
                if (color == fondo) {
                    return ::testing::AssertionFailure()
                           << "a hit point shows bare board at " << x << "," << y;
                }
                continue;
            }
            bool junto = false;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) junto = junto || acertado(x + dx, y + dy);
            }
            if (junto && interior.contains(x, y) && color != fondo) {
                return ::testing::AssertionFailure()
                       << "drawn beyond a hit area at " << x << "," << y;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(TablerosPintados, TodoLoQueSeAciertaEstaDibujadoYRodeadoDeFondo) {
    const Caso casos[] = {
        {Tablero::kProtoboard, paleta::kBeige, 1, false},
        {Tablero::kInterruptores, paleta::kPanel, 2, true},
        {Tablero::kPulsadores, paleta::kPanel, 2, false},
        {Tablero::kLeds, paleta::kPanel, 2, false},
        {Tablero::kFuenteDC, paleta::kPanel, 2, true},
        {Tablero::kTemporizadores, paleta::kPanel, 2, false},
        {Tablero::kSieteSegmentos, paleta::kPanel, 2, false},
    };
    for (const Caso& caso : casos) {
        std::unique_ptr<Tablero> tablero = TableroVisible(caso.tipo);
        ASSERT_NE(tablero, nullptr) << caso.tipo;
        EXPECT_TRUE(CoincideConLosAciertos(*tablero, caso)) << "board type " << caso.tipo;
    }
}

TEST(TablerosPintados, LasTeclasEstanBajoSusImagenesDePulsadoYDentroDeSuAcierto) {
    std::unique_ptr<Tablero> tablero = TableroVisible(Tablero::kPulsadores);
    const QImage& imagen = *LasImagenes().Busca(recursos::Pulsadores.id);
    for (int i = 0; i < 8; ++i) {
        const QRect tecla(48 + 19 * i, 48, recursos::PulsadorON.ancho, recursos::PulsadorON.alto);
        EXPECT_TRUE(prueba::DibujadoEn(imagen, tecla, paleta::kPanel, 2)) << i;
        EXPECT_TRUE(tablero->EntradaEn(tecla.center().x(), tecla.center().y())) << i;
    }
}

TEST(TablerosPintados, LasLamparasEstanBajoSusImagenesDeEncendido) {
    // A dark lamp fills the middle of each lit-lamp box and leaves its corners to the panel.
    struct Lampara {
        Imagen tablero;
        QPoint esquina;
    };
    std::vector<Lampara> lamparas{{recursos::FuenteDC, QPoint(23, 35)}};
    for (int i = 0; i < 8; ++i) lamparas.push_back({recursos::Leds, QPoint(38 + 20 * i, 14)});
    const QRgb panel = prueba::SinAlfa(paleta::kPanel);
    for (const Lampara& lampara : lamparas) {
        const QImage& imagen = *LasImagenes().Busca(lampara.tablero.id);
        const QPoint e = lampara.esquina;
        EXPECT_NE(prueba::Pixel(imagen, e.x() + 9, e.y() + 9), panel);
        EXPECT_EQ(prueba::Pixel(imagen, e.x(), e.y()), panel);
        EXPECT_EQ(prueba::Pixel(imagen, e.x() + 17, e.y() + 18), panel);
    }
}

}  // namespace
}  // namespace velistra
