#include "web/lienzo/Superficie.h"

#include <algorithm>

namespace velistra::web {

Rectangulo Rectangulo::Corte(const Rectangulo& o) const {
    return {std::max(l, o.l), std::max(t, o.t), std::min(r, o.r), std::min(b, o.b)};
}

Superficie::Superficie(MapaDeBits& mapa, int origenX, int origenY)
    : mapa_(mapa),
      origenX_(origenX),
      origenY_(origenY),
      todo_{origenX, origenY, origenX + mapa.Ancho(), origenY + mapa.Alto()},
      visible_(todo_) {}

void Superficie::Recorta(const Rectangulo& zona) { visible_ = todo_.Corte(zona); }

void Superficie::Tramo(int y, int x0, int x1, Pixel pixel) {
    if (y < visible_.t || y >= visible_.b) return;
    x0 = std::max(x0, visible_.l);
    x1 = std::min(x1, visible_.r);
    if (x0 >= x1) return;
    std::fill(FilaEn(x0, y), FilaEn(x0, y) + (x1 - x0), pixel);
}

}  // namespace velistra::web
