#include <QPixmap>
#include <QPolygon>
#include <array>

#include "plataforma/Recursos.h"
#include "ui/imagenes/Paleta.h"
#include "ui/imagenes/Pinturas.h"
#include "ui/imagenes/Trazos.h"

// Pictures of the window frame: the workbench canvas, the toolbar strip and the icon.
namespace velistra::pinturas {

namespace {
constexpr int kBoton = 16;
const QColor kTrazo(52, 52, 56);

void HojaNueva(QPainter& p) {
    p.setPen(kTrazo);
    p.setBrush(Qt::white);
    p.drawPolygon(
        QPolygon({QPoint(3, 1), QPoint(10, 1), QPoint(13, 4), QPoint(13, 14), QPoint(3, 14)}));
    p.setBrush(QColor(206, 206, 210));
    p.drawPolygon(QPolygon({QPoint(10, 1), QPoint(10, 4), QPoint(13, 4)}));
}

void CarpetaAbierta(QPainter& p) {
    const QColor borde(122, 84, 14);
    p.setPen(borde);
    p.setBrush(QColor(226, 176, 52));
    p.drawPolygon(QPolygon(
        {QPoint(1, 3), QPoint(6, 3), QPoint(7, 4), QPoint(13, 4), QPoint(13, 13), QPoint(1, 13)}));
    p.setBrush(QColor(252, 214, 96));
    p.drawPolygon(QPolygon({QPoint(4, 7), QPoint(15, 7), QPoint(13, 13), QPoint(1, 13)}));
}

void Disquete(QPainter& p) {
    p.setPen(QColor(18, 26, 64));
    p.setBrush(QColor(44, 66, 150));
    p.drawPolygon(
        QPolygon({QPoint(1, 1), QPoint(13, 1), QPoint(14, 2), QPoint(14, 14), QPoint(1, 14)}));
    p.fillRect(QRect(4, 1, 8, 5), QColor(204, 206, 212));
    p.fillRect(QRect(9, 2, 2, 3), QColor(44, 66, 150));
    p.fillRect(QRect(3, 8, 10, 6), Qt::white);
    p.fillRect(QRect(4, 10, 8, 1), QColor(150, 150, 160));
    p.fillRect(QRect(4, 12, 8, 1), QColor(150, 150, 160));
}

void FranjasDeColores(QPainter& p) {
    const std::array<QColor, 4> colores{QColor(222, 40, 40), QColor(244, 204, 40),
                                        QColor(40, 170, 64), QColor(40, 84, 222)};
    for (int i = 0; i < 4; ++i) p.fillRect(QRect(2, 2 + 3 * i, 12, 3), colores[i]);
    p.setPen(kTrazo);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(1, 1, 13, 13));
}

// The icon, laid out on a 48-unit square: a breadboard with a chip and a lit lamp.
void PintaIcono(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(paleta::kBeigeBorde), 1.5));
    p.setBrush(QColor(paleta::kBeige));
    p.drawRoundedRect(QRectF(2, 6, 44, 38), 5, 5);
    p.setPen(Qt::NoPen);
    for (int c = 0; c < 6; ++c) {
        p.fillRect(QRectF(8 + 6.5 * c, 11, 3, 3), QColor(paleta::kAgujero));
        p.fillRect(QRectF(8 + 6.5 * c, 36, 3, 3), QColor(paleta::kAgujero));
    }
    for (int c = 0; c < 5; ++c) {
        p.fillRect(QRectF(10 + 6.5 * c, 17, 3, 4), QColor(paleta::kMetal));
        p.fillRect(QRectF(10 + 6.5 * c, 30, 3, 4), QColor(paleta::kMetal));
    }
    p.setBrush(QColor(40, 40, 44));
    p.drawRoundedRect(QRectF(7, 20, 34, 11), 1.5, 1.5);
    p.setBrush(QColor(255, 64, 48));
    p.drawEllipse(QPointF(40, 9), 6, 6);
    p.setBrush(QColor(255, 236, 220));
    p.drawEllipse(QPointF(38.5, 7.5), 2, 2);
}
}  // namespace

QImage LienzoBlanco() { return trazos::NuevaImagen(recursos::Lienzo, paleta::kBlanco); }

QImage BarraDeHerramientas() {
    QImage imagen =
        trazos::NuevaImagen(recursos::BarraDeHerramientas, 0, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    const std::array<void (*)(QPainter&), 4> botones{&HojaNueva, &CarpetaAbierta, &Disquete,
                                                     &FranjasDeColores};
    for (std::size_t i = 0; i < botones.size(); ++i) {
        p.save();
        p.translate(static_cast<int>(i) * kBoton, 0);
        botones[i](p);
        p.restore();
    }
    return imagen;
}

QImage ImagenDelIcono(int lado) {
    QImage imagen(lado, lado, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    p.scale(lado / 48.0, lado / 48.0);
    PintaIcono(p);
    return imagen;
}

QIcon IconoDelPrograma() {
    QIcon icono;
    for (const int lado : {16, 24, 32, 48, 64})
        icono.addPixmap(QPixmap::fromImage(ImagenDelIcono(lado)));
    return icono;
}

}  // namespace velistra::pinturas
