#pragma once
// Pixel walks that every canvas must make alike, so that the desktop and the browser
// paint the same pixels: a thin line and a flood fill.
#include <cstdlib>
#include <functional>

namespace velistra {

// Bresenham from (x0, y0) up to, but without, (x1, y1), so joined lines never paint a
// corner twice.
template <typename Visita>
void RecorreLinea(int x0, int y0, int x1, int y1, Visita&& punto) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int pasoX = x0 < x1 ? 1 : -1;
    const int pasoY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    int x = x0, y = y0;
    while (x != x1 || y != y1) {
        punto(x, y);
        const int doble = 2 * error;
        if (doble >= dy) {
            error += dy;
            x += pasoX;
        }
        if (doble <= dx) {
            error += dx;
            y += pasoY;
        }
    }
}

// Every run [izquierda, derecha] of row y that a 4-connected fill from (x, y) covers in
// an ancho x alto picture, up to pixels for which `esBorde` answers true. Nothing when
// (x, y) lies outside or on the border. Pixels are read before any run is reported for
// them, so painting runs as they come never changes the fill.
void RecorreRelleno(int ancho, int alto, int x, int y, const std::function<bool(int x, int y)>& esBorde,
                    const std::function<void(int y, int izquierda, int derecha)>& tramo);

}  // namespace velistra
