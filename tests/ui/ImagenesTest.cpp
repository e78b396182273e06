#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <set>

#include "Apoyo.h"
#include "tableros/TableroDeFuenteDC.h"
#include "tableros/TableroDeInterruptores.h"
#include "tableros/TableroDeLeds.h"
#include "tableros/TableroPLA.h"
#include "plataforma/Recursos.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/imagenes/Paleta.h"

namespace velistra {
namespace {

using prueba::Pixel;

using prueba::LasImagenes;

const QImage& De(const Imagen& recurso) { return *LasImagenes().Busca(recurso.id); }

// The part of a board's picture that an overlay image of that size covers at `esquina`.
QImage Bajo(const Imagen& tablero, Punto esquina, const Imagen& encima) {
    return De(tablero).copy(esquina.x, esquina.y, encima.ancho, encima.alto);
}

constexpr QRgb kBlanco = 0xFFFFFF;
constexpr QRgb kNegro = 0x000000;

TEST(Imagenes, CadaRecursoTieneSuDibujoConSuTamanoExacto) {
    for (const Imagen& recurso : recursos::Todas()) {
        const QImage* imagen = LasImagenes().Busca(recurso.id);
        ASSERT_NE(imagen, nullptr) << recurso.id;
        EXPECT_EQ(imagen->width(), recurso.ancho) << recurso.id;
        EXPECT_EQ(imagen->height(), recurso.alto) << recurso.id;
    }
    EXPECT_EQ(LasImagenes().Busca(2101), nullptr);
    EXPECT_EQ(LasImagenes().Busca(0), nullptr);
}

struct Encapsulado {
    Imagen chip;
    Imagen mascara;
    int columnas;
};

TEST(Imagenes, LosChipsTienenUnaPataEnCadaAgujeroYSuMascaraLosRecorta) {
    const Encapsulado encapsulados[] = {
        {recursos::Chip14, recursos::Mascara14, 7},  {recursos::Chip16, recursos::Mascara16, 8},
        {recursos::Chip18, recursos::Mascara18, 9},  {recursos::Chip20, recursos::Mascara20, 10},
        {recursos::Chip24, recursos::Mascara24, 12},
    };
    for (const Encapsulado& e : encapsulados) {
        SCOPED_TRACE(e.chip.id);
        const QImage& chip = De(e.chip);
        const QImage& mascara = De(e.mascara);
        for (int y = 0; y < mascara.height(); ++y) {
            for (int x = 0; x < mascara.width(); ++x) {
                const QRgb m = Pixel(mascara, x, y);
                ASSERT_TRUE(m == kBlanco || m == kNegro) << x << "," << y;
                // Where the mask lets the canvas through, the ORed picture adds nothing.
                if (m == kBlanco) {
                    ASSERT_EQ(Pixel(chip, x, y), kNegro) << x << "," << y;
                }
            }
        }
        // The pins of column j stand over the hole centres, 6 + 13 j from the left,
        // on the top edge (upper row) and the bottom edge (lower row).
        for (int j = 0; j < e.columnas; ++j) {
            const int x = 6 + 13 * j;
            EXPECT_EQ(Pixel(mascara, x, 0), kNegro) << j;
            EXPECT_EQ(Pixel(mascara, x, 40), kNegro) << j;
            EXPECT_NE(Pixel(chip, x, 0), kNegro) << j;
            EXPECT_NE(Pixel(chip, x, 40), kNegro) << j;
            EXPECT_EQ(Pixel(mascara, x + 6, 0), kBlanco) << j;
            EXPECT_EQ(Pixel(mascara, x + 6, 40), kBlanco) << j;
        }
        for (int x = 0; x < mascara.width(); ++x) EXPECT_EQ(Pixel(mascara, x, 20), kNegro) << x;
    }
}

TEST(Imagenes, LaTiraDeHerramientasTieneCuatroBotonesDistintos) {
    const QImage& tira = De(recursos::BarraDeHerramientas);
    std::set<QByteArray> botones;
    for (int i = 0; i < 4; ++i) {
        const QImage boton = tira.copy(16 * i, 0, 16, 16);
        int visibles = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) visibles += qAlpha(boton.pixel(x, y)) > 0 ? 1 : 0;
        }
        EXPECT_GT(visibles, 60) << i;
        botones.insert(
            QByteArray(reinterpret_cast<const char*>(boton.constBits()), boton.sizeInBytes()));
    }
    EXPECT_EQ(botones.size(), 4u);
    EXPECT_EQ(qAlpha(tira.pixel(100, 8)), 0);
}

