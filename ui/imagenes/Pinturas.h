#pragma once
// The program draws its pictures at start-up instead of shipping bitmaps. Each
// painter makes the picture of one resource at exactly the resource's size, with
// every terminal, lever, key, lamp, segment and handle where the boards' hit areas lie.
#include <QIcon>
#include <QImage>
#include <span>

namespace velistra::pinturas {

QImage LienzoBlanco();
QImage BarraDeHerramientas();

QImage Protoboard();
QImage Interruptores();
QImage InterruptorON();
QImage Pulsadores();
QImage PulsadorON();
QImage Leds();
QImage LedON();
QImage Reloj();
QImage FuenteDC();
QImage Leds7Segmentos();

// Picture (black where the chip is not) or mask (black where it is, white elsewhere)
// of a dual in-line package of 14, 16, 18, 20 or 24 pins.
QImage Chip(int pines, bool mascara);

QImage PlaAnd();
QImage PlaOr();
QImage PlaNot();
QImage PlaLed(bool encendido);
QImage PlaInterruptor(bool encendido);

// The program's icon, `lado` pixels square; the window's and the desktop's.
QImage ImagenDelIcono(int lado);
QIcon IconoDelPrograma();

// The painter of each resource id.
struct Pintura {
    int id;
    QImage (*pinta)();
};
std::span<const Pintura> Todas();

}  // namespace velistra::pinturas
