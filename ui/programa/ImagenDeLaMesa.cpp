#include "ui/programa/ImagenDeLaMesa.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "simulacion/Mesa.h"
#include "ui/plataforma/LienzoQt.h"
#include "ui/ventana/VentanaDeMesa.h"

namespace velistra {

namespace {

constexpr int kMargen = 10;

// Everything that is not the white canvas.
QRect Ocupado(const QImage& imagen) {
    const QRgb blanco = qRgb(255, 255, 255);
    int izquierda = imagen.width(), derecha = -1, arriba = imagen.height(), abajo = -1;
    for (int y = 0; y < imagen.height(); ++y) {
        const auto* fila = reinterpret_cast<const QRgb*>(imagen.constScanLine(y));
        for (int x = 0; x < imagen.width(); ++x) {
            if ((fila[x] | 0xFF000000) == blanco) continue;
            izquierda = std::min(izquierda, x);
            derecha = std::max(derecha, x);
            arriba = std::min(arriba, y);
            abajo = std::max(abajo, y);
        }
    }
    if (derecha < 0) return imagen.rect();
    return QRect(QPoint(izquierda, arriba), QPoint(derecha, abajo)).adjusted(-kMargen, -kMargen, kMargen, kMargen).intersected(imagen.rect());
}

}  // namespace

QImage ImagenDeLaMesa(Mesa& mesa, const Imagenes& imagenes, std::optional<QRect> parte) {
    QImage lienzo(VentanaDeMesa::kAncho, VentanaDeMesa::kAlto, QImage::Format_RGB32);
    lienzo.fill(Qt::white);
    {
        // As PintaMesa draws it, but without the bar that shows the colour of new wires.
        LienzoQt dibujo(lienzo, imagenes);
        for (auto& tablero : mesa.tablero()) tablero->Dibuja(dibujo);
        mesa.componentes().Dibuja(dibujo);
        for (const Cable& cable : mesa.cables().Lista()) cable.Dibuja(dibujo);
    }
    const QRect recorte = parte ? parte->intersected(lienzo.rect()) : Ocupado(lienzo);
    return lienzo.copy(recorte.isEmpty() ? lienzo.rect() : recorte);
}

QRect DibujaAjustada(QPainter& pintor, const QImage& imagen, QRect area) {
    const QSize tamano = imagen.size().scaled(area.size(), Qt::KeepAspectRatio);
    const QRect destino(area.topLeft() + QPoint((area.width() - tamano.width()) / 2, 0), tamano);
    pintor.drawImage(destino, imagen);
    return destino;
}

bool ImprimeImagen(QPagedPaintDevice& destino, const QImage& imagen) {
    destino.setPageOrientation(imagen.width() > imagen.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter pintor;
    if (!pintor.begin(&destino)) return false;
    const QRect pagina = destino.pageLayout().paintRectPixels(destino.logicalDpiX());
    DibujaAjustada(pintor, imagen, QRect(QPoint(0, 0), pagina.size()));
    return pintor.end();
}

bool GuardaImagen(const QImage& imagen, const QString& ruta) {
    if (!ruta.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) return imagen.save(ruta, "PNG");
    QPdfWriter pdf(ruta);
    pdf.setTitle(QCoreApplication::translate("velistra::Informe", "Circuito de Velistra"));
    pdf.setCreator(QStringLiteral("Velistra"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(150);
    return ImprimeImagen(pdf, imagen);
}

}  // namespace velistra
