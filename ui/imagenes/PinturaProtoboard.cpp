#include <array>

#include "plataforma/Recursos.h"
#include "ui/imagenes/Paleta.h"
#include "ui/imagenes/Pinturas.h"
#include "ui/imagenes/Trazos.h"

namespace velistra::pinturas {

namespace {
using trazos::Rejilla;

// Upper and lower terminal areas (columns of five), then upper and lower buses.
constexpr std::array<Rejilla, 4> kAreas{{
    {23, 62, 64, 5, 13, 13},
    {23, 153, 64, 5, 13, 13},
    {49, 10, 60, 2, 13, 13},
    {49, 244, 60, 2, 13, 13},
}};
constexpr std::array<QRect, 2> kAgarraderas{{QRect(2, 132, 11, 12), QRect(864, 132, 11, 12)}};

// The centre channel that a chip straddles; it stops short of the two handles.
constexpr QRect kCanal(16, 131, 845, 14);

struct LineaDeBus {
    int y;
    QRgb color;
    const char* signo;
};
constexpr std::array<LineaDeBus, 4> kLineasDeBus{{
    {4, paleta::kBusPositivo, "+"},
    {35, paleta::kBusNegativo, "\u2212"},
    {239, paleta::kBusNegativo, "\u2212"},
    {269, paleta::kBusPositivo, "+"},
}};

void PintaAgujero(QPainter& p, QRect cuadro) {
    p.fillRect(cuadro, QColor(paleta::kAgujeroBorde));
    p.fillRect(QRect(cuadro.topLeft(), QSize(cuadro.width(), 1)), QColor(96, 88, 70));
    p.fillRect(QRect(cuadro.topLeft(), QSize(1, cuadro.height())), QColor(96, 88, 70));
    p.fillRect(cuadro.adjusted(1, 1, -1, -1), QColor(paleta::kAgujero));
}

void PintaNumerosDeColumna(QPainter& p, int y) {
    for (int k = 0; k < 64; ++k) {
        const int numero = k + 1;
        if (numero != 1 && numero % 5 != 0 && numero != 64) continue;
        trazos::PintaRotulo(p, QRect(27 + 13 * k - 8, y, 17, 10), QString::number(numero), 8,
                            paleta::kRotuloProtoboard, Qt::AlignCenter, false);
    }
}

void PintaLetrasDeFila(QPainter& p, int yArea, char primera) {
    for (int r = 0; r < 5; ++r) {
        const QString letra(QChar(primera + r));
        const int y = yArea + 13 * r - 1;
        trazos::PintaRotulo(p, QRect(5, y, 14, 11), letra, 9, paleta::kRotuloProtoboard,
                            Qt::AlignCenter, false);
        trazos::PintaRotulo(p, QRect(857, y, 14, 11), letra, 9, paleta::kRotuloProtoboard,
                            Qt::AlignCenter, false);
    }
}
}  // namespace

QImage Protoboard() {
    QImage imagen = trazos::NuevaImagen(recursos::Protoboard, paleta::kBeige);
    QPainter p(&imagen);
    p.setPen(QColor(paleta::kBeigeBorde));
    p.drawRect(imagen.rect().adjusted(0, 0, -1, -1));

    for (const LineaDeBus& linea : kLineasDeBus) {
        p.fillRect(QRect(44, linea.y, 786, 2), QColor(linea.color));
        const QString signo = QString::fromUtf8(linea.signo);
        trazos::PintaRotulo(p, QRect(29, linea.y - 5, 13, 12), signo, 11, linea.color);
        trazos::PintaRotulo(p, QRect(833, linea.y - 5, 13, 12), signo, 11, linea.color);
    }

    p.fillRect(kCanal, QColor(paleta::kCanal));
    p.fillRect(QRect(kCanal.left(), kCanal.top(), kCanal.width(), 1), QColor(paleta::kCanalSombra));
    p.fillRect(QRect(kCanal.left(), kCanal.bottom(), kCanal.width(), 1), QColor(246, 238, 216));

    for (const Rejilla& area : kAreas) {
        for (int c = 0; c < area.columnas; ++c) {
            for (int f = 0; f < area.filas; ++f) PintaAgujero(p, area.Casilla(c, f));
        }
    }
    PintaNumerosDeColumna(p, 49);
    PintaNumerosDeColumna(p, 217);
    PintaLetrasDeFila(p, 62, 'a');
    PintaLetrasDeFila(p, 153, 'f');

    for (const QRect& agarradera : kAgarraderas) trazos::PintaAgarradera(p, agarradera);
    return imagen;
}

}  // namespace velistra::pinturas