TEST(Imagenes, LosSimbolosDelPlaContinuanLasLineasDelTablero) {
    struct Paso {
        Imagen simbolo;
        QPoint a;
        QPoint b;
    };
    // NOT on an inverted input column, AND on a product row, OR on an output column.
    constexpr int kInversor = TableroPLA::kColumnaDelInversor;
    constexpr int kAnd = TableroPLA::kFilaDelAnd;
    constexpr int kOr = TableroPLA::kColumnaDelOr;
    const Paso pasos[] = {
        {recursos::PlaNot, QPoint(kInversor, 0), QPoint(kInversor, recursos::PlaNot.alto - 1)},
        {recursos::PlaAnd, QPoint(0, kAnd), QPoint(recursos::PlaAnd.ancho - 1, kAnd)},
        {recursos::PlaOr, QPoint(kOr, 0), QPoint(kOr, recursos::PlaOr.alto - 1)},
    };
    for (const Paso& paso : pasos) {
        SCOPED_TRACE(paso.simbolo.id);
        const QImage& imagen = De(paso.simbolo);
        EXPECT_EQ(Pixel(imagen, paso.a.x(), paso.a.y()), kNegro);
        EXPECT_EQ(Pixel(imagen, paso.b.x(), paso.b.y()), kNegro);
        // One pixel wide, like the board's lines.
        const QPoint lado = paso.a.x() == 0 ? QPoint(0, 1) : QPoint(1, 0);
        EXPECT_EQ(Pixel(imagen, paso.a.x() + lado.x(), paso.a.y() + lado.y()), kBlanco);
        EXPECT_EQ(Pixel(imagen, paso.a.x() - lado.x(), paso.a.y() - lado.y()), kBlanco);
        EXPECT_EQ(Pixel(imagen, 0, imagen.height() - 1), kBlanco);
    }
}

int Brillo(const QImage& imagen, QRect zona) {
    int suma = 0;
    for (int y = zona.top(); y <= zona.bottom(); ++y) {
        for (int x = zona.left(); x <= zona.right(); ++x) suma += qGray(imagen.pixel(x, y));
    }
    return suma / (zona.width() * zona.height());
}

TEST(Imagenes, LasPalancasSubidasYLasTeclasPulsadasSeVenDistintasDeLasDelFondo) {
    const QImage& subida = De(recursos::InterruptorON);
    const QImage bajada =
        Bajo(recursos::Interruptores, TableroDeInterruptores::kClase.EsquinaDeImagen(0),
             recursos::InterruptorON);
    // The light knob sits in the lower half of a lever that is down, the upper half when up.
    EXPECT_GT(Brillo(bajada, QRect(0, 14, 15, 14)), Brillo(bajada, QRect(0, 0, 15, 14)));
    EXPECT_GT(Brillo(subida, QRect(0, 0, 15, 14)), Brillo(subida, QRect(0, 14, 15, 14)));
    const Zona interruptor = TableroDeFuenteDC::kInterruptor;
    EXPECT_EQ(bajada,
              Bajo(recursos::FuenteDC, {interruptor.x0, interruptor.y0}, recursos::InterruptorON))
        << "the supply has the same switch";
    EXPECT_EQ(De(recursos::PlaInterruptorEncendido).copy(0, 0, 15, 28), subida);

    const QImage suelta = Bajo(recursos::Pulsadores, TableroDePulsadores::kClase.EsquinaDeImagen(0),
                               recursos::PulsadorON);
    EXPECT_NE(suelta, De(recursos::PulsadorON));
    EXPECT_LT(Brillo(De(recursos::PulsadorON), QRect(2, 2, 13, 13)),
              Brillo(suelta, QRect(2, 2, 13, 13)));
}

TEST(Imagenes, UnaLamparaEncendidaBrillaSobreLaApagadaYSusEsquinasSonDelTablero) {
    const QImage apagada = Bajo(recursos::Leds, TableroDeLeds::Lampara(0), recursos::LedON);
    const QImage& encendida = De(recursos::LedON);
    EXPECT_GT(Brillo(encendida, QRect(5, 5, 8, 8)), Brillo(apagada, QRect(5, 5, 8, 8)) + 40);
    EXPECT_GT(qRed(encendida.pixel(9, 10)), 180);
    EXPECT_EQ(Pixel(encendida, 0, 0), prueba::SinAlfa(paleta::kPanel));
    EXPECT_EQ(apagada, Bajo(recursos::FuenteDC, TableroDeFuenteDC::kPiloto, recursos::LedON))
        << "the pilot lamp is the same lamp";
    EXPECT_EQ(Pixel(De(recursos::PlaLedEncendido), 0, 0), kBlanco);
    EXPECT_GT(Brillo(De(recursos::PlaLedEncendido), QRect(5, 5, 8, 8)),
              Brillo(De(recursos::PlaLedApagado), QRect(5, 5, 8, 8)) + 40);
}

}  // namespace
}  // namespace velistra
