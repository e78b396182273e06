#pragma once
#include <QImage>
#include <QRgb>

namespace velistra {

// Paints with `relleno` the 4-connected area around (x, y) that is bounded by pixels
// of colour `borde` (alpha ignored). Nothing happens when (x, y) lies outside the
// image or on the border colour. Works with an explicit stack, so any area size is
// safe. The image must have 32 bits per pixel.
void RellenaHastaBorde(QImage& imagen, int x, int y, QRgb borde, QRgb relleno);

}  // namespace velistra
