#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "tableros/TableroPLA.h"
#include "plataforma/Recursos.h"
#include "support/LienzoDePrueba.h"

namespace velistra {
namespace {

using prueba::LienzoDePrueba;
using prueba::Trazo;
using prueba::VentanaDePrueba;
using Rect = std::array<int, 4>;

std::vector<Rect> Repintados(const VentanaDePrueba& ventana) {
    std::vector<Rect> rects;
    for (const auto& r : ventana.repintados) rects.push_back({r.l, r.t, r.r, r.b});
    return rects;
}

// Clicks as the workbench does: bench coordinates, no scroll, no window.
bool PulsaCruce(TableroPLA& pla, int i, int j, int dx = 0, int dy = 0) {
    const Punto cruce = TableroPLA::Cruce(i, j);
    return pla.ClickIzquierdo(nullptr, pla.EsquinaX() + cruce.x + dx, pla.EsquinaY() + cruce.y + dy,
                              0, 0);
}

// Switch k sits at (37 + 50k, 500) from the corner.
bool PulsaInterruptor(TableroPLA& pla, int k, Ventana* ventana = nullptr, int xD = 0, int yD = 0) {
    return pla.ClickIzquierdo(ventana, pla.EsquinaX() + 37 + 50 * k + 5, pla.EsquinaY() + 510, xD,
                              yD);
}

// Sets the switches to `combinacion` (bit k = switch k) by clicking the ones that differ.
void PonInterruptores(TableroPLA& pla, unsigned combinacion) {
    for (int k = 0; k < 4; ++k) {
        const bool quiero = (combinacion >> k) & 1u;
        if ((pla.InterruptorDeEntrada(k).Estado() == '1') != quiero) {
            ASSERT_TRUE(PulsaInterruptor(pla, k));
        }
    }
}

bool W(const TableroPLA& pla) { return pla.Led(0).Estado(); }

TEST(TableroPLA, TableroNuevo) {
    TableroPLA pla;
    EXPECT_EQ(pla.Tipo(), 8);
    EXPECT_EQ(pla.NumeroDePuertos(), 0);
    EXPECT_EQ(pla.NumeroDeEntradas(), 4);
    EXPECT_EQ(pla.NumeroDeSalidas(), 4);
    EXPECT_EQ(pla.Anchura(), 0);
    EXPECT_EQ(pla.Altura(), 0);
    EXPECT_TRUE(pla.EstaLimpio());
    EXPECT_EQ(pla.PuertoEn(43, 43), nullptr);
    for (int k = 0; k < 4; ++k) {
        EXPECT_FALSE(pla.Led(k).Estado());
        EXPECT_FALSE(pla.Salida(k));
        EXPECT_EQ(pla.InterruptorDeEntrada(k).Estado(), '0');
    }
    for (int i = 0; i < 12; ++i)
        for (int j = 0; j < 8; ++j) EXPECT_FALSE(pla.Conexion(i, j));

    // No OR-plane links: every output stays 0 whatever the switches.
    for (int k = 0; k < 4; ++k) {
        ASSERT_TRUE(PulsaInterruptor(pla, k));
        for (int s = 0; s < 4; ++s) EXPECT_FALSE(pla.Led(s).Estado());
    }
}

TEST(TableroPLA, Marcador) {
    TableroPLA pla;
    pla.UbicaEn(100, 200);
    EXPECT_TRUE(pla.MarcadorEn(100, 200));
    EXPECT_TRUE(pla.MarcadorEn(115, 215));
    EXPECT_FALSE(pla.MarcadorEn(116, 200));
    EXPECT_FALSE(pla.MarcadorEn(100, 216));
    EXPECT_FALSE(pla.MarcadorEn(99, 200));
    EXPECT_FALSE(pla.MarcadorEn(5, 5));
}

TEST(TableroPLA, TerminoVacioDaUno) {
    TableroPLA pla;
    ASSERT_TRUE(PulsaCruce(pla, 8, 0));
    EXPECT_TRUE(pla.Conexion(8, 0));
    for (unsigned c = 0; c < 16; ++c) {
        PonInterruptores(pla, c);
        EXPECT_TRUE(W(pla)) << c;
        for (int k = 1; k < 4; ++k) EXPECT_FALSE(pla.Led(k).Estado()) << c;
    }
}

TEST(TableroPLA, ProductoYContradiccion) {
    TableroPLA pla;
    // W = A AND B: true columns of A and B on row 0, row 0 to output W.
    for (const Punto enlace : {Punto{0, 0}, Punto{2, 0}, Punto{8, 0}})
        ASSERT_TRUE(PulsaCruce(pla, enlace.x, enlace.y));
    for (unsigned c = 0; c < 16; ++c) {
        PonInterruptores(pla, c);
        const bool a = c & 1u, b = c & 2u;
        EXPECT_EQ(W(pla), a && b) << c;
        EXPECT_EQ(pla.Salida(0), a && b) << c;
    }

    // A AND NOT A: never.
    ASSERT_TRUE(PulsaCruce(pla, 1, 0));
    for (unsigned c = 0; c < 16; ++c) {
        PonInterruptores(pla, c);
        EXPECT_FALSE(W(pla)) << c;
    }

    // Removing links recomputes at once, without touching a switch.
    PonInterruptores(pla, 0b0011);
    ASSERT_FALSE(W(pla));
    ASSERT_TRUE(PulsaCruce(pla, 1, 0));
    EXPECT_FALSE(pla.Conexion(1, 0));
    EXPECT_TRUE(W(pla));
    ASSERT_TRUE(PulsaCruce(pla, 8, 0));
    EXPECT_FALSE(W(pla));
}

TEST(TableroPLA, SumaDeProductosEnVariasSalidas) {
    TableroPLA pla;
    // Y = (A AND NOT B) OR (NOT A AND B) on rows 2 and 5; Z = NOT D on row 7.
    for (const Punto enlace : {Punto{0, 2}, Punto{3, 2}, Punto{10, 2}, Punto{1, 5}, Punto{2, 5},
                               Punto{10, 5}, Punto{7, 7}, Punto{11, 7}})
        ASSERT_TRUE(PulsaCruce(pla, enlace.x, enlace.y));
    for (unsigned c = 0; c < 16; ++c) {
        PonInterruptores(pla, c);
        const bool a = c & 1u, b = c & 2u, d = c & 8u;
        EXPECT_FALSE(pla.Led(0).Estado()) << c;
        EXPECT_FALSE(pla.Led(1).Estado()) << c;
        EXPECT_EQ(pla.Led(2).Estado(), a != b) << c;
        EXPECT_EQ(pla.Led(3).Estado(), !d) << c;
        // Generic readers see the switches and the lamps through the board's tables.
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(pla.EstadoDeEntrada(k), (c >> k) & 1u) << c;
            EXPECT_EQ(pla.EstadoDeSalida(k), pla.Led(k).Estado() ? 1 : 0) << c;
        }
    }
}

TEST(TableroPLA, AlcanceDelClick) {
    TableroPLA pla;
    pla.UbicaEn(30, 60);
    EXPECT_TRUE(PulsaCruce(pla, 4, 3, 4, 0));  // distance² 16
    EXPECT_TRUE(pla.Conexion(4, 3));
    EXPECT_TRUE(PulsaCruce(pla, 4, 3, -2, 4));  // 20
    EXPECT_FALSE(pla.Conexion(4, 3));
    EXPECT_FALSE(PulsaCruce(pla, 4, 3, 5, 0));   // 25
    EXPECT_FALSE(PulsaCruce(pla, 4, 3, 3, -4));  // 25
    EXPECT_FALSE(pla.Conexion(4, 3));
    // Only the one cross-point in reach changes.
    for (int i = 0; i < 12; ++i)
        for (int j = 0; j < 8; ++j) EXPECT_FALSE(pla.Conexion(i, j)) << i << "," << j;

    // Clicks far from everything are left to other boards.
    EXPECT_FALSE(pla.ClickIzquierdo(nullptr, 30 + 300, 60 + 30, 0, 0));
    EXPECT_FALSE(pla.ClickIzquierdo(nullptr, 0, 0, 0, 0));
}

TEST(TableroPLA, InterruptoresSiguenAlTablero) {
    TableroPLA pla;
    // Switch 1 at (87, 500), 15 x 28; right and bottom edges are outside.
    EXPECT_TRUE(pla.ClickIzquierdo(nullptr, 87, 500, 0, 0));
    EXPECT_EQ(pla.InterruptorDeEntrada(1).Estado(), '1');
    EXPECT_TRUE(pla.ClickIzquierdo(nullptr, 101, 527, 0, 0));
    EXPECT_EQ(pla.InterruptorDeEntrada(1).Estado(), '0');
    EXPECT_FALSE(pla.ClickIzquierdo(nullptr, 102, 510, 0, 0));
    EXPECT_FALSE(pla.ClickIzquierdo(nullptr, 90, 528, 0, 0));
    EXPECT_EQ(pla.InterruptorDeEntrada(1).Estado(), '0');

    // A board moved and not yet redrawn answers at its new place only.
    pla.UbicaEn(400, 300);
    EXPECT_FALSE(pla.ClickIzquierdo(nullptr, 90, 510, 0, 0));
    EXPECT_TRUE(pla.ClickIzquierdo(nullptr, 490, 810, 0, 0));
    EXPECT_EQ(pla.InterruptorDeEntrada(1).Estado(), '1');
}

TEST(TableroPLA, PideRepintarLoQueCambia) {
    TableroPLA pla;
    pla.UbicaEn(100, 50);
    VentanaDePrueba ventana;
    const int xD = 20, yD = 10;
    const auto lamparas = [&](std::vector<Rect> antes) {
        for (int k = 0; k < 4; ++k)
            antes.push_back({435 + 50 * k - xD, 560 - yD, 453 + 50 * k - xD, 579 - yD});
        return antes;
    };

    // Link (0, 0) at bench (143, 93): its dot, then the four lamps.
    ASSERT_TRUE(pla.ClickIzquierdo(&ventana, 143, 93, xD, yD));
    EXPECT_EQ(Repintados(ventana), lamparas({{119, 79, 128, 88}}));
    // Clearing it asks for the same area.
    ventana.repintados.clear();
    ASSERT_TRUE(pla.ClickIzquierdo(&ventana, 144, 92, xD, yD));
    EXPECT_EQ(Repintados(ventana), lamparas({{119, 79, 128, 88}}));

    // Switch 2 at bench (237, 550), 15 x 28.
    ventana.repintados.clear();
    ASSERT_TRUE(PulsaInterruptor(pla, 2, &ventana, xD, yD));
    EXPECT_EQ(Repintados(ventana), lamparas({{237 - xD, 550 - yD, 252 - xD, 578 - yD}}));

    ventana.repintados.clear();
    EXPECT_FALSE(pla.ClickIzquierdo(&ventana, 0, 0, xD, yD));
    EXPECT_TRUE(ventana.repintados.empty());
}

TEST(TableroPLA, Dibujo) {
    TableroPLA pla;
    pla.UbicaEn(10, 20);
    ASSERT_TRUE(PulsaCruce(pla, 0, 0));
    ASSERT_TRUE(PulsaCruce(pla, 9, 6));
    ASSERT_TRUE(PulsaCruce(pla, 11, 7));
    ASSERT_TRUE(PulsaInterruptor(pla, 3));

    LienzoDePrueba lienzo;
    pla.Dibuja(lienzo);
    const int X = 10, Y = 20;

    ASSERT_FALSE(lienzo.trazos.empty());
    const Trazo& marco = lienzo.trazos.front();
    EXPECT_EQ(marco.tipo, Trazo::Tipo::Rectangulo);
    EXPECT_EQ(marco.a, X);
    EXPECT_EQ(marco.b, Y);
    EXPECT_EQ(marco.c, X + 550);
    EXPECT_EQ(marco.d, Y + 570);

    std::vector<Trazo> copias = lienzo.DeTipo(Trazo::Tipo::Copia);
    ASSERT_EQ(copias.size(), 4u + 8u + 4u + 4u + 4u);
    const auto esperaCopia = [](const Trazo& t, const Imagen& imagen, int x, int y) {
        EXPECT_EQ(prueba::Copia(t), (std::array{imagen.id, x, y, imagen.ancho, imagen.alto}));
        EXPECT_EQ(t.modo, ModoDeCopia::Copia);
    };
    size_t n = 0;
    for (int k = 0; k < 4; ++k)
        esperaCopia(copias[n++], recursos::PlaNot, X + 50 + 50 * k, Y + 420);
    for (int j = 0; j < 8; ++j)
        esperaCopia(copias[n++], recursos::PlaAnd, X + 250, Y + 20 + 50 * j);
    for (int k = 0; k < 4; ++k)
        esperaCopia(copias[n++], recursos::PlaOr, X + 322 + 50 * k, Y + 420);
    for (int k = 0; k < 4; ++k)
        esperaCopia(copias[n++],
                    k == 3 ? recursos::PlaInterruptorEncendido : recursos::PlaInterruptorApagado,
                    X + 37 + 50 * k, Y + 500);
    // Row 7 has no AND links, so Z is lit; row 6 feeds X and is empty too.
    for (int k = 0; k < 4; ++k)
        esperaCopia(copias[n++],
                    (k == 1 || k == 3) ? recursos::PlaLedEncendido : recursos::PlaLedApagado,
                    X + 335 + 50 * k, Y + 510);

    // The handle with the current brush, then black dots: four junctions and one per link.
    const std::vector<Trazo> elipses = lienzo.DeTipo(Trazo::Tipo::Elipse);
    ASSERT_EQ(elipses.size(), 1u + 4u + 3u);
    EXPECT_EQ(elipses[0].color, Rgb(255, 255, 255));
    EXPECT_EQ(elipses[0].a, X);
    EXPECT_EQ(elipses[0].c, X + 15);
    for (size_t e = 1; e < elipses.size(); ++e) EXPECT_EQ(elipses[e].color, Rgb(0, 0, 0)) << e;
    EXPECT_EQ(elipses[1].a, X + 41);
    EXPECT_EQ(elipses[1].b, Y + 483);
    EXPECT_EQ(elipses[1].c, X + 46);
    EXPECT_EQ(elipses[1].d, Y + 488);
    const Punto enlace = TableroPLA::Cruce(9, 6);
    EXPECT_EQ(elipses[6].a, X + enlace.x - 4);
    EXPECT_EQ(elipses[6].b, Y + enlace.y - 4);
    EXPECT_EQ(elipses[6].c, X + enlace.x + 5);
    EXPECT_EQ(elipses[6].d, Y + enlace.y + 5);
    EXPECT_EQ(lienzo.brocha, Rgb(255, 255, 255)) << "the brush is given back";

    const std::vector<Trazo> textos = lienzo.DeTipo(Trazo::Tipo::Texto);
    ASSERT_EQ(textos.size(), 2u);
    EXPECT_EQ(textos[0].texto, "A          B          C          D");
    EXPECT_EQ(textos[0].a, X + 42);
    EXPECT_EQ(textos[0].b, Y + 540);
    EXPECT_EQ(textos[1].texto, "W          X          Y          Z");
    EXPECT_EQ(textos[1].a, X + 336);
    for (const Trazo& t : textos) {
        EXPECT_EQ(t.color, Rgb(0, 0, 0));
        EXPECT_FALSE(t.transparente);
    }

    // 8 input columns, 4 inverter feeds, 8 rows, 4 output columns.
    const std::vector<Trazo> desde = lienzo.DeTipo(Trazo::Tipo::MueveA);
    const std::vector<Trazo> hasta = lienzo.DeTipo(Trazo::Tipo::LineaA);
    ASSERT_EQ(desde.size(), 24u);
    ASSERT_EQ(hasta.size(), 24u);
    EXPECT_EQ(hasta[0].b, Y + 500);  // true input A reaches its switch
    EXPECT_EQ(hasta[1].b, Y + 486);  // inverted A stops at its inverter
    EXPECT_EQ(desde[12].a, X + 37);
    EXPECT_EQ(hasta[12].a, X + 500);
    EXPECT_EQ(desde[23].a, X + 494);
    EXPECT_EQ(hasta[23].b, Y + 510);
}

}  // namespace
}  // namespace velistra
