#include "ui/plataforma/LienzoQt.h"

#include <QFontMetrics>
#include <QPen>
#include <QPolygon>
#include <QString>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "plataforma/Rasterizado.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/plataforma/ColoresQt.h"
#include "ui/plataforma/FuenteDelLienzo.h"
#include "ui/plataforma/Relleno.h"

namespace velistra {

namespace {
QPainter::CompositionMode ModoQt(ModoDeCopia modo) {
    switch (modo) {
        case ModoDeCopia::Y:
            return QPainter::RasterOp_SourceAndDestination;
        case ModoDeCopia::O:
            return QPainter::RasterOp_SourceOrDestination;
        case ModoDeCopia::Copia:
            break;
    }
    return QPainter::CompositionMode_Source;
}
}  // namespace

LienzoQt::LienzoQt(QImage& destino, const Imagenes& imagenes)
    : destino_(destino), imagenes_(imagenes) {
    if (destino_.format() != QImage::Format_RGB32) destino_.convertTo(QImage::Format_RGB32);
    Empieza();
}

LienzoQt::LienzoQt(QImage& destino, const Imagenes& imagenes, const QTransform& aDestino)
    : destino_(destino), imagenes_(imagenes), aDestino_(aDestino) {
    if (destino_.format() != QImage::Format_RGB32) destino_.convertTo(QImage::Format_RGB32);
    Empieza();
}

void LienzoQt::Empieza() {
    pintor_.emplace(&destino_);
    pintor_->setTransform(aDestino_);
    if (recorte_) pintor_->setClipRegion(*recorte_);
    // Raster operations and exact pixel colours need aliased drawing.
    pintor_->setRenderHint(QPainter::Antialiasing, false);
    pintor_->setRenderHint(QPainter::TextAntialiasing, false);
    pintor_->setFont(FuenteDelLienzo());
}

void LienzoQt::CopiaImagen(const Imagen& imagen, int x, int y, int w, int h, ModoDeCopia modo) {
    TerminaTrazo();
    const QImage* origen = imagenes_.Busca(imagen.id);
    if (origen == nullptr || w <= 0 || h <= 0) return;
    pintor_->setCompositionMode(ModoQt(modo));
    pintor_->drawImage(QPoint(x, y), *origen, QRect(0, 0, w, h));
    pintor_->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

Pluma LienzoQt::SeleccionaPluma(Pluma pluma) { return std::exchange(pluma_, pluma); }

Color LienzoQt::SeleccionaBrocha(Color color) { return std::exchange(brocha_, color); }

void LienzoQt::MueveA(int x, int y) { actual_ = QPoint(x, y); }

void LienzoQt::LineaA(int x, int y) {
    const QPoint hasta(x, y);
    if (pluma_.ancho <= 1) {
        TerminaTrazo();
        LineaFina(actual_, hasta);
    } else {
        LineaGruesa(actual_, hasta);
    }
    actual_ = hasta;
}

// Bresenham, leaving out the last pixel, so joined lines never paint a corner twice.
void LienzoQt::LineaFina(QPoint desde, QPoint hasta) {
    QPolygon puntos;
    RecorreLinea(desde.x(), desde.y(), hasta.x(), hasta.y(), [&](int x, int y) { puntos << QPoint(x, y); });
    if (puntos.isEmpty()) return;
    pintor_->setPen(QPen(AQColor(pluma_.color), 1));
    if (aDestino_.isIdentity()) {
        pintor_->drawPoints(puntos);
        return;
    }
    // Zoomed, each pixel of the line is a square centred on the pixel's middle.
    QPolygonF medios;
    medios.reserve(puntos.size());
    for (const QPoint& p : puntos) medios << QPointF(p) + QPointF(0.5, 0.5);
    pintor_->drawPoints(medios);
}

// Wide pens are centred on the pixel line and have round ends, so that a narrower
// line drawn over the same path lies in the middle of a wider one.
void LienzoQt::LineaGruesa(QPoint desde, QPoint hasta) {
    const QPointF medio(0.5, 0.5);
    if (trazo_.isEmpty() || plumaDelTrazo_ != pluma_ || trazo_.back() != QPointF(desde) + medio) {
        TerminaTrazo();
        trazo_ << QPointF(desde) + medio;
        plumaDelTrazo_ = pluma_;
    }
    trazo_ << QPointF(hasta) + medio;
}

void LienzoQt::TerminaTrazo() {
    if (trazo_.size() < 2 || !pintor_) {
        trazo_.clear();
        return;
    }
    pintor_->setPen(QPen(AQColor(plumaDelTrazo_.color), plumaDelTrazo_.ancho, Qt::SolidLine,
                         Qt::RoundCap, Qt::RoundJoin));
    pintor_->drawPolyline(trazo_);
    trazo_.clear();
}

void LienzoQt::Elipse(int l, int t, int r, int b) {
    TerminaTrazo();
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    if (r - l < 1 || b - t < 1) return;
    const double ancho = pluma_.ancho < 1 ? 1.0 : pluma_.ancho;
    pintor_->setPen(QPen(AQColor(pluma_.color), ancho));
    pintor_->setBrush(AQColor(brocha_));
    // The pen's middle runs half a pen inside the box, so the outline stays in it.
    const double medio = ancho / 2.0;
    pintor_->drawEllipse(QRectF(l + medio, t + medio, r - l - ancho, b - t - ancho));
    pintor_->setBrush(Qt::NoBrush);
}

void LienzoQt::Rectangulo(int l, int t, int r, int b) {
    TerminaTrazo();
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    if (r == l || b == t) return;
    const QColor pluma = AQColor(pluma_.color);
    const int ancho = pluma_.ancho < 1 ? 1 : pluma_.ancho;
    pintor_->fillRect(QRect(l, t, r - l, b - t), AQColor(brocha_));
    pintor_->fillRect(QRect(l, t, r - l, ancho), pluma);
    pintor_->fillRect(QRect(l, b - ancho, r - l, ancho), pluma);
    pintor_->fillRect(QRect(l, t, ancho, b - t), pluma);
    pintor_->fillRect(QRect(r - ancho, t, ancho, b - t), pluma);
}

void LienzoQt::Texto(int x, int y, const std::string& texto, Color color, bool transparente) {
    TerminaTrazo();
    const QString cadena = QString::fromStdString(texto);
    const QFontMetrics medidas(pintor_->font());
    if (!transparente) {
        pintor_->fillRect(QRect(x, y, medidas.horizontalAdvance(cadena), medidas.height()),
                          Qt::white);
    }
    pintor_->setPen(AQColor(color));
    pintor_->drawText(QPoint(x, y + medidas.ascent()), cadena);
}

void LienzoQt::Recorta(const QRegion& zona) {
    TerminaTrazo();
    recorte_ = zona;
    pintor_->setClipRegion(zona);
}

void LienzoQt::RellenaSegunImagen(const Imagen& imagen, int xImagen, int yImagen, int x, int y,
                                  Color borde) {
    TerminaTrazo();
    const QImage* origen = imagenes_.Busca(imagen.id);
    if (origen == nullptr) return;
    const ZonaDeRelleno& zona =
        ZonaRellenada(*origen, QPoint(x - xImagen, y - yImagen), AQRgb(borde), AQRgb(brocha_));
    if (zona.mascara.isNull()) return;
    pintor_->drawImage(QPoint(xImagen, yImagen) + zona.esquina, zona.mascara);
}

void LienzoQt::Rellena(int x, int y, Color borde) {
    TerminaTrazo();
    pintor_.reset();
    // A zoomed view fills from the pixel that shows the workbench point.
    const QPointF semilla = aDestino_.map(QPointF(x + 0.5, y + 0.5));
    RellenaHastaBorde(destino_, static_cast<int>(std::floor(semilla.x())),
                      static_cast<int>(std::floor(semilla.y())), AQRgb(borde), AQRgb(brocha_));
    Empieza();
}

}  // namespace velistra
