#include "ui/plataforma/Relleno.h"

#include <functional>
#include <map>
#include <tuple>
#include <vector>

#include "plataforma/Rasterizado.h"

namespace velistra {

namespace {
constexpr QRgb kSinAlfa = 0x00FFFFFF;

void RecorreRelleno(const QImage& imagen, int x, int y, QRgb borde,
                    const std::function<void(int y, int izquierda, int derecha)>& tramo) {
    if (imagen.depth() != 32) return;
    const auto esBorde = [&](int px, int py) {
        return (reinterpret_cast<const QRgb*>(imagen.constScanLine(py))[px] & kSinAlfa) == (borde & kSinAlfa);
    };
    velistra::RecorreRelleno(imagen.width(), imagen.height(), x, y, esBorde, tramo);
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
