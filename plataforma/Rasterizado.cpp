#include "plataforma/Rasterizado.h"

#include <cstddef>
#include <vector>

namespace velistra {

namespace {
struct Semilla {
    int x;
    int y;
};
}  // namespace

void RecorreRelleno(int ancho, int alto, int x, int y, const std::function<bool(int x, int y)>& esBorde,
                    const std::function<void(int y, int izquierda, int derecha)>& tramo) {
    if (x < 0 || y < 0 || x >= ancho || y >= alto) return;
    // Visited pixels, so that pixels already of the fill colour neither stop the fill
    // nor make it loop. An explicit stack: any area size is safe.
    std::vector<bool> visitado(static_cast<std::size_t>(ancho) * static_cast<std::size_t>(alto));
    auto indice = [&](int px, int py) { return static_cast<std::size_t>(py) * ancho + px; };
    auto rellenable = [&](int px, int py) { return !visitado[indice(px, py)] && !esBorde(px, py); };

    std::vector<Semilla> pila{{x, y}};
    while (!pila.empty()) {
        const Semilla s = pila.back();
        pila.pop_back();
        if (!rellenable(s.x, s.y)) continue;

        int izquierda = s.x;
        while (izquierda > 0 && rellenable(izquierda - 1, s.y)) --izquierda;
        int derecha = s.x;
        while (derecha + 1 < ancho && rellenable(derecha + 1, s.y)) ++derecha;

        for (int i = izquierda; i <= derecha; ++i) visitado[indice(i, s.y)] = true;
        tramo(s.y, izquierda, derecha);
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
