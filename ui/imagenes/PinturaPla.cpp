#include <QPainterPath>

#include "tableros/TableroPLA.h"
#include "plataforma/Recursos.h"
#include "ui/imagenes/Paleta.h"
#include "ui/imagenes/Pinturas.h"
#include "ui/imagenes/Trazos.h"

// Gate symbols of the PLA board. They are copied over the board's lines, so each one
// carries its own stubs of those lines to its edges, on the line's exact pixel.
namespace velistra::pinturas {

namespace {
QImage Blanca(const Imagen& recurso) { return trazos::NuevaImagen(recurso, paleta::kBlanco); }

void Linea(QPainter& p, QPoint desde, QPoint hasta) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(desde, hasta);
}

void Contorno(QPainter& p, const QPainterPath& camino) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, 1.6));
    p.setBrush(Qt::white);
    p.drawPath(camino);
    p.setBrush(Qt::NoBrush);
}
}  // namespace

QImage PlaAnd() {
    QImage imagen = Blanca(recursos::PlaAnd);
    QPainter p(&imagen);
    constexpr int kFila = TableroPLA::kFilaDelAnd;
    Linea(p, QPoint(0, kFila), QPoint(12, kFila));
    Linea(p, QPoint(44, kFila), QPoint(56, kFila));
    Linea(p, QPoint(4, kFila + 4), QPoint(8, kFila - 4));  // many inputs on one line
    const double eje = kFila + 0.5;
    QPainterPath camino;
    camino.moveTo(12.5, eje - 16);
    camino.lineTo(28.5, eje - 16);
    camino.arcTo(QRectF(12.5, eje - 16, 32, 32), 90, -180);
    camino.lineTo(12.5, eje + 16);
    camino.closeSubpath();
    Contorno(p, camino);
    return imagen;
}

QImage PlaOr() {
    QImage imagen = Blanca(recursos::PlaOr);
    QPainter p(&imagen);
    constexpr int kColumna = TableroPLA::kColumnaDelOr;
    Linea(p, QPoint(kColumna, 0), QPoint(kColumna, 18));
    Linea(p, QPoint(kColumna, 56), QPoint(kColumna, 70));
    const double eje = kColumna + 0.5;
    QPainterPath camino;
    camino.moveTo(eje - 16, 12.5);
    camino.quadTo(eje, 24.5, eje + 16, 12.5);
    camino.quadTo(eje + 15, 42.5, eje, 56.5);
    camino.quadTo(eje - 15, 42.5, eje - 16, 12.5);
    Contorno(p, camino);
    return imagen;
}

QImage PlaNot() {
    QImage imagen = Blanca(recursos::PlaNot);
    QPainter p(&imagen);
    constexpr int kColumna = TableroPLA::kColumnaDelInversor;
    Linea(p, QPoint(kColumna, 0), QPoint(kColumna, 7));
    Linea(p, QPoint(kColumna, 40), QPoint(kColumna, 52));
    const double eje = kColumna + 0.5;
    QPainterPath triangulo;
    triangulo.moveTo(eje, 14.5);
    triangulo.lineTo(eje + 12, 40.5);
    triangulo.lineTo(eje - 12, 40.5);
    triangulo.closeSubpath();
    Contorno(p, triangulo);
    QPainterPath burbuja;
    burbuja.addEllipse(QPointF(eje, 11.0), 3.2, 3.2);
    Contorno(p, burbuja);
    return imagen;
}

QImage PlaLed(bool encendido) {
    QImage imagen = Blanca(encendido ? recursos::PlaLedEncendido : recursos::PlaLedApagado);
    QPainter p(&imagen);
    trazos::PintaLampara(p, QPoint(0, 0), encendido);
    return imagen;
}

QImage PlaInterruptor(bool encendido) {
    QImage imagen =
        Blanca(encendido ? recursos::PlaInterruptorEncendido : recursos::PlaInterruptorApagado);
    QPainter p(&imagen);
    trazos::PintaPalanca(p, QPoint(0, 0), encendido);
    return imagen;
}

}  // namespace velistra::pinturas
