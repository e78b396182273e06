// The browser's canvas gives the desktop's pixels for every kind of call the workbench
// makes, at the widths, sizes and modes it makes them with.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "ComparaConElEscritorio.h"
#include "plataforma/Recursos.h"
#include "web/lienzo/LienzoDeMapa.h"

namespace velistra {
namespace {

using prueba::DibujaEnElEscritorio;
using prueba::DibujaEnElNavegador;
using prueba::MismosPixeles;

const QSize kTamano(160, 120);

int Entre(std::mt19937& azar, int desde, int hasta) {
    return std::uniform_int_distribution<int>(desde, hasta)(azar);
}

// As a wire runs: horizontal, vertical and 45-degree legs, some of no length.
void Recorrido(Lienzo& l, std::mt19937 azar, int tramos) {
    int x = Entre(azar, -10, kTamano.width() + 10), y = Entre(azar, -10, kTamano.height() + 10);
    l.MueveA(x, y);
    for (int i = 0; i < tramos; ++i) {
        const int largo = Entre(azar, 0, 40);
        const int sesgo = (largo / 8) * (Entre(azar, 0, 1) ? 1 : -1);
        switch (Entre(azar, 0, 5)) {
            case 0: x += largo; break;
            case 1: x -= largo; break;
            case 2: y += largo; break;
            case 3: y -= largo; break;
            case 4: x += largo / 8; y += sesgo; break;
            default: x -= largo / 8; y += sesgo; break;
        }
        l.LineaA(x, y);
    }
}

class ContraElEscritorio : public ::testing::Test {
protected:
    int Entre(int desde, int hasta) { return velistra::Entre(azar, desde, hasta); }
    Color UnColor() { return Rgb(Entre(0, 255), Entre(0, 255), Entre(0, 255)); }

    void Compara(const std::function<void(Lienzo&)>& dibujo, const std::string& caso,
                 int holgura = prueba::kHolgura) {
        EXPECT_TRUE(MismosPixeles(DibujaEnElEscritorio(kTamano, dibujo, holgura),
                                  DibujaEnElNavegador(kTamano, dibujo)))
            << caso;
    }

