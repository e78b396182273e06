#include "web/lienzo/Formas.h"

#include "plataforma/Rasterizado.h"

#include <algorithm>

namespace velistra::web {

void LineaFina(Superficie& s, int x0, int y0, int x1, int y1, Pixel pixel) {
    RecorreLinea(x0, y0, x1, y1, [&](int x, int y) { s.Punto(x, y, pixel); });
}

namespace {

// Pixel centres and segment ends in doubled coordinates, so that all of them are
// integers: a centre (x + 0.5) is 2x + 1.
struct Tramo2 {
    long long ax, ay, bx, by;
    long long largo2;  // |b - a|^2
    long long radio2;  // (2r)^2 = ancho^2
    // Which end owns the centres that fall exactly on the body's end line: the one
    // lower on the screen (then further right), as the desktop's rasterizer leaves it.
    bool bEsMayor;
};

bool Cubre(const Tramo2& t, long long px, long long py) {
    const long long vx = px - t.ax, vy = py - t.ay;
    const long long dx = t.bx - t.ax, dy = t.by - t.ay;
    const long long punto = vx * dx + vy * dy;
    // Round ends: only centres strictly inside the disc.
    if (punto < 0 || (punto == 0 && t.bEsMayor)) return vx * vx + vy * vy < t.radio2;
    if (punto > t.largo2 || (punto == t.largo2 && !t.bEsMayor)) {
        const long long ex = px - t.bx, ey = py - t.by;
        return ex * ex + ey * ey < t.radio2;
    }
    const long long cruz = vx * dy - vy * dx;
    const long long n = cruz * cruz, m = t.radio2 * t.largo2;
    if (n != m) return n < m;
    // On the body's edge: the edge below (or right of) the line keeps its centres.
    const long long ex = vx * t.largo2 - punto * dx, ey = vy * t.largo2 - punto * dy;
    return ey > 0 || (ey == 0 && ex > 0);
}

}  // namespace

void TramoGrueso(Superficie& s, int x0, int y0, int x1, int y1, int ancho, Pixel pixel) {
    if (x0 == x1 && y0 == y1) return;  // the desktop's pen draws nothing for it
    const Tramo2 t{2LL * x0 + 1, 2LL * y0 + 1, 2LL * x1 + 1, 2LL * y1 + 1,
                   4LL * ((long long)(x1 - x0) * (x1 - x0) + (long long)(y1 - y0) * (y1 - y0)),
                   static_cast<long long>(ancho) * ancho, y1 > y0 || (y1 == y0 && x1 > x0)};
    const int margen = ancho / 2 + 1;
    const Rectangulo caja = Rectangulo{std::min(x0, x1) - margen, std::min(y0, y1) - margen,
                                       std::max(x0, x1) + margen + 1, std::max(y0, y1) + margen + 1}
                                .Corte(s.Visible());
    if (caja.Vacio()) return;
    const auto cubre = [&](int x, int y) { return Cubre(t, 2LL * x + 1, 2LL * y + 1); };
    for (int y = caja.t; y < caja.b; ++y) {
        // A row of a convex shape is one run: from a pixel inside it (where the centre
        // line crosses the row, or the nearer end), its edges are found by halving.
        const int fila = std::clamp(y, std::min(y0, y1), std::max(y0, y1));
        const int cruce = y0 == y1 ? x0 : static_cast<int>(x0 + (static_cast<long long>(fila - y0) * (x1 - x0)) / (y1 - y0));
        int dentro = std::clamp(cruce, caja.l, caja.r - 1);
        if (!cubre(dentro, y)) {
            dentro = caja.l;
            while (dentro < caja.r && !cubre(dentro, y)) ++dentro;
            if (dentro >= caja.r) continue;
        }
        int fuera = caja.l - 1, hallado = dentro;  // leftmost covered lies in (fuera, hallado]
        while (hallado - fuera > 1) {
            const int medio = fuera + (hallado - fuera) / 2;
            (cubre(medio, y) ? hallado : fuera) = medio;
        }
        const int inicio = hallado;
        hallado = dentro;
        fuera = caja.r;  // rightmost covered lies in [hallado, fuera)
        while (fuera - hallado > 1) {
            const int medio = hallado + (fuera - hallado) / 2;
            (cubre(medio, y) ? hallado : fuera) = medio;
        }
        s.Tramo(y, inicio, hallado + 1, pixel);
    }
}

SelloDeElipse ElipseCalculada(int ancho, int alto, int pluma) {
    SelloDeElipse sello{ancho, alto, std::vector<std::uint8_t>(static_cast<std::size_t>(ancho) * alto)};
    // Outline: centres inside the box's ellipse but not inside the one `pluma` further in.
    const auto dentro = [](double x, double y, double a, double b) {
        if (a <= 0 || b <= 0) return false;
        return (x * x) / (a * a) + (y * y) / (b * b) <= 1.0;
    };
    const double a = ancho / 2.0, b = alto / 2.0;
    for (int y = 0; y < alto; ++y) {
        for (int x = 0; x < ancho; ++x) {
            const double cx = x + 0.5 - a, cy = y + 0.5 - b;
            std::uint8_t& p = sello.pixeles[static_cast<std::size_t>(y) * ancho + x];
            if (!dentro(cx, cy, a, b)) continue;
            p = dentro(cx, cy, a - pluma, b - pluma) ? SelloDeElipse::kBrocha : SelloDeElipse::kPluma;
        }
    }
    return sello;
}

void Estampa(Superficie& s, const SelloDeElipse& sello, int x, int y, Pixel pluma, Pixel brocha) {
    const Rectangulo caja = Rectangulo{x, y, x + sello.ancho, y + sello.alto}.Corte(s.Visible());
    for (int py = caja.t; py < caja.b; ++py) {
        const std::uint8_t* fila = sello.pixeles.data() + static_cast<std::size_t>(py - y) * sello.ancho;
        Pixel* destino = s.FilaEn(caja.l, py);
        for (int px = caja.l; px < caja.r; ++px, ++destino) {
            const std::uint8_t p = fila[px - x];
            if (p == SelloDeElipse::kPluma) *destino = pluma;
            else if (p == SelloDeElipse::kBrocha) *destino = brocha;
        }
    }
}

}  // namespace velistra::web
