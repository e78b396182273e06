// Drawing a wire: an outline pass and a colour pass over the same path.
#include <algorithm>
#include <cstdlib>

#include "cables/Cable.h"

namespace velistra {

namespace {

constexpr int kCorte = 3;            // length of the 45-degree cut at a corner
constexpr int kTramoParaCortar = 7;  // shorter legs keep a sharp corner

bool Cerca(Punto a, Punto b) {
    const auto distancia = [](int u, int v) { return std::llabs(static_cast<long long>(u) - v); };
    return distancia(a.x, b.x) < kTramoParaCortar && distancia(a.y, b.y) < kTramoParaCortar;
}

// Draws from the current position (at or near a) up to just past corner b.
void Redondea(Lienzo& lienzo, Punto a, Punto b, Punto c) {
    if (Cerca(a, b) || Cerca(b, c)) {
        lienzo.LineaA(b.x, b.y);
    } else if (a.x == b.x) {
        lienzo.LineaA(a.x, b.y < a.y ? b.y + kCorte : b.y - kCorte);
        lienzo.LineaA(c.x < b.x ? b.x - kCorte : b.x + kCorte, b.y);
    } else {
        lienzo.LineaA(b.x < a.x ? b.x + kCorte : b.x - kCorte, b.y);
        lienzo.LineaA(b.x, c.y < b.y ? b.y - kCorte : b.y + kCorte);
    }
}

}  // namespace

void Cable::Dibuja(Lienzo& lienzo) const {
    // Widths from a file may be nonsense; a pen is never narrower than nothing.
    const Pluma contorno{Rgb(0, 0, 0), std::max(anchura, 0)};
    const Pluma relleno{color, std::max(anchura - 2, 0)};
    const Pluma anterior = lienzo.SeleccionaPluma(contorno);
    Traza(lienzo);
    lienzo.SeleccionaPluma(relleno);
    Traza(lienzo);
    lienzo.SeleccionaPluma(anterior);
}

void Cable::Traza(Lienzo& lienzo) const {
    const Vertices& p = puntos;
    lienzo.MueveA(p[0].x, p[0].y);
    // A single corner is drawn as such, so that it gets its cut; any other path goes
    // vertex by vertex.
    if (p[2] == p[3] && p[0] == p[1] && p[4] == p[5]) {
        Redondea(lienzo, p[0], p[2], p[5]);
    } else {
        for (std::size_t i = 0; i + 2 < p.size(); ++i) Redondea(lienzo, p[i], p[i + 1], p[i + 2]);
    }
    lienzo.LineaA(p[5].x, p[5].y);
}

}  // namespace velistra
