#include "web/lienzo/RellenoDeMapa.h"

#include "plataforma/Rasterizado.h"

namespace velistra::web {

void RecorreRelleno(const MapaDeBits& mapa, int x, int y, Color borde,
                    const std::function<void(int y, int izquierda, int derecha)>& tramo) {
    const Color sinAlfa = borde & 0x00FFFFFFu;
    const auto esBorde = [&](int px, int py) { return ColorDe(mapa.En(px, py)) == sinAlfa; };
    velistra::RecorreRelleno(mapa.Ancho(), mapa.Alto(), x, y, esBorde, tramo);
}

void RellenaHastaBorde(MapaDeBits& mapa, int x, int y, Color borde, Color relleno) {
    const Pixel pintura = PixelDe(relleno);
    // Painting a run never changes what the fill reads: runs are marked visited first.
    RecorreRelleno(mapa, x, y, borde, [&](int py, int izquierda, int derecha) {
        Pixel* fila = mapa.Fila(py);
        for (int i = izquierda; i <= derecha; ++i) fila[i] = pintura;
    });
}

}  // namespace velistra::web
