#pragma once
// Colour values of the core (0x00BBGGRR) and their Qt counterparts.
#include <QColor>
#include <QRgb>

#include "plataforma/Lienzo.h"

namespace velistra {

inline QColor AQColor(Color color) { return QColor(Rojo(color), Verde(color), Azul(color)); }
inline QRgb AQRgb(Color color) { return qRgb(Rojo(color), Verde(color), Azul(color)); }
inline Color DeQColor(const QColor& color) { return Rgb(color.red(), color.green(), color.blue()); }
inline Color DeQRgb(QRgb color) { return Rgb(qRed(color), qGreen(color), qBlue(color)); }

}  // namespace velistra