    std::mt19937 azar{20261209};
};

TEST_F(ContraElEscritorio, LineasDeCadaAnchoQueUsaLaMesa) {
    for (int caso = 0; caso < 150; ++caso) {
        // Thin lines go anywhere, with their end pixel left out.
        const int x0 = Entre(-20, 180), y0 = Entre(-20, 140), x1 = Entre(-20, 180), y1 = Entre(-20, 140);
        Compara([&](Lienzo& l) {
            l.MueveA(x0, y0);
            l.LineaA(x1, y1);
            l.LineaA(x0, y1);
        }, "thin " + std::to_string(caso));
    }
    for (int caso = 0; caso < 300; ++caso) {
        // A wire is an outline pass and a colour pass two pixels narrower, then the next
        // wire; the colour bar is five pixels wide.
        const int ancho = std::vector<int>{3, 5, 5, 7}[static_cast<std::size_t>(caso % 4)];
        const std::mt19937 camino(static_cast<unsigned>(azar()));
        const auto cable = [&](Lienzo& l) {
            const Pluma antes = l.SeleccionaPluma({Rgb(0, 0, 0), ancho});
            Recorrido(l, camino, 6);
            l.SeleccionaPluma({Rgb(200, 40, 40), ancho - 2});
            Recorrido(l, camino, 6);
            l.SeleccionaPluma(antes);
        };
        Compara(cable, "wire of width " + std::to_string(ancho) + ", case " + std::to_string(caso));
    }
}

// The probe's and the loops' frames, closed squares two pixels wide: their sides are
// exact; where two sides meet, a pixel whose centre lies exactly on the round join's
// edge goes whichever way Qt's arithmetic takes it there, at most one per corner.
TEST_F(ContraElEscritorio, MarcosDeDosPixeles) {
    int conDiferencias = 0;
    for (int caso = 0; caso < 100; ++caso) {
        const int l0 = Entre(-5, 150), t0 = Entre(-5, 110), lado = Entre(1, 30);
        const auto marco = [&](Lienzo& l) {
            l.SeleccionaPluma({Rgb(0, 150, 255), 2});
            l.MueveA(l0, t0);
            l.LineaA(l0 + lado, t0);
            l.LineaA(l0 + lado, t0 + lado);
            l.LineaA(l0, t0 + lado);
            l.LineaA(l0, t0);
        };
        const std::vector<QPoint> distintos =
            prueba::PixelesDistintos(DibujaEnElEscritorio(kTamano, marco), DibujaEnElNavegador(kTamano, marco));
        EXPECT_LE(distintos.size(), 4u) << caso;
        for (const QPoint& p : distintos) {
            const bool enEsquina = (std::abs(p.x() - l0) <= 1 || std::abs(p.x() - l0 - lado) <= 1) &&
                                   (std::abs(p.y() - t0) <= 1 || std::abs(p.y() - t0 - lado) <= 1);
            EXPECT_TRUE(enEsquina) << caso << ": " << p.x() << "," << p.y();
        }
        conDiferencias += distintos.empty() ? 0 : 1;
    }
    EXPECT_LT(conDiferencias, 50) << "most frames are exact";
}

TEST_F(ContraElEscritorio, ElipsesYRectangulos) {
    // The PLA's marks: its handle, the junction dots and the links, filled black or white.
    for (const int lado : {15, 5, 9}) {
        for (const Color brocha : {Rgb(255, 255, 255), Rgb(0, 0, 0)}) {
            Compara([&](Lienzo& l) {
                l.SeleccionaBrocha(brocha);
                l.Elipse(20, 30, 20 + lado, 30 + lado);
                l.Elipse(70 + lado, 30 + lado, 70, 30);  // corners given the other way round
            }, "ellipse " + std::to_string(lado));
        }
    }
    for (int caso = 0; caso < 200; ++caso) {
        const int l0 = Entre(-10, 150), t0 = Entre(-10, 110);
        const int w = Entre(0, 24), h = Entre(0, 24), pluma = Entre(1, 3);
        const Color colorDePluma = UnColor(), brocha = UnColor();
        Compara([&](Lienzo& l) {
            l.SeleccionaPluma({colorDePluma, 1});
            l.SeleccionaBrocha(brocha);
            l.Elipse(l0, t0, l0 + w, t0 + h);
            l.SeleccionaPluma({colorDePluma, pluma});
            l.Rectangulo(t0, l0, t0 + h, l0 + w);
        }, "ellipse and rectangle " + std::to_string(caso));
    }
}

TEST_F(ContraElEscritorio, CadaImagenEnLosTresModos) {
    for (const Imagen& imagen : recursos::Todas()) {
        if (imagen.ancho > 1000) continue;  // the blank workbench: white on white
        for (const ModoDeCopia modo : {ModoDeCopia::Copia, ModoDeCopia::Y, ModoDeCopia::O}) {
            const int x = Entre(-imagen.ancho / 2, 100), y = Entre(-imagen.alto / 2, 80);
            Compara([&](Lienzo& l) {
                // Something below for AND and OR to combine with.
                l.SeleccionaBrocha(Rgb(90, 160, 30));
                l.Rectangulo(0, 0, 80, 120);
                l.CopiaImagen(imagen, x, y, imagen.ancho, imagen.alto, modo);
                l.CopiaImagen(imagen, y, x, imagen.ancho / 2, imagen.alto / 3, modo);
            }, "image " + std::to_string(imagen.id) + " mode " + std::to_string(static_cast<int>(modo)));
        }
    }
}

TEST_F(ContraElEscritorio, RellenosHastaUnBorde) {
    for (int caso = 0; caso < 30; ++caso) {
        std::vector<std::mt19937> caminos;
        for (int i = 0; i < 12; ++i) caminos.emplace_back(static_cast<unsigned>(azar()));
        const int x = Entre(0, 159), y = Entre(0, 119);
        Compara([&](Lienzo& l) {
            l.SeleccionaPluma({Rgb(10, 20, 30), 1});
            for (const std::mt19937& camino : caminos) Recorrido(l, camino, 5);
            l.SeleccionaBrocha(Rgb(250, 200, 0));
            l.Rellena(x, y, Rgb(10, 20, 30));
        }, "fill " + std::to_string(caso), 0);
    }
    // A lamp's shape taken from its board's picture, painted over what crosses it.
    const Imagen display = recursos::Leds7Segmentos;
    for (int caso = 0; caso < 20; ++caso) {
        const int x = Entre(0, display.ancho - 1), y = Entre(0, display.alto - 1);
        const QSize grande(display.ancho + 20, display.alto + 20);
        const auto dibujo = [&](Lienzo& l) {
            l.CopiaImagen(display, 10, 10, display.ancho, display.alto, ModoDeCopia::Copia);
            l.SeleccionaPluma({Rgb(0, 0, 200), 3});
            l.MueveA(0, 60);
            l.LineaA(400, 70);
            l.SeleccionaBrocha(Rgb(255, 0, 0));
            l.RellenaSegunImagen(display, 10, 10, 10 + x, 10 + y, Rgb(0, 0, 0));
        };
        EXPECT_TRUE(MismosPixeles(DibujaEnElEscritorio(grande, dibujo), DibujaEnElNavegador(grande, dibujo)))
            << x << "," << y;
    }
}

// The page draws only what it shows: a buffer placed at the scroll offset holds that
// part of the whole picture, cut where the canvas is told.
TEST_F(ContraElEscritorio, UnaParteDeLaMesaEsLaMismaParteDelDibujo) {
    const auto dibujo = [&](Lienzo& l) {
        l.CopiaImagen(recursos::Protoboard, 3, 5, recursos::Protoboard.ancho, recursos::Protoboard.alto,
                      ModoDeCopia::Copia);
        l.CopiaImagen(recursos::Mascara14, 40, 50, 91, 41, ModoDeCopia::Y);
        l.CopiaImagen(recursos::Chip14, 40, 50, 91, 41, ModoDeCopia::O);
        l.SeleccionaPluma({Rgb(0, 0, 0), 5});
        l.MueveA(20, 200);
        l.LineaA(300, 200);
        l.LineaA(303, 203);
        l.LineaA(303, 260);
        l.SeleccionaPluma({Rgb(0, 0, 0), 1});
        l.SeleccionaBrocha(Rgb(0, 0, 0));
        l.Elipse(100, 100, 115, 115);
    };
    const QImage todo = DibujaEnElEscritorio(QSize(400, 300), dibujo);
    const QRect parte(137, 91, 120, 150);
    EXPECT_TRUE(MismosPixeles(todo.copy(parte), DibujaEnElNavegador(parte.size(), dibujo, parte.topLeft())));

    web::MapaDeBits mapa(400, 300);
    web::LienzoDeMapa recortado(mapa, prueba::LosRecursosDeLaWeb());
    recortado.Recorta(50, 60, 250, 220);
    dibujo(recortado);
    QImage esperada(400, 300, QImage::Format_RGB32);
    esperada.fill(Qt::white);
    const QRect corte(QPoint(50, 60), QPoint(249, 219));
    for (int y = corte.top(); y <= corte.bottom(); ++y)
        for (int x = corte.left(); x <= corte.right(); ++x) esperada.setPixel(x, y, todo.pixel(x, y));
    EXPECT_TRUE(MismosPixeles(esperada, prueba::ComoQImage(mapa)));
}

}  // namespace
}  // namespace velistra
