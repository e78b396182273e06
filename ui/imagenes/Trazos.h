#pragma once
// Drawing pieces shared by the pictures: panels, terminals, handles, print, and the
// switch, key and lamp that appear both on the boards and as their overlay images.
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>

#include "tableros/Geometria.h"
#include "plataforma/Imagen.h"

namespace velistra::trazos {

// A picture of the resource's exact size, filled with one colour.
QImage NuevaImagen(const Imagen& recurso, QRgb fondo,
                   QImage::Format formato = QImage::Format_RGB32);

// The boards' geometry in Qt's terms; a zone's ranges are inclusive, like QRect's corners.
inline QPoint AQPoint(Punto p) { return QPoint(p.x, p.y); }
inline QRect AQRect(const Zona& z) { return QRect(QPoint(z.x0, z.y0), QPoint(z.x1, z.y1)); }
inline QRect Casilla(const Rejilla& rejilla, int columna, int fila) {
    return AQRect(rejilla.Casilla(columna, fila));
}

// An instrument board's blue panel with a bevelled two-pixel edge.
void PintaPanel(QPainter& p, QSize tamano);
// A brass terminal filling the cell, with its hole 4 pixels right of and below the corner.
void PintaBorne(QPainter& p, QRect cuadro);
// A brass terminal on every hit area of the grid.
void PintaBornes(QPainter& p, const Rejilla& rejilla);
// A metal grip filling the rectangle (inclusive hit ranges as a QRect).
void PintaAgarradera(QPainter& p, QRect rectangulo);
// Print on a board, centred in (or aligned within) the rectangle.
void PintaRotulo(QPainter& p, QRect rectangulo, const QString& texto, int pixeles, QRgb color,
                 Qt::Alignment alineacion = Qt::AlignCenter, bool negrita = true);

// Slide switch of 15 x 28 with its knob up or down; it fills its whole rectangle.
void PintaPalanca(QPainter& p, QPoint esquina, bool arriba);
// Square key of 17 x 19, released or pressed; it fills its whole rectangle.
void PintaTecla(QPainter& p, QPoint esquina, bool pulsada);
// Round red lamp in an 18 x 19 box; the box's corners keep what is under them.
void PintaLampara(QPainter& p, QPoint esquina, bool encendida);

}  // namespace velistra::trazos
