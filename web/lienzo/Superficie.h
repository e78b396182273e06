#pragma once
// Where a LienzoDeMapa paints: a pixel buffer that shows the workbench from `origen`
// on, cut to a rectangle of the workbench. Every primitive ends in runs of one row.
#include "web/lienzo/MapaDeBits.h"

namespace velistra::web {

// Workbench rectangle [l, r) x [t, b).
struct Rectangulo {
    int l = 0, t = 0, r = 0, b = 0;
    bool Vacio() const { return r <= l || b <= t; }
    Rectangulo Corte(const Rectangulo& o) const;
};

class Superficie {
public:
    Superficie(MapaDeBits& mapa, int origenX, int origenY);

    // What may be painted, in workbench coordinates.
    const Rectangulo& Visible() const { return visible_; }
    // From now on only inside `zona` (and the buffer), whatever the last cut was.
    void Recorta(const Rectangulo& zona);

    // Pixels [x0, x1) of workbench row y, where visible.
    void Tramo(int y, int x0, int x1, Pixel pixel);
    void Punto(int x, int y, Pixel pixel) { Tramo(y, x, x + 1, pixel); }
    // The buffer's pixel at a visible workbench point (callers check Visible first).
    Pixel En(int x, int y) const { return mapa_.En(x - origenX_, y - origenY_); }
    Pixel* FilaEn(int x, int y) { return mapa_.Fila(y - origenY_) + (x - origenX_); }

    MapaDeBits& Mapa() { return mapa_; }
    int OrigenX() const { return origenX_; }
    int OrigenY() const { return origenY_; }

private:
    MapaDeBits& mapa_;
    int origenX_;
    int origenY_;
    Rectangulo todo_;
    Rectangulo visible_;
};

}  // namespace velistra::web
