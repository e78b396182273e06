#include <gtest/gtest.h>

#include <QImage>
#include <memory>
#include <optional>
#include <vector>

#include "Apoyo.h"
#include "tableros/Fabrica.h"
#include "tableros/TableroDeFuenteDC.h"
#include "tableros/TableroDeInterruptores.h"
#include "tableros/TableroDeLeds.h"
#include "tableros/TableroDeTemporizadores.h"
#include "tableros/TableroPLA.h"
#include "plataforma/Recursos.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/imagenes/Paleta.h"
#include "ui/plataforma/LienzoQt.h"

// Each board picture against the boards' own hit tests: every pixel where a terminal,
// hole, handle or lever answers is drawn, and the picture's background surrounds it,
// so what the user sees is exactly what the mouse finds.
namespace velistra {
namespace {

using prueba::LasImagenes;

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

TEST(TablerosPintados, LasPalancasYTeclasEstanBajoSusImagenesDeAccionadoYDentroDeSuAcierto) {
    struct Caso {
        int tipo;
        Imagen fondo;
        Imagen accionado;
        ClaseDePalancas clase;
    };
    const Caso casos[] = {
        {Tablero::kInterruptores, recursos::Interruptores, recursos::InterruptorON,
         TableroDeInterruptores::kClase},
        {Tablero::kPulsadores, recursos::Pulsadores, recursos::PulsadorON,
         TableroDePulsadores::kClase},
    };
    for (const Caso& caso : casos) {
        std::unique_ptr<Tablero> tablero = TableroVisible(caso.tipo);
        const QImage& imagen = *LasImagenes().Busca(caso.fondo.id);
        for (int i = 0; i < TableroDePalancas::kPalancas; ++i) {
            const Punto e = caso.clase.EsquinaDeImagen(i);
            const QRect pieza(e.x, e.y, caso.accionado.ancho, caso.accionado.alto);
            EXPECT_TRUE(prueba::DibujadoEn(imagen, pieza, paleta::kPanel, 2)) << caso.tipo << i;
            EXPECT_TRUE(tablero->EntradaEn(pieza.center().x(), pieza.center().y()))
                << caso.tipo << i;
        }
    }
}

TEST(TablerosPintados, LasLamparasEstanBajoSusImagenesDeEncendido) {
    // A dark lamp fills the middle of each lit-lamp box and leaves its corners to the panel.
    struct Lampara {
        Imagen tablero;
        QPoint esquina;
    };
    const Punto piloto = TableroDeFuenteDC::kPiloto;
    std::vector<Lampara> lamparas{{recursos::FuenteDC, QPoint(piloto.x, piloto.y)}};
    for (int i = 0; i < TableroDeLeds::kLamparas; ++i) {
        const Punto p = TableroDeLeds::Lampara(i);
        lamparas.push_back({recursos::Leds, QPoint(p.x, p.y)});
    }
    const QRgb panel = prueba::SinAlfa(paleta::kPanel);
    for (const Lampara& lampara : lamparas) {
        const QImage& imagen = *LasImagenes().Busca(lampara.tablero.id);
        const QPoint e = lampara.esquina;
        EXPECT_NE(prueba::Pixel(imagen, e.x() + 9, e.y() + 9), panel);
        EXPECT_EQ(prueba::Pixel(imagen, e.x(), e.y()), panel);
        EXPECT_EQ(prueba::Pixel(imagen, e.x() + 17, e.y() + 18), panel);
    }
}

// The first place, stepping from `desde`, where the picture holds an exact copy of `simbolo`.
std::optional<QPoint> BuscaSimbolo(const QImage& pla, const QImage& simbolo, QPoint desde,
                                   QPoint paso) {
    for (QPoint p = desde; pla.rect().contains(QRect(p, simbolo.size())); p += paso) {
        if (pla.copy(QRect(p, simbolo.size())) == simbolo) return p;
    }
    return std::nullopt;
}

// The PLA board is drawn with lines and copied gate pictures: each gate must sit on its
// line, with the line running on into both of its stubs, and every cross-point that a
// click toggles lies on both of its lines and under its link's dot.
TEST(TablerosPintados, LasPuertasDelPlaSeApoyanEnSusLineasYLosCrucesEnSusEnlaces) {
    TableroPLA pla;
    for (int i = 0; i < TableroPLA::kColumnas; ++i) {
        const Punto c = TableroPLA::Cruce(i, i % TableroPLA::kTerminos);
        ASSERT_TRUE(pla.ClickIzquierdo(nullptr, c.x, c.y, 0, 0));
    }
    QImage imagen(TableroPLA::kAncho, TableroPLA::kAlto, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    {
        LienzoQt lienzo(imagen, LasImagenes());
        pla.Dibuja(lienzo);
    }
    const QRgb negro = 0x000000;
    const QImage& inversor = *LasImagenes().Busca(recursos::PlaNot.id);
    const QImage& puertaAnd = *LasImagenes().Busca(recursos::PlaAnd.id);
    const QImage& puertaOr = *LasImagenes().Busca(recursos::PlaOr.id);
    auto enColumna = [&](const QImage& simbolo, int x, int columnaDelSimbolo) {
        const auto p =
            BuscaSimbolo(imagen, simbolo, QPoint(x - columnaDelSimbolo, 0), QPoint(0, 1));
        if (!p) return ::testing::AssertionFailure() << "no gate on column " << x;
        if (prueba::Pixel(imagen, x, p->y() - 1) != negro ||
            prueba::Pixel(imagen, x, p->y() + simbolo.height()) != negro)
            return ::testing::AssertionFailure()
                   << "the line does not reach the gate on column " << x;
        return ::testing::AssertionSuccess();
    };
    for (int k = 0; k < TableroPLA::kEntradas; ++k) {
        EXPECT_TRUE(enColumna(inversor, TableroPLA::Cruce(2 * k + 1, 0).x,
                              TableroPLA::kColumnaDelInversor));
        EXPECT_TRUE(enColumna(puertaOr, TableroPLA::Cruce(2 * TableroPLA::kEntradas + k, 0).x,
                              TableroPLA::kColumnaDelOr));
    }
    for (int j = 0; j < TableroPLA::kTerminos; ++j) {
        const int y = TableroPLA::Cruce(0, j).y;
        const auto p =
            BuscaSimbolo(imagen, puertaAnd, QPoint(0, y - TableroPLA::kFilaDelAnd), QPoint(1, 0));
        ASSERT_TRUE(p.has_value()) << j;
        EXPECT_EQ(prueba::Pixel(imagen, p->x() - 1, y), negro) << j;
        EXPECT_EQ(prueba::Pixel(imagen, p->x() + puertaAnd.width(), y), negro) << j;
    }
    for (int i = 0; i < TableroPLA::kColumnas; ++i) {
        for (int j = 0; j < TableroPLA::kTerminos; ++j) {
            const Punto c = TableroPLA::Cruce(i, j);
            SCOPED_TRACE(::testing::Message() << "cross-point " << i << "," << j);
            // On both lines: the pixels beside it along each line are black too.
            EXPECT_EQ(prueba::Pixel(imagen, c.x, c.y - 6), negro);
            EXPECT_EQ(prueba::Pixel(imagen, c.x - 6, c.y), negro);
            // A link's dot fills around it, off the lines.
            const QRgb esquina = prueba::Pixel(imagen, c.x + 2, c.y + 2);
            EXPECT_EQ(esquina == negro, pla.Conexion(i, j));
        }
    }
}

}  // namespace
}  // namespace velistra
