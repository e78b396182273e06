#include "ui/plataforma/Relleno.h"

#include <cstddef>
#include <functional>
#include <map>
#include <tuple>
#include <vector>

namespace velistra {

namespace {
constexpr QRgb kSinAlfa = 0x00FFFFFF;

struct Semilla {
    int x;
    int y;
};

// Every run [izquierda, derecha] of row y that a fill from (x, y) up to `borde` covers.
void RecorreRelleno(const QImage& imagen, int x, int y, QRgb borde,
                    const std::function<void(int y, int izquierda, int derecha)>& tramo) {
    const int ancho = imagen.width();
    const int alto = imagen.height();
    if (x < 0 || y < 0 || x >= ancho || y >= alto || imagen.depth() != 32) return;

    auto fila = [&](int py) { return reinterpret_cast<const QRgb*>(imagen.constScanLine(py)); };
    // Visited pixels, so that pixels already of the fill colour neither stop the fill
    // nor make it loop.
    std::vector<bool> visitado(static_cast<std::size_t>(ancho) * static_cast<std::size_t>(alto));
    auto indice = [&](int px, int py) { return static_cast<std::size_t>(py) * ancho + px; };
    auto rellenable = [&](int px, int py) {
        return !visitado[indice(px, py)] && (fila(py)[px] & kSinAlfa) != (borde & kSinAlfa);
    };

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
}  // namespace

void RellenaHastaBorde(QImage& imagen, int x, int y, QRgb borde, QRgb relleno) {
    if (imagen.depth() != 32) return;
    const QRgb pintura = relleno | 0xFF000000;
    // Painting a run never changes what the fill reads: runs are marked visited first.
    imagen.bits();  // detach before the scan lines are read
    RecorreRelleno(imagen, x, y, borde, [&](int py, int izquierda, int derecha) {
        auto* pixeles = reinterpret_cast<QRgb*>(imagen.scanLine(py));
        for (int i = izquierda; i <= derecha; ++i) pixeles[i] = pintura;
    });
}

const ZonaDeRelleno& ZonaRellenada(const QImage& imagen, QPoint semilla, QRgb borde, QRgb relleno) {
    // Lamps are filled on every repaint and their pictures never change: each area is
    // found once.
    using Clave = std::tuple<qint64, int, int, QRgb, QRgb>;
    static std::map<Clave, ZonaDeRelleno> zonas;
    const Clave clave{imagen.cacheKey(), semilla.x(), semilla.y(), borde & kSinAlfa,
                      relleno & kSinAlfa};
    if (const auto hallada = zonas.find(clave); hallada != zonas.end()) return hallada->second;

    const QImage fuente = imagen.convertToFormat(QImage::Format_RGB32);
    std::vector<std::tuple<int, int, int>> tramos;
    QRect abarca;
    RecorreRelleno(fuente, semilla.x(), semilla.y(), borde, [&](int y, int izquierda, int derecha) {
        tramos.emplace_back(y, izquierda, derecha);
        abarca |= QRect(QPoint(izquierda, y), QPoint(derecha, y));
    });
    ZonaDeRelleno zona{abarca.topLeft(), QImage(abarca.size(), QImage::Format_ARGB32)};
    zona.mascara.fill(Qt::transparent);
    const QRgb pintura = relleno | 0xFF000000;
    for (const auto& [y, izquierda, derecha] : tramos) {
        auto* pixeles = reinterpret_cast<QRgb*>(zona.mascara.scanLine(y - abarca.top()));
        for (int i = izquierda; i <= derecha; ++i) pixeles[i - abarca.left()] = pintura;
    }
    return zonas.emplace(clave, std::move(zona)).first->second;
}

}  // namespace velistra
