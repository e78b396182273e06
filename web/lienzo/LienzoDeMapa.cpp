#include "web/lienzo/LienzoDeMapa.h"

#include <algorithm>
#include <utility>

#include "web/lienzo/Formas.h"
#include "web/lienzo/RellenoDeMapa.h"

namespace velistra::web {

namespace {
constexpr Pixel kBlanco = PixelDe(Rgb(255, 255, 255));

}  // namespace

LienzoDeMapa::LienzoDeMapa(MapaDeBits& destino, const RecursosDeMapa& recursos, int origenX,
                           int origenY)
    : superficie_(destino, origenX, origenY), recursos_(recursos) {}

void LienzoDeMapa::Recorta(int l, int t, int r, int b) { superficie_.Recorta({l, t, r, b}); }

void LienzoDeMapa::CopiaImagen(const Imagen& imagen, int x, int y, int w, int h, ModoDeCopia modo) {
    const MapaDeBits* origen = recursos_.imagenes.Busca(imagen.id);
    if (origen == nullptr || w <= 0 || h <= 0) return;
    w = std::min(w, origen->Ancho());
    h = std::min(h, origen->Alto());
    const web::Rectangulo caja = web::Rectangulo{x, y, x + w, y + h}.Corte(superficie_.Visible());
    for (int py = caja.t; py < caja.b; ++py) {
        const Pixel* fuente = origen->Fila(py - y) + (caja.l - x);
        Pixel* destino = superficie_.FilaEn(caja.l, py);
        const int n = caja.r - caja.l;
        // One loop per mode: pictures are most of what a repaint copies.
        switch (modo) {
            case ModoDeCopia::Y:
                for (int i = 0; i < n; ++i) destino[i] = (fuente[i] & destino[i]) | 0xFF000000u;
                break;
            case ModoDeCopia::O:
                for (int i = 0; i < n; ++i) destino[i] = fuente[i] | destino[i] | 0xFF000000u;
                break;
            case ModoDeCopia::Copia:
                for (int i = 0; i < n; ++i) destino[i] = fuente[i] | 0xFF000000u;
                break;
        }
    }
}

Pluma LienzoDeMapa::SeleccionaPluma(Pluma pluma) { return std::exchange(pluma_, pluma); }

Color LienzoDeMapa::SeleccionaBrocha(Color color) { return std::exchange(brocha_, color); }

void LienzoDeMapa::MueveA(int x, int y) {
    actualX_ = x;
    actualY_ = y;
}

void LienzoDeMapa::LineaA(int x, int y) {
    // Wide pens are centred on the pixel line and have round ends, like the desktop's.
    if (pluma_.ancho <= 1)
        LineaFina(superficie_, actualX_, actualY_, x, y, PixelDe(pluma_.color));
    else
        TramoGrueso(superficie_, actualX_, actualY_, x, y, pluma_.ancho, PixelDe(pluma_.color));
    MueveA(x, y);
}

void LienzoDeMapa::Elipse(int l, int t, int r, int b) {
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    if (r - l < 1 || b - t < 1) return;
    const int pluma = std::max(pluma_.ancho, 1);
    if (const SelloDeElipse* sello = recursos_.elipses.Busca(r - l, b - t, pluma)) {
        Estampa(superficie_, *sello, l, t, PixelDe(pluma_.color), PixelDe(brocha_));
        return;
    }
    Estampa(superficie_, ElipseCalculada(r - l, b - t, pluma), l, t, PixelDe(pluma_.color),
            PixelDe(brocha_));
}

void LienzoDeMapa::Caja(int l, int t, int r, int b, Pixel pixel) {
    for (int y = t; y < b; ++y) superficie_.Tramo(y, l, r, pixel);
}

void LienzoDeMapa::Rectangulo(int l, int t, int r, int b) {
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    if (r == l || b == t) return;
    const Pixel pluma = PixelDe(pluma_.color);
    const int ancho = std::max(pluma_.ancho, 1);
    Caja(l, t, r, b, PixelDe(brocha_));
    Caja(l, t, r, t + ancho, pluma);
    Caja(l, b - ancho, r, b, pluma);
    Caja(l, t, l + ancho, b, pluma);
    Caja(r - ancho, t, r, b, pluma);
}

void LienzoDeMapa::Texto(int x, int y, const std::string& texto, Color color, bool transparente) {
    const FuenteDeMapa& fuente = recursos_.fuente;
    if (!transparente) Caja(x, y, x + fuente.Anchura(texto), y + fuente.Alto(), kBlanco);
    const Pixel tinta = PixelDe(color);
    int pluma = x;
    for (const char32_t c : CaracteresDe(texto)) {
        const Glifo* glifo = fuente.Busca(c);
        if (glifo == nullptr) continue;
        for (int gy = 0; gy < glifo->alto; ++gy) {
            for (int gx = 0; gx < glifo->ancho; ++gx) {
                if (glifo->tinta[static_cast<std::size_t>(gy) * glifo->ancho + gx] != 0)
                    superficie_.Punto(pluma + glifo->x + gx, y + glifo->y + gy, tinta);
            }
        }
        pluma += glifo->avance;
    }
}

void LienzoDeMapa::Rellena(int x, int y, Color borde) {
    RellenaHastaBorde(superficie_.Mapa(), x - superficie_.OrigenX(), y - superficie_.OrigenY(),
                      borde, brocha_);
}

void LienzoDeMapa::RellenaSegunImagen(const Imagen& imagen, int xImagen, int yImagen, int x, int y,
                                      Color borde) {
    const Pixel pintura = PixelDe(brocha_);
    for (const TramoDeFila& t : recursos_.ZonaRellenada(imagen.id, x - xImagen, y - yImagen, borde))
        superficie_.Tramo(yImagen + t.y, xImagen + t.izquierda, xImagen + t.derecha + 1, pintura);
}

}  // namespace velistra::web
