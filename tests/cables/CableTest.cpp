#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/LienzoDePrueba.h"
#include "cables/Cable.h"
#include "cables/TextoDeVertices.h"

namespace velistra {
namespace {

using prueba::LienzoDePrueba;
using prueba::Texto;
using prueba::Trazo;
using V = Cable::Vertices;

constexpr int kTableroA = 1;
constexpr int kTableroB = 2;

Cable ConForma(const V& puntos) {
    Cable cable;
    cable.Puntos(puntos);
    cable.TableroA(kTableroA);
    cable.TableroB(kTableroB);
    return cable;
}

// Common shapes.
const V kRectaHorizontal{{{100, 100}, {100, 100}, {100, 100}, {200, 100}, {200, 100}, {200, 100}}};
const V kRectaVertical{{{100, 100}, {100, 100}, {100, 100}, {100, 200}, {100, 200}, {100, 200}}};
const V kEsquinaVertical{{{100, 100}, {100, 100}, {100, 160}, {100, 160}, {130, 160}, {130, 160}}};
const V kEsquinaHorizontal{
    {{100, 100}, {100, 100}, {160, 100}, {160, 100}, {160, 130}, {160, 130}}};
const V kCuatroEsquinas{{{0, 0}, {0, 10}, {20, 10}, {20, 30}, {40, 30}, {40, 50}}};
const V kCuatroEsquinasTraspuesto{{{0, 0}, {10, 0}, {10, 20}, {30, 20}, {30, 40}, {50, 40}}};

// Laying out a wire while the pointer moves.

TEST(Cable, LaOrientacionSeDecideAlPasarDeCuatroPixeles) {
    Cable cable;
    cable.Inicia(3, 100, 100);
    cable.Construye(103, 104);  // still undecided
    cable.Construye(130, 160);  // 30 <= 60: vertical first
    EXPECT_EQ(Texto(cable.Puntos()), "(100,100)(100,100)(100,160)(100,160)(130,160)(130,160)");
    cable.Construye(250, 170);  // now mostly horizontal, but the choice stays
    EXPECT_EQ(Texto(cable.Puntos()), "(100,100)(100,100)(100,170)(100,170)(250,170)(250,170)");
    EXPECT_EQ(cable.TableroA(), 3);
    EXPECT_EQ(cable.AX(), 100);
    EXPECT_EQ(cable.BY(), 170);

    Cable otro;
    otro.Inicia(3, 100, 100);
    otro.Construye(103, 104);
    otro.Construye(160, 130);  // the first move decided nothing
    EXPECT_EQ(otro.Puntos()[2], (Punto{160, 100}));
}

TEST(Cable, UnEmpateAlDecidirDaPrimerTramoVertical) {
    Cable cable;
    cable.Inicia(1, 100, 100);
    cable.Construye(105, 105);
    cable.Construye(200, 110);
    EXPECT_EQ(cable.Puntos()[2], (Punto{100, 110}));

    Cable sinDecidir;
    sinDecidir.Inicia(1, 100, 100);
    sinDecidir.Construye(104, 104);  // not past 4 pixels
    sinDecidir.Construye(200, 110);
    EXPECT_EQ(sinDecidir.Puntos()[2], (Punto{200, 100}));
}

TEST(Cable, ConcluirEnLineaDaUnCableRecto) {
    Cable cable;
    cable.Inicia(1, 100, 100);
    cable.Construye(130, 160);  // vertical first
    cable.Concluye(2, 200, 100);
    EXPECT_EQ(Texto(cable.Puntos()), Texto(kRectaHorizontal));
    EXPECT_EQ(cable.TableroB(), 2);

    Cable vertical;
    vertical.Inicia(1, 100, 100);
    vertical.Construye(160, 130);  // horizontal first
    vertical.Concluye(2, 100, 200);
    EXPECT_EQ(Texto(vertical.Puntos()), Texto(kRectaVertical));
}

TEST(Cable, ConcluirFueraDeLineaDaUnaEsquinaSegunLaOrientacion) {
    Cable vertical;
    vertical.Inicia(1, 100, 100);
    vertical.Construye(110, 150);
    vertical.Concluye(2, 130, 160);
    EXPECT_EQ(Texto(vertical.Puntos()), Texto(kEsquinaVertical));

    Cable horizontal;
    horizontal.Inicia(1, 100, 100);
    horizontal.Construye(150, 110);
    horizontal.Concluye(2, 160, 130);
    EXPECT_EQ(Texto(horizontal.Puntos()), Texto(kEsquinaHorizontal));
}

TEST(Cable, IniciarOlvidaElCableAnteriorSalvoAnchuraYColor) {
    Cable cable;
    cable.Anchura(7);
    cable.Color(Rgb(1, 2, 3));
    cable.Inicia(1, 100, 100);
    cable.Construye(110, 150);  // vertical first
    cable.Concluye(2, 130, 160);

    cable.Inicia(5, 300, 300);
    EXPECT_EQ(cable.TableroB(), -1);
    cable.Concluye(6, 302, 303);  // orientation never decided: horizontal first
    EXPECT_EQ(cable.Puntos()[2], (Punto{302, 300}));
    EXPECT_EQ(cable.Anchura(), 7);
    EXPECT_EQ(cable.Color(), Rgb(1, 2, 3));
}

// Hit test.

TEST(Cable, PasaPorAceptaHastaLaToleranciaYNiUnPixelMas) {
    Cable recta = ConForma(kRectaHorizontal);
    EXPECT_TRUE(recta.PasaPor(150, 102));
    EXPECT_TRUE(recta.PasaPor(150, 98));
    EXPECT_FALSE(recta.PasaPor(150, 103));
    EXPECT_FALSE(recta.PasaPor(150, 97));
    EXPECT_FALSE(recta.PasaPor(210, 100));

    Cable esquina = ConForma(kEsquinaVertical);
    EXPECT_TRUE(esquina.PasaPor(102, 130));
    EXPECT_FALSE(esquina.PasaPor(103, 130));
    EXPECT_TRUE(esquina.PasaPor(115, 162));
    EXPECT_FALSE(esquina.PasaPor(115, 157));

    recta.Anchura(9);  // tolerance 9 / 2 + 1 = 5
    EXPECT_TRUE(recta.PasaPor(150, 104));
    EXPECT_FALSE(recta.PasaPor(150, 105));
}

TEST(Cable, LosTramosDeLosExtremosNoSeTocan) {
    Cable cable = ConForma(kCuatroEsquinas);
    EXPECT_FALSE(cable.PasaPor(0, 4));    // P0-P1
    EXPECT_FALSE(cable.PasaPor(40, 45));  // P4-P5
    EXPECT_TRUE(cable.PasaPor(10, 10));
    EXPECT_TRUE(cable.PasaPor(20, 20));
    EXPECT_TRUE(cable.PasaPor(30, 30));
}

// Dragging a segment: shape, press, drag to, result.
struct CasoDeArrastre {
    std::string nombre;
    V forma;
    Punto agarre;
    Punto destino;
    V esperado;
};

class Arrastre : public testing::TestWithParam<CasoDeArrastre> {};

TEST_P(Arrastre, MueveElTramoTocado) {
    const CasoDeArrastre& caso = GetParam();
    Cable cable = ConForma(caso.forma);
    ASSERT_TRUE(cable.PasaPor(caso.agarre.x, caso.agarre.y));
    cable.Modifica(caso.destino.x, caso.destino.y);
    EXPECT_EQ(Texto(cable.Puntos()), Texto(caso.esperado));
    EXPECT_EQ(cable.AX(), caso.forma[0].x);
    EXPECT_EQ(cable.BY(), caso.forma[5].y);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cable, Arrastre,
    testing::Values(
        // One-corner wires get a step next to the corner.
        CasoDeArrastre{"EscalonEnElPrimerTramoVertical", kEsquinaVertical, {101, 130}, {110, 130},
            {{{100, 100}, {100, 100}, {110, 100}, {110, 160}, {130, 160}, {130, 160}}}},
        CasoDeArrastre{"EscalonEnElPrimerTramoHorizontal", kEsquinaHorizontal,
            {130, 101}, {130, 110},
            {{{100, 100}, {100, 100}, {100, 110}, {160, 110}, {160, 130}, {160, 130}}}},
        CasoDeArrastre{"LaEsquinaPerteneceAlPrimerTramo", kEsquinaHorizontal,
            {160, 100}, {160, 110},
            {{{100, 100}, {100, 100}, {100, 110}, {160, 110}, {160, 130}, {160, 130}}}},
        CasoDeArrastre{"EscalonEnElTercerTramoVertical", kEsquinaHorizontal, {160, 115}, {170, 115},
            {{{100, 100}, {100, 100}, {170, 100}, {170, 130}, {160, 130}, {160, 130}}}},
        CasoDeArrastre{"EscalonEnElTercerTramoHorizontal", kEsquinaVertical, {115, 161}, {115, 150},
            {{{100, 100}, {100, 100}, {100, 150}, {130, 150}, {130, 160}, {130, 160}}}},
        // Other wires move the segment with its two vertices.
        CasoDeArrastre{"SegundoTramoHorizontal", kRectaHorizontal, {150, 101}, {150, 120},
            {{{100, 100}, {100, 100}, {100, 120}, {200, 120}, {200, 100}, {200, 100}}}},
        CasoDeArrastre{"SegundoTramoVertical", kRectaVertical, {99, 150}, {120, 150},
            {{{100, 100}, {100, 100}, {120, 100}, {120, 200}, {100, 200}, {100, 200}}}},
        CasoDeArrastre{"PrimerTramoHorizontal", kCuatroEsquinas, {10, 11}, {10, 15},
            {{{0, 0}, {0, 15}, {20, 15}, {20, 30}, {40, 30}, {40, 50}}}},
        CasoDeArrastre{"TercerTramoHorizontal", kCuatroEsquinas, {30, 31}, {30, 35},
            {{{0, 0}, {0, 10}, {20, 10}, {20, 35}, {40, 35}, {40, 50}}}},
        CasoDeArrastre{"PrimerTramoVertical", kCuatroEsquinasTraspuesto, {11, 10}, {15, 10},
            {{{0, 0}, {15, 0}, {15, 20}, {30, 20}, {30, 40}, {50, 40}}}},
        CasoDeArrastre{"TercerTramoVertical", kCuatroEsquinasTraspuesto, {31, 30}, {35, 30},
            {{{0, 0}, {10, 0}, {10, 20}, {35, 20}, {35, 40}, {50, 40}}}}),
    [](const testing::TestParamInfo<CasoDeArrastre>& info) { return info.param.nombre; });
// clang-format on

// Tidying after a drag.

TEST(Cable, DevolverUnTramoASuLineaVuelveARecto) {
    Cable cable = ConForma(kRectaHorizontal);
    ASSERT_TRUE(cable.PasaPor(150, 101));
    cable.Modifica(150, 120);
    cable.Modifica(150, 100);
    EXPECT_EQ(Texto(cable.Puntos()), "(100,100)(100,100)(100,100)(100,100)(200,100)(200,100)");
    // The grip is still on the segment under the pointer.
    cable.Modifica(150, 90);
    EXPECT_EQ(Texto(cable.Puntos()), "(100,100)(100,100)(100,90)(200,90)(200,100)(200,100)");
}

TEST(Cable, DeshacerElEscalonUneLosTramosAlineados) {
    Cable cable = ConForma(kEsquinaVertical);
    ASSERT_TRUE(cable.PasaPor(101, 130));
    cable.Modifica(110, 130);
    cable.Modifica(100, 130);
    // P1, P2, P3 in line, then P2, P3, P4 in line: both merged.
    EXPECT_EQ(Texto(cable.Puntos()), "(100,100)(100,100)(100,100)(100,160)(130,160)(130,160)");
    // The grip followed the new layout to the middle segment.
    cable.Modifica(105, 130);
    EXPECT_EQ(Texto(cable.Puntos()), "(100,100)(100,100)(105,100)(105,160)(130,160)(130,160)");
}

TEST(Cable, UnTercerTramoDevueltoASuLineaSeUneAlSegundo) {
    Cable cable = ConForma(kEsquinaHorizontal);
    ASSERT_TRUE(cable.PasaPor(160, 115));
    cable.Modifica(170, 115);
    cable.Modifica(160, 115);
    EXPECT_EQ(Texto(cable.Puntos()), "(100,100)(100,100)(100,100)(160,100)(160,130)(160,130)");
    // Dragging on moves P3-P4 and leaves a stub to end B; P1, P2, P3 then line up
    // and merge.
    cable.Modifica(165, 115);
    EXPECT_EQ(Texto(cable.Puntos()), "(100,100)(100,100)(165,100)(165,130)(160,130)(160,130)");
}

// Following a moved board: shape, which end moves, displacement, result.
struct CasoDeExtremo {
    std::string nombre;
    V forma;
    bool extremoB;
    Punto d;
    V esperado;
};

class ExtremoMovil : public testing::TestWithParam<CasoDeExtremo> {};

TEST_P(ExtremoMovil, ConservaElCableOrtogonal) {
    const CasoDeExtremo& caso = GetParam();
    Cable cable = ConForma(caso.forma);
    cable.Desplaza(caso.extremoB ? kTableroB : kTableroA, caso.d);
    EXPECT_EQ(Texto(cable.Puntos()), Texto(caso.esperado));
}

const V kEsquinaH{{{0, 0}, {0, 0}, {10, 0}, {10, 0}, {10, 10}, {10, 10}}};
const V kEsquinaV{{{0, 0}, {0, 0}, {0, 10}, {0, 10}, {10, 10}, {10, 10}}};
const V kRectaV{{{0, 0}, {0, 0}, {0, 0}, {0, 20}, {0, 20}, {0, 20}}};
const V kRectaH{{{0, 0}, {0, 0}, {0, 0}, {20, 0}, {20, 0}, {20, 0}}};
const V kDosEsquinasH{{{0, 0}, {0, 0}, {10, 0}, {10, 20}, {30, 20}, {30, 20}}};
const V kDosEsquinasV{{{0, 0}, {0, 0}, {0, 10}, {20, 10}, {20, 30}, {20, 30}}};
const V kTresEsquinasV{{{0, 0}, {0, 0}, {0, 10}, {20, 10}, {20, 30}, {40, 30}}};
const V kTresEsquinasAlFinH{{{0, 0}, {10, 0}, {10, 20}, {30, 20}, {30, 40}, {30, 40}}};
const V kTresEsquinasH{{{0, 0}, {0, 0}, {10, 0}, {10, 20}, {30, 20}, {30, 40}}};
const V kTresEsquinasAlFinV{{{0, 0}, {0, 10}, {20, 10}, {20, 30}, {40, 30}, {40, 30}}};
const V kOtraForma{{{0, 0}, {5, 0}, {5, 10}, {20, 10}, {20, 10}, {20, 10}}};
const V& kCuatroEsquinasV = kCuatroEsquinas;
const V& kCuatroEsquinasH = kCuatroEsquinasTraspuesto;
// What a straight wire is left with when its end leaves the line in both axes.
const V kDiagonalDeRectaV{{{5, 5}, {5, 5}, {0, 0}, {0, 0}, {0, 20}, {0, 20}}};
const V kDiagonalDeRectaH{{{0, 5}, {0, 5}, {20, 0}, {20, 0}, {20, 0}, {20, 0}}};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cable, ExtremoMovil,
    testing::Values(
        CasoDeExtremo{"EsquinaH", kEsquinaH, false, {3, 4},
            {{{3, 4}, {3, 4}, {10, 4}, {10, 4}, {10, 10}, {10, 10}}}},
        CasoDeExtremo{"EsquinaHAlineadoEnX", kEsquinaH, false, {10, -5},
            {{{10, -5}, {10, -5}, {10, -5}, {10, 10}, {10, 10}, {10, 10}}}},
        CasoDeExtremo{"EsquinaHAlineadoEnY", kEsquinaH, false, {2, 10},
            {{{2, 10}, {2, 10}, {2, 10}, {10, 10}, {10, 10}, {10, 10}}}},
        CasoDeExtremo{"EsquinaV", kEsquinaV, false, {3, 4},
            {{{3, 4}, {3, 4}, {3, 10}, {3, 10}, {10, 10}, {10, 10}}}},
        CasoDeExtremo{"EsquinaVAlineadoEnX", kEsquinaV, false, {10, -5},
            {{{10, -5}, {10, -5}, {10, 10}, {10, 10}, {10, 10}, {10, 10}}}},
        CasoDeExtremo{"EsquinaVAlineadoEnY", kEsquinaV, false, {-4, 10},
            {{{-4, 10}, {-4, 10}, {-4, 10}, {10, 10}, {10, 10}, {10, 10}}}},
        CasoDeExtremo{"RectaVAlLargo", kRectaV, false, {0, 5},
            {{{0, 5}, {0, 5}, {0, 5}, {0, 20}, {0, 20}, {0, 20}}}},
        CasoDeExtremo{"RectaVDeLado", kRectaV, false, {5, 0},
            {{{5, 0}, {5, 0}, {0, 0}, {0, 0}, {0, 20}, {0, 20}}}},
        CasoDeExtremo{"RectaVEnDiagonal", kRectaV, false, {5, 5}, kDiagonalDeRectaV},
        CasoDeExtremo{"RectaVAlineadoEnY", kRectaV, false, {7, 20},
            {{{7, 20}, {7, 20}, {7, 20}, {0, 20}, {0, 20}, {0, 20}}}},
        CasoDeExtremo{"RectaHAlLargo", kRectaH, false, {5, 0},
            {{{5, 0}, {5, 0}, {5, 0}, {20, 0}, {20, 0}, {20, 0}}}},
        CasoDeExtremo{"RectaHDeLado", kRectaH, false, {0, 5}, kDiagonalDeRectaH},
        CasoDeExtremo{"RectaHAlineadoEnX", kRectaH, false, {20, 7},
            {{{20, 7}, {20, 7}, {20, 7}, {20, 0}, {20, 0}, {20, 0}}}},
        CasoDeExtremo{"DosEsquinasHAlineadoEnY", kDosEsquinasH, false, {2, 20},
            {{{2, 20}, {2, 20}, {2, 20}, {30, 20}, {30, 20}, {30, 20}}}},
        CasoDeExtremo{"DosEsquinasHBajoLaEsquina", kDosEsquinasH, false, {10, 5},
            {{{10, 5}, {10, 5}, {10, 20}, {10, 20}, {30, 20}, {30, 20}}}},
        CasoDeExtremo{"DosEsquinasH", kDosEsquinasH, false, {3, 4},
            {{{3, 4}, {3, 4}, {10, 4}, {10, 20}, {30, 20}, {30, 20}}}},
        CasoDeExtremo{"DosEsquinasVAlineadoEnX", kDosEsquinasV, false, {20, 2},
            {{{20, 2}, {20, 2}, {20, 2}, {20, 30}, {20, 30}, {20, 30}}}},
        CasoDeExtremo{"DosEsquinasVJuntoALaEsquina", kDosEsquinasV, false, {5, 10},
            {{{5, 10}, {5, 10}, {20, 10}, {20, 10}, {20, 30}, {20, 30}}}},
        CasoDeExtremo{"DosEsquinasV", kDosEsquinasV, false, {4, 3},
            {{{4, 3}, {4, 3}, {4, 10}, {20, 10}, {20, 30}, {20, 30}}}},
        CasoDeExtremo{"CuatroEsquinasVEnLineaConP1", kCuatroEsquinasV, false, {5, 10},
            {{{5, 10}, {5, 10}, {20, 10}, {20, 30}, {40, 30}, {40, 50}}}},
        CasoDeExtremo{"CuatroEsquinasVEnLineaConP2", kCuatroEsquinasV, false, {20, 3},
            {{{20, 3}, {20, 3}, {20, 30}, {40, 30}, {40, 50}, {40, 50}}}},
        CasoDeExtremo{"CuatroEsquinasV", kCuatroEsquinasV, false, {3, 4},
            {{{3, 4}, {3, 10}, {20, 10}, {20, 30}, {40, 30}, {40, 50}}}},
        CasoDeExtremo{"CuatroEsquinasHEnLineaConP1", kCuatroEsquinasH, false, {10, 5},
            {{{10, 5}, {10, 5}, {10, 20}, {30, 20}, {30, 40}, {50, 40}}}},
        CasoDeExtremo{"CuatroEsquinasHEnLineaConP2", kCuatroEsquinasH, false, {3, 20},
            {{{3, 20}, {3, 20}, {30, 20}, {30, 40}, {50, 40}, {50, 40}}}},
        CasoDeExtremo{"CuatroEsquinasH", kCuatroEsquinasH, false, {4, 3},
            {{{4, 3}, {10, 3}, {10, 20}, {30, 20}, {30, 40}, {50, 40}}}},
        CasoDeExtremo{"TresEsquinasVEnLineaConP3", kTresEsquinasV, false, {20, 5},
            {{{20, 5}, {20, 5}, {20, 30}, {20, 30}, {40, 30}, {40, 30}}}},
        CasoDeExtremo{"TresEsquinasVEnLineaConP2", kTresEsquinasV, false, {5, 10},
            {{{5, 10}, {5, 10}, {20, 10}, {20, 30}, {40, 30}, {40, 30}}}},
        CasoDeExtremo{"TresEsquinasV", kTresEsquinasV, false, {3, 4},
            {{{3, 4}, {3, 4}, {3, 10}, {20, 10}, {20, 30}, {40, 30}}}},
        CasoDeExtremo{"TresEsquinasAlFinHEnLineaConP2", kTresEsquinasAlFinH, false, {5, 20},
            {{{5, 20}, {5, 20}, {30, 20}, {30, 20}, {30, 40}, {30, 40}}}},
        CasoDeExtremo{"TresEsquinasAlFinHBajoP2", kTresEsquinasAlFinH, false, {10, 5},
            {{{10, 5}, {10, 5}, {10, 20}, {30, 20}, {30, 40}, {30, 40}}}},
        CasoDeExtremo{"TresEsquinasAlFinH", kTresEsquinasAlFinH, false, {4, 3},
            {{{4, 3}, {10, 3}, {10, 20}, {30, 20}, {30, 40}, {30, 40}}}},
        CasoDeExtremo{"TresEsquinasHEnLineaConP3", kTresEsquinasH, false, {5, 20},
            {{{5, 20}, {5, 20}, {30, 20}, {30, 20}, {30, 40}, {30, 40}}}},
        CasoDeExtremo{"TresEsquinasHEnLineaConP2", kTresEsquinasH, false, {10, 5},
            {{{10, 5}, {10, 5}, {10, 20}, {30, 20}, {30, 40}, {30, 40}}}},
        CasoDeExtremo{"TresEsquinasH", kTresEsquinasH, false, {4, 3},
            {{{4, 3}, {4, 3}, {10, 3}, {10, 20}, {30, 20}, {30, 40}}}},
        CasoDeExtremo{"TresEsquinasAlFinVEnLineaConP2", kTresEsquinasAlFinV, false, {20, 5},
            {{{20, 5}, {20, 5}, {20, 30}, {20, 30}, {40, 30}, {40, 30}}}},
        CasoDeExtremo{"TresEsquinasAlFinVJuntoAP2", kTresEsquinasAlFinV, false, {5, 10},
            {{{5, 10}, {5, 10}, {20, 10}, {20, 30}, {40, 30}, {40, 30}}}},
        CasoDeExtremo{"TresEsquinasAlFinV", kTresEsquinasAlFinV, false, {3, 4},
            {{{3, 4}, {3, 10}, {20, 10}, {20, 30}, {40, 30}, {40, 30}}}},
        CasoDeExtremo{"OtraForma", kOtraForma, false, {1, 2},
            {{{1, 2}, {1, 2}, {5, 2}, {20, 2}, {20, 10}, {20, 10}}}},
        // A diagonal matches no shape and is straightened into one corner.
        CasoDeExtremo{"EnderezaLaDiagonalDeRectaV", kDiagonalDeRectaV, false, {1, 1},
            {{{6, 6}, {6, 6}, {0, 6}, {0, 6}, {0, 20}, {0, 20}}}},
        CasoDeExtremo{"EnderezaLaDiagonalDeRectaH", kDiagonalDeRectaH, false,
            {0, 1},
            {{{0, 6}, {0, 6}, {20, 6}, {20, 6}, {20, 0}, {20, 0}}}},
        CasoDeExtremo{"DiagonalAlineadaEnX", kDiagonalDeRectaV, false, {-5, 0},
            {{{0, 5}, {0, 5}, {0, 5}, {0, 20}, {0, 20}, {0, 20}}}},
        CasoDeExtremo{"DiagonalAlineadaEnY", kDiagonalDeRectaH, false, {3, -5},
            {{{3, 0}, {3, 0}, {3, 0}, {20, 0}, {20, 0}, {20, 0}}}},
        // End B reads the path backwards.
        CasoDeExtremo{"ExtremoBDeUnaEsquina", kEsquinaH, true, {3, 4},
            {{{0, 0}, {0, 0}, {13, 0}, {13, 0}, {13, 14}, {13, 14}}}},
        CasoDeExtremo{"ExtremoBDeUnaRecta", kRectaH, true, {0, 5},
            {{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {20, 5}, {20, 5}}}}),
    [](const testing::TestParamInfo<CasoDeExtremo>& info) { return info.param.nombre; });
// clang-format on

TEST(Cable, ConAmbosExtremosEnElTableroSeTrasladaEntero) {
    Cable cable = ConForma(kCuatroEsquinas);
    cable.TableroB(kTableroA);
    cable.Desplaza(kTableroA, {5, -3});
    EXPECT_EQ(Texto(cable.Puntos()), "(5,-3)(5,7)(25,7)(25,27)(45,27)(45,47)");
    EXPECT_TRUE(cable.Contiene(kTableroA));
    EXPECT_FALSE(cable.Contiene(kTableroB));
}

TEST(Cable, OtroTableroNoLoMueve) {
    Cable cable = ConForma(kCuatroEsquinas);
    cable.Desplaza(9, {5, 5});
    EXPECT_EQ(Texto(cable.Puntos()), Texto(kCuatroEsquinas));
}

// Drawing.

// The lines drawn with one pen, starting at the MueveA of that pass.
std::vector<Punto> Pasada(const LienzoDePrueba& lienzo, Pluma pluma) {
    std::vector<Punto> puntos;
    for (const Trazo& t : lienzo.trazos) {
        const bool conEsaPluma = t.color == pluma.color && t.ancho == pluma.ancho;
        if (conEsaPluma && (t.tipo == Trazo::Tipo::MueveA || t.tipo == Trazo::Tipo::LineaA)) {
            puntos.push_back({t.a, t.b});
        }
    }
    return puntos;
}

std::string Texto(const std::vector<Punto>& puntos) {
    std::string texto;
    for (const Punto& p : puntos)
        texto += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    return texto;
}

TEST(Cable, SeDibujaConContornoNegroBajoElColorYDevuelveLaPluma) {
    Cable cable = ConForma(kRectaHorizontal);
    cable.Color(Rgb(0, 200, 0));
    LienzoDePrueba lienzo;
    const Pluma previa{Rgb(9, 9, 9), 4};
    lienzo.pluma = previa;
    cable.Dibuja(lienzo);

    const auto plumas = lienzo.DeTipo(Trazo::Tipo::Pluma);
    ASSERT_EQ(plumas.size(), 3u);
    EXPECT_EQ(plumas[0].color, Rgb(0, 0, 0));
    EXPECT_EQ(plumas[0].ancho, 5);
    EXPECT_EQ(plumas[1].color, Rgb(0, 200, 0));
    EXPECT_EQ(plumas[1].ancho, 3);
    EXPECT_EQ(lienzo.pluma, previa);

    const std::string recorrido = "(100,100)(100,100)(100,100)(200,100)(200,100)(200,100)";
    EXPECT_EQ(Texto(Pasada(lienzo, {Rgb(0, 0, 0), 5})), recorrido);
    EXPECT_EQ(Texto(Pasada(lienzo, {Rgb(0, 200, 0), 3})), recorrido);
}

TEST(Cable, LasEsquinasLargasSeCortanTresPixeles) {
    const Pluma contorno{Rgb(0, 0, 0), 5};
    LienzoDePrueba lienzo;
    ConForma(kEsquinaVertical).Dibuja(lienzo);
    EXPECT_EQ(Texto(Pasada(lienzo, contorno)), "(100,100)(100,157)(103,160)(130,160)");

    // Arriving horizontally and turning upwards.
    LienzoDePrueba arriba;
    ConForma({{{200, 200}, {200, 200}, {150, 200}, {150, 200}, {150, 150}, {150, 150}}})
        .Dibuja(arriba);
    EXPECT_EQ(Texto(Pasada(arriba, contorno)), "(200,200)(153,200)(150,197)(150,150)");

    // Legs of exactly 7 pixels are long enough.
    LienzoDePrueba justo;
    ConForma({{{100, 100}, {100, 100}, {100, 107}, {100, 107}, {120, 107}, {120, 107}}})
        .Dibuja(justo);
    EXPECT_EQ(Texto(Pasada(justo, contorno)), "(100,100)(100,104)(103,107)(120,107)");
}

TEST(Cable, LasEsquinasCortasQuedanEnAngulo) {
    LienzoDePrueba lienzo;
    ConForma({{{100, 100}, {100, 100}, {100, 106}, {100, 106}, {120, 106}, {120, 106}}})
        .Dibuja(lienzo);
    EXPECT_EQ(Texto(Pasada(lienzo, {Rgb(0, 0, 0), 5})), "(100,100)(100,106)(120,106)");
}

TEST(Cable, UnCaminoDeVariasEsquinasSeRecorreVerticePorVertice) {
    LienzoDePrueba lienzo;
    ConForma({{{0, 0}, {0, 0}, {0, 50}, {50, 50}, {50, 100}, {50, 100}}}).Dibuja(lienzo);
    EXPECT_EQ(Texto(Pasada(lienzo, {Rgb(0, 0, 0), 5})),
              "(0,0)(0,0)(0,47)(3,50)(47,50)(50,53)(50,100)(50,100)");
}

}  // namespace
}  // namespace velistra
