#include "ui/plataforma/Relleno.h"

#include <cstddef>
#include <vector>

namespace velistra {

namespace {
constexpr QRgb kSinAlfa = 0x00FFFFFF;

struct Semilla {
    int x;
    int y;
};
}  // namespace

void RellenaHastaBorde(QImage& imagen, int x, int y, QRgb borde, QRgb relleno) {
    const int ancho = imagen.width();
    const int alto = imagen.height();
    if (x < 0 || y < 0 || x >= ancho || y >= alto || imagen.depth() != 32) return;

    uchar* bits = imagen.bits();
    const qsizetype porFila = imagen.bytesPerLine();
    auto fila = [&](int py) { return reinterpret_cast<QRgb*>(bits + py * porFila); };

    // Visited pixels, so that pixels already of the fill colour neither stop the fill
    // nor make it loop.
    std::vector<bool> visitado(static_cast<std::size_t>(ancho) * static_cast<std::size_t>(alto));
    auto indice = [&](int px, int py) { return static_cast<std::size_t>(py) * ancho + px; };
    auto rellenable = [&](int px, int py) {
        return !visitado[indice(px, py)] && (fila(py)[px] & kSinAlfa) != (borde & kSinAlfa);
    };

    const QRgb pintura = relleno | 0xFF000000;
    std::vector<Semilla> pila{{x, y}};
    while (!pila.empty()) {
        const Semilla s = pila.back();
        pila.pop_back();
        if (!rellenable(s.x, s.y)) continue;

        int izquierda = s.x;
        while (izquierda > 0 && rellenable(izquierda - 1, s.y)) --izquierda;
        int derecha = s.x;
        while (derecha + 1 < ancho && rellenable(derecha + 1, s.y)) ++derecha;

        QRgb* pixeles = fila(s.y);
        for (int i = izquierda; i <= derecha; ++i) {
            pixeles[i] = pintura;
            visitado[indice(i, s.y)] = true;
        }
        // One seed per run of fillable pixels in the rows above and below.
        for (const int vecina : {s.y - 1, s.y + 1}) {
            if (vecina < 0 || vecina >= alto) continue;
            bool enTramo = false;
            for (int i = izquierda; i <= derecha; ++i) {
                if (rellenable(i, vecina)) {
                    if (!enTramo) pila.push_back({i, vecina});
                    enTramo = true;
                } else {
                    enTramo = false;
                }
            }
        }
    }
}

}  // namespace velistra
