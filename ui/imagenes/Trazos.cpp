#include "ui/imagenes/Trazos.h"

#include <QFont>
#include <QRadialGradient>

#include "ui/imagenes/Paleta.h"

namespace velistra::trazos {

namespace {
QColor C(QRgb rgb) { return QColor(rgb); }

// Outline of one colour with the inside of another.
void CajaConBorde(QPainter& p, QRect r, QRgb borde, QRgb dentro) {
    p.fillRect(r, C(borde));
    p.fillRect(r.adjusted(1, 1, -1, -1), C(dentro));
}
}  // namespace

QImage NuevaImagen(const Imagen& recurso, QRgb fondo, QImage::Format formato) {
    QImage imagen(recurso.ancho, recurso.alto, formato);
    imagen.fill(C(fondo));
    return imagen;
}

void PintaPanel(QPainter& p, QSize tamano) {
    const QRect todo(QPoint(0, 0), tamano);
    p.fillRect(todo, C(paleta::kPanelSombra));
    p.fillRect(todo.adjusted(1, 1, -1, -1), C(paleta::kPanelLuz));
    p.fillRect(todo.adjusted(2, 2, -1, -1), C(paleta::kPanelSombra));
    p.fillRect(todo.adjusted(2, 2, -2, -2), C(paleta::kPanel));
}

void PintaBorne(QPainter& p, QRect cuadro) {
    CajaConBorde(p, cuadro, paleta::kLatonBorde, paleta::kLaton);
    const QRect dentro = cuadro.adjusted(1, 1, -1, -1);
    p.fillRect(QRect(dentro.topLeft(), QSize(dentro.width(), 1)), QColor(244, 216, 120));
    p.fillRect(QRect(dentro.topLeft(), QSize(1, dentro.height())), QColor(244, 216, 120));
    p.fillRect(QRect(cuadro.topLeft() + QPoint(3, 3), QSize(3, 3)), C(paleta::kAgujero));
}

void PintaBornes(QPainter& p, const Rejilla& rejilla) {
    for (int c = 0; c < rejilla.Columnas(); ++c) {
        for (int f = 0; f < rejilla.Filas(); ++f) PintaBorne(p, Casilla(rejilla, c, f));
    }
}

void PintaAgarradera(QPainter& p, QRect r) {
    CajaConBorde(p, r, paleta::kMetalSombra, paleta::kMetal);
    const QRect dentro = r.adjusted(1, 1, -1, -1);
    p.fillRect(QRect(dentro.topLeft(), QSize(dentro.width(), 1)), C(paleta::kMetalLuz));
    // Ridges across the longer side.
    if (r.height() > r.width()) {
        for (int y = dentro.top() + 3; y < dentro.bottom(); y += 3) {
            p.fillRect(QRect(dentro.left() + 1, y, dentro.width() - 2, 1), C(paleta::kMetalSombra));
        }
    } else {
        for (int x = dentro.left() + 3; x < dentro.right(); x += 3) {
            p.fillRect(QRect(x, dentro.top() + 1, 1, dentro.height() - 1), C(paleta::kMetalSombra));
        }
    }
}

void PintaRotulo(QPainter& p, QRect rectangulo, const QString& texto, int pixeles, QRgb color,
                 Qt::Alignment alineacion, bool negrita) {
    QFont fuente(QStringLiteral("DejaVu Sans"));
    fuente.setStyleHint(QFont::SansSerif);
    fuente.setPixelSize(pixeles);
    fuente.setBold(negrita);
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(fuente);
    p.setPen(C(color));
    p.drawText(rectangulo, static_cast<int>(alineacion), texto);
    p.restore();
}

void PintaPalanca(QPainter& p, QPoint esquina, bool arriba) {
    const QRect caja(esquina, QSize(15, 28));
    CajaConBorde(p, caja, qRgb(10, 10, 12), qRgb(34, 34, 38));
    p.fillRect(QRect(esquina + QPoint(6, 3), QSize(3, 22)), QColor(4, 4, 4));
    const QRect boton(esquina + QPoint(2, arriba ? 2 : 14), QSize(11, 12));
    CajaConBorde(p, boton, qRgb(110, 110, 116), qRgb(206, 206, 212));
    p.fillRect(QRect(boton.topLeft() + QPoint(1, 1), QSize(9, 1)), QColor(244, 244, 248));
    for (int y = 4; y <= 8; y += 2) {
        p.fillRect(QRect(boton.left() + 2, boton.top() + y, 7, 1), QColor(146, 146, 152));
    }
}

void PintaTecla(QPainter& p, QPoint esquina, bool pulsada) {
    const QRect caja(esquina, QSize(17, 19));
    CajaConBorde(p, caja, qRgb(8, 8, 10), qRgb(28, 28, 32));
    if (pulsada) {
        // Pushed into the bezel: darker, lit from inside the hole.
        const QRect tapa(esquina + QPoint(2, 4), QSize(13, 13));
        p.fillRect(tapa, QColor(176, 176, 168));
        p.fillRect(QRect(tapa.topLeft(), QSize(13, 1)), QColor(120, 120, 114));
        p.fillRect(QRect(tapa.topLeft(), QSize(1, 13)), QColor(120, 120, 114));
    } else {
        const QRect tapa(esquina + QPoint(2, 2), QSize(13, 13));
        p.fillRect(tapa, QColor(226, 226, 218));
        p.fillRect(QRect(tapa.topLeft(), QSize(13, 1)), QColor(252, 252, 248));
        p.fillRect(QRect(tapa.topLeft(), QSize(1, 13)), QColor(252, 252, 248));
        p.fillRect(QRect(tapa.right(), tapa.top() + 1, 1, 12), QColor(156, 156, 148));
        // The key's side, showing that it stands up.
        p.fillRect(QRect(esquina + QPoint(2, 15), QSize(13, 2)), QColor(118, 118, 112));
    }
}

void PintaLampara(QPainter& p, QPoint esquina, bool encendida) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    const QPointF centro = QPointF(esquina) + QPointF(9.0, 9.5);
    p.setBrush(QColor(64, 64, 70));
    p.drawEllipse(centro, 8.5, 8.5);
    QRadialGradient luz(centro - QPointF(1.5, 1.5), 7.5);
    if (encendida) {
        luz.setColorAt(0.0, QColor(255, 236, 220));
        luz.setColorAt(0.35, QColor(255, 64, 48));
        luz.setColorAt(1.0, QColor(196, 0, 0));
    } else {
        luz.setColorAt(0.0, QColor(136, 40, 40));
        luz.setColorAt(1.0, QColor(64, 8, 8));
    }
    p.setBrush(luz);
    p.drawEllipse(centro, 6.5, 6.5);
    p.setBrush(QColor(255, 255, 255, encendida ? 200 : 90));
    p.drawEllipse(centro - QPointF(2.5, 2.5), 1.6, 1.2);
    p.restore();
}

}  // namespace velistra::trazos
