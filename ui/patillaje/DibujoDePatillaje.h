#pragma once
// The data-sheet drawing of a chip's pinout: the package seen from above with its notch
// at the top, pin 1 top left, the pins counted down the left side and up the right, each
// with its number and name and, when given, the level it carries now. It is the chip of
// the workbench turned a quarter to the right.
#include <QImage>
#include <QRect>
#include <string_view>

namespace velistra {

// `niveles` holds one character per pin, pin 1 first: '0', '1', 'Z', or ' ' for a pin
// that sits in no hole. Empty: the drawing has no level column.
QImage DibujoDePatillaje(int codigoDeCatalogo, std::string_view niveles = {});

// Where the drawing with levels shows pin `pin`'s level.
QRect CajaDeNivel(int codigoDeCatalogo, int pin);

}  // namespace velistra
