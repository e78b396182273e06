#pragma once
#include <QImage>
#include <QPoint>
#include <QRgb>

namespace velistra {

// Paints with `relleno` the 4-connected area around (x, y) that is bounded by pixels
// of colour `borde` (alpha ignored). Nothing happens when (x, y) lies outside the
// image or on the border colour. Works with an explicit stack, so any area size is
// safe. The image must have 32 bits per pixel.
void RellenaHastaBorde(QImage& imagen, int x, int y, QRgb borde, QRgb relleno);

// The area that fill would paint on `imagen`, as an image of `relleno` (transparent
// elsewhere) whose top-left corner lies at `esquina` of `imagen`.
struct ZonaDeRelleno {
    QPoint esquina;
    QImage mascara;
};
// Kept for the program's life: the pictures of the program never change.
const ZonaDeRelleno& ZonaRellenada(const QImage& imagen, QPoint semilla, QRgb borde, QRgb relleno);

}  // namespace velistra
