#pragma once
// The shapes of the desktop's pens, pixel for pixel: Bresenham lines without their end
// pixel, round-ended wide strokes and the outlined, filled ellipse.
#include <cstdint>
#include <vector>

#include "web/lienzo/Superficie.h"

namespace velistra::web {

// A line one pixel wide from (x0, y0) up to, but without, (x1, y1).
void LineaFina(Superficie& s, int x0, int y0, int x1, int y1, Pixel pixel);

// A stroke `ancho` pixels wide along the pixel centres from (x0, y0) to (x1, y1), with
// round ends: every pixel whose centre lies within half the width of the segment.
void TramoGrueso(Superficie& s, int x0, int y0, int x1, int y1, int ancho, Pixel pixel);

// What an ellipse paints in its box, pixel by pixel: nothing, brush or pen.
struct SelloDeElipse {
    enum : std::uint8_t { kNada = 0, kBrocha = 1, kPluma = 2 };
    int ancho = 0;
    int alto = 0;
    std::vector<std::uint8_t> pixeles;
};

// The ellipse of a box of that size, outlined `pluma` pixels inside it, computed (for
// sizes the desktop's table lacks).
SelloDeElipse ElipseCalculada(int ancho, int alto, int pluma);

void Estampa(Superficie& s, const SelloDeElipse& sello, int x, int y, Pixel pluma, Pixel brocha);

}  // namespace velistra::web
