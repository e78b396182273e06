#pragma once
// Drawing pieces shared by the pictures: panels, terminals, handles, print, and the
// switch, key and lamp that appear both on the boards and as their overlay images.
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>

#include "plataforma/Imagen.h"

namespace velistra::trazos {

// A picture of the resource's exact size, filled with one colour.
QImage NuevaImagen(const Imagen& recurso, QRgb fondo,
                   QImage::Format formato = QImage::Format_RGB32);

// Terminal cells laid out in columns and rows at a fixed pitch, as large as the boards'
// hit areas: `ancho` x `alto`, except that the hit bounds end 9 pixels into the last
// column and row, which cuts wider cells there.
struct Rejilla {
    int x;
    int y;
    int columnas;
    int filas;
    int pasoX;
    int pasoY;
    int ancho = 9;
    int alto = 9;

    QRect Casilla(int columna, int fila) const {
        const QRect limite(x, y, (columnas - 1) * pasoX + 9, (filas - 1) * pasoY + 9);
        return QRect(x + columna * pasoX, y + fila * pasoY, ancho, alto).intersected(limite);
    }
};

// An instrument board's blue panel with a bevelled two-pixel edge.
void PintaPanel(QPainter& p, QSize tamano);
// A brass terminal filling the cell, with its hole 4 pixels right of and below the corner.
void PintaBorne(QPainter& p, QRect cuadro);
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
