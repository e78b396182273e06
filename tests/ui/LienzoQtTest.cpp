#include <gtest/gtest.h>

#include <QImage>

#include "Apoyo.h"
#include "plataforma/Recursos.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/plataforma/LienzoQt.h"

namespace velistra {
namespace {

using prueba::Pixel;

using prueba::LasImagenes;

constexpr QRgb kBlanco = 0xFFFFFF;
constexpr QRgb kNegro = 0x000000;
constexpr QRgb kRojo = 0xFF0000;
constexpr QRgb kAzul = 0x0000FF;

QImage Blanca(int ancho = 60, int alto = 60) {
    QImage imagen(ancho, alto, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    return imagen;
}

TEST(LienzoQt, LasLineasDejanFueraSuUltimoPixelYSeUnenSinHuecos) {
    QImage imagen = Blanca();
    {
        LienzoQt lienzo(imagen, LasImagenes());
        const Pluma inicial = lienzo.SeleccionaPluma(Pluma{Rgb(255, 0, 0), 1});
        EXPECT_EQ(inicial, (Pluma{Rgb(0, 0, 0), 1}));
        lienzo.MueveA(2, 2);
        lienzo.LineaA(10, 2);
        lienzo.LineaA(10, 8);
        lienzo.MueveA(20, 20);
        lienzo.LineaA(25, 25);
    }
    for (int x = 2; x < 10; ++x) EXPECT_EQ(Pixel(imagen, x, 2), kRojo) << x;
    for (int y = 2; y < 8; ++y) EXPECT_EQ(Pixel(imagen, 10, y), kRojo) << y;
    EXPECT_EQ(Pixel(imagen, 10, 8), kBlanco);
    EXPECT_EQ(Pixel(imagen, 1, 2), kBlanco);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Pixel(imagen, 20 + i, 20 + i), kRojo) << i;
    EXPECT_EQ(Pixel(imagen, 25, 25), kBlanco);
}

TEST(LienzoQt, UnaLineaAnchaQuedaCentradaSobreOtraMasAncha) {
    // A wire: a black line of 5 with a colour line of 3 over it.
    QImage imagen = Blanca();
    {
        LienzoQt lienzo(imagen, LasImagenes());
        lienzo.SeleccionaPluma(Pluma{Rgb(0, 0, 0), 5});
        lienzo.MueveA(10, 20);
        lienzo.LineaA(50, 20);
        lienzo.SeleccionaPluma(Pluma{Rgb(255, 0, 0), 3});
        lienzo.MueveA(10, 20);
        lienzo.LineaA(50, 20);
    }
    EXPECT_EQ(Pixel(imagen, 30, 17), kBlanco);
    EXPECT_EQ(Pixel(imagen, 30, 18), kNegro);
    for (int y = 19; y <= 21; ++y) EXPECT_EQ(Pixel(imagen, 30, y), kRojo) << y;
    EXPECT_EQ(Pixel(imagen, 30, 22), kNegro);
    EXPECT_EQ(Pixel(imagen, 30, 23), kBlanco);
}

TEST(LienzoQt, RectangulosYElipsesOcupanLaCajaSinSuBordeDerechoNiInferior) {
    QImage imagen = Blanca();
    {
        LienzoQt lienzo(imagen, LasImagenes());
        lienzo.SeleccionaPluma(Pluma{Rgb(255, 0, 0), 1});
        EXPECT_EQ(lienzo.SeleccionaBrocha(Rgb(0, 0, 255)), Rgb(255, 255, 255));
        lienzo.Rectangulo(5, 5, 10, 9);
        lienzo.Elipse(20, 20, 29, 29);
    }
    for (const QPoint esquina : {QPoint(5, 5), QPoint(9, 5), QPoint(5, 8), QPoint(9, 8)}) {
        EXPECT_EQ(Pixel(imagen, esquina.x(), esquina.y()), kRojo);
    }
    EXPECT_EQ(Pixel(imagen, 7, 6), kAzul);
    EXPECT_EQ(Pixel(imagen, 10, 6), kBlanco);
    EXPECT_EQ(Pixel(imagen, 7, 9), kBlanco);

    for (const QPoint borde : {QPoint(24, 20), QPoint(20, 24), QPoint(28, 24), QPoint(24, 28)}) {
        EXPECT_EQ(Pixel(imagen, borde.x(), borde.y()), kRojo) << borde.x() << "," << borde.y();
    }
    EXPECT_EQ(Pixel(imagen, 24, 24), kAzul);
    EXPECT_EQ(Pixel(imagen, 29, 24), kBlanco);
    EXPECT_EQ(Pixel(imagen, 24, 29), kBlanco);
    EXPECT_EQ(Pixel(imagen, 20, 20), kBlanco);
}

TEST(LienzoQt, ElTextoEmpiezaEnSuEsquinaYElOpacoLlevaFondoBlanco) {
    QImage imagen(80, 40, QImage::Format_RGB32);
    imagen.fill(QColor(0, 128, 0));
    {
        LienzoQt lienzo(imagen, LasImagenes());
        lienzo.Texto(4, 10, "Año", Rgb(0, 0, 0), false);
        lienzo.Texto(44, 10, "74LS00", Rgb(127, 127, 127), true);
    }
    EXPECT_EQ(Pixel(imagen, 4, 10), kBlanco);
    int negros = 0;
    int grises = 0;
    for (int y = 0; y < imagen.height(); ++y) {
        for (int x = 0; x < imagen.width(); ++x) {
            const QRgb color = Pixel(imagen, x, y);
            if (color == kNegro) {
                ++negros;
                EXPECT_GE(y, 10);
                EXPECT_GE(x, 4);
            }
            if (color == 0x7F7F7F) {
                ++grises;
                EXPECT_GE(x, 44);
            }
        }
    }
    EXPECT_GT(negros, 10);
    EXPECT_GT(grises, 10);
    EXPECT_EQ(Pixel(imagen, 44, 10), 0x008000u) << "transparent text keeps the background";
}

TEST(LienzoQt, LaMascaraConYYLaImagenConODejanVerLoDeDebajoFueraDelChip) {
    QImage imagen(100, 50, QImage::Format_RGB32);
    imagen.fill(QColor(0, 128, 0));
    const QImage& chip = *LasImagenes().Busca(recursos::Chip14.id);
    const QImage& mascara = *LasImagenes().Busca(recursos::Mascara14.id);
    {
        LienzoQt lienzo(imagen, LasImagenes());
        lienzo.CopiaImagen(recursos::Mascara14, 3, 4, 91, 41, ModoDeCopia::Y);
        lienzo.CopiaImagen(recursos::Chip14, 3, 4, 91, 41, ModoDeCopia::O);
    }
    for (int y = 0; y < 41; ++y) {
        for (int x = 0; x < 91; ++x) {
            const QRgb esperado = Pixel(mascara, x, y) == kBlanco ? 0x008000u : Pixel(chip, x, y);
            ASSERT_EQ(Pixel(imagen, 3 + x, 4 + y), esperado) << x << "," << y;
        }
    }
    EXPECT_EQ(Pixel(imagen, 1, 1), 0x008000u);
}

TEST(LienzoQt, CopiarPoneLaParteIndicadaYUnaImagenDesconocidaNoPintaNada) {
    QImage imagen = Blanca(40, 40);
    const QImage& lampara = *LasImagenes().Busca(recursos::LedON.id);
    {
        LienzoQt lienzo(imagen, LasImagenes());
        lienzo.CopiaImagen(recursos::LedON, 5, 5, 10, 10, ModoDeCopia::Copia);
        lienzo.CopiaImagen(Imagen{2101, 20, 20}, 20, 20, 20, 20, ModoDeCopia::Copia);
    }
    EXPECT_EQ(Pixel(imagen, 5, 5), Pixel(lampara, 0, 0));
    EXPECT_EQ(Pixel(imagen, 14, 14), Pixel(lampara, 9, 9));
    EXPECT_EQ(Pixel(imagen, 15, 15), kBlanco);
    EXPECT_EQ(Pixel(imagen, 30, 30), kBlanco);
}

TEST(LienzoQt, RellenarPintaHastaElBordeYNoSeDetieneEnSuPropioColor) {
    QImage imagen = Blanca();
    {
        LienzoQt lienzo(imagen, LasImagenes());
        lienzo.Rectangulo(10, 10, 40, 40);  // black outline, white inside
        lienzo.SeleccionaPluma(Pluma{Rgb(255, 0, 0), 1});
        lienzo.MueveA(25, 11);
        lienzo.LineaA(25, 39);  // already the fill colour: must not stop the fill
        lienzo.SeleccionaBrocha(Rgb(255, 0, 0));
        lienzo.Rellena(15, 20, Rgb(0, 0, 0));
        lienzo.Rellena(10, 10, Rgb(0, 0, 0));  // on the border: nothing
        lienzo.Rellena(-5, 70, Rgb(0, 0, 0));  // outside: nothing
        lienzo.SeleccionaPluma(Pluma{Rgb(0, 0, 255), 1});
        lienzo.MueveA(0, 0);
        lienzo.LineaA(5, 0);  // drawing goes on after a fill
    }
    for (int y = 11; y < 39; ++y) {
        for (int x = 11; x < 39; ++x) ASSERT_EQ(Pixel(imagen, x, y), kRojo) << x << "," << y;
    }
    EXPECT_EQ(Pixel(imagen, 10, 20), kNegro);
    EXPECT_EQ(Pixel(imagen, 5, 20), kBlanco);
    EXPECT_EQ(Pixel(imagen, 45, 45), kBlanco);
    EXPECT_EQ(Pixel(imagen, 2, 0), kAzul);
}

TEST(LienzoQt, RellenarTodoElLienzoDeLaMesaNoAgotaLaPila) {
    QImage imagen = Blanca(2000, 1500);
    {
        LienzoQt lienzo(imagen, LasImagenes());
        lienzo.SeleccionaBrocha(Rgb(0, 0, 255));
        lienzo.Rellena(1000, 750, Rgb(0, 0, 0));
    }
    EXPECT_EQ(Pixel(imagen, 0, 0), kAzul);
    EXPECT_EQ(Pixel(imagen, 1999, 1499), kAzul);
}

}  // namespace
}  // namespace velistra
