#include "plataforma/Recursos.h"
#include "ui/imagenes/Paleta.h"
#include "ui/imagenes/Pinturas.h"
#include "ui/imagenes/Trazos.h"

namespace velistra::pinturas {

namespace {
// A chip lies with its top edge on the centres of the upper row of holes and its
// first column's pins 6 pixels right of its left edge, one column every 13 pixels.
constexpr int kPrimerPin = 6;
constexpr int kPaso = 13;
constexpr int kAnchoDePin = 5;
constexpr QRect Cuerpo(int ancho) { return QRect(0, 6, ancho, 29); }
constexpr QRect PinDeArriba(int j) { return QRect(kPrimerPin - 2 + kPaso * j, 0, kAnchoDePin, 6); }
constexpr QRect PinDeAbajo(int j) { return QRect(kPrimerPin - 2 + kPaso * j, 35, kAnchoDePin, 6); }

Imagen RecursoDe(int pines, bool mascara) {
    switch (pines) {
        case 16:
            return mascara ? recursos::Mascara16 : recursos::Chip16;
        case 18:
            return mascara ? recursos::Mascara18 : recursos::Chip18;
        case 20:
            return mascara ? recursos::Mascara20 : recursos::Chip20;
        case 24:
            return mascara ? recursos::Mascara24 : recursos::Chip24;
        default:
            break;
    }
    return mascara ? recursos::Mascara14 : recursos::Chip14;
}

void PintaPin(QPainter& p, QRect pin) {
    p.fillRect(pin, QColor(paleta::kMetal));
    p.fillRect(QRect(pin.left(), pin.top(), 1, pin.height()), QColor(paleta::kMetalLuz));
    p.fillRect(QRect(pin.right(), pin.top(), 1, pin.height()), QColor(paleta::kMetalSombra));
}

void PintaCuerpo(QPainter& p, int ancho) {
    const QRect cuerpo = Cuerpo(ancho);
    p.fillRect(cuerpo, QColor(40, 40, 44));
    p.fillRect(QRect(cuerpo.left(), cuerpo.top(), ancho, 1), QColor(74, 74, 80));
    p.fillRect(QRect(cuerpo.left(), cuerpo.bottom(), ancho, 1), QColor(22, 22, 24));
    // The notch at the pin-1 end and the dimple over pin 1.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(16, 16, 18));
    p.drawEllipse(QPoint(0, cuerpo.center().y() + 1), 4, 5);
    p.setBrush(QColor(28, 28, 31));
    p.drawEllipse(QRect(4, 26, 5, 5));
    p.setBrush(Qt::NoBrush);
}
}  // namespace

QImage Chip(int pines, bool mascara) {
    const Imagen recurso = RecursoDe(pines, mascara);
    // The picture is ORed over the masked canvas, so it is black where the chip is not.
    QImage imagen = trazos::NuevaImagen(recurso, mascara ? paleta::kBlanco : paleta::kNegro);
    QPainter p(&imagen);
    const int columnas = recurso.ancho / kPaso;
    if (mascara) {
        const QColor negro(paleta::kNegro);
        p.fillRect(Cuerpo(recurso.ancho), negro);
        for (int j = 0; j < columnas; ++j) {
            p.fillRect(PinDeArriba(j), negro);
            p.fillRect(PinDeAbajo(j), negro);
        }
        return imagen;
    }
    for (int j = 0; j < columnas; ++j) {
        PintaPin(p, PinDeArriba(j));
        PintaPin(p, PinDeAbajo(j));
    }
    PintaCuerpo(p, recurso.ancho);
    return imagen;
}

}  // namespace velistra::pinturas
