#include <array>

#include "tableros/Protoboard.h"
#include "plataforma/Recursos.h"
#include "ui/imagenes/Paleta.h"
#include "ui/imagenes/Pinturas.h"
#include "ui/imagenes/Trazos.h"

namespace velistra::pinturas {

namespace {
constexpr std::array<Rejilla, 4> kAreas{{Protoboard::kAreaSuperior, Protoboard::kAreaInferior,
                                         Protoboard::kBusSuperior, Protoboard::kBusInferior}};

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

// Every fifth column is numbered, and the first and the last, over the holes' centres.
void PintaNumerosDeColumna(QPainter& p, int y) {
    constexpr Rejilla area = Protoboard::kAreaSuperior;
    for (int k = 0; k < area.Columnas(); ++k) {
        const int numero = k + 1;
        if (numero != 1 && numero % 5 != 0 && numero != area.Columnas()) continue;
        const int centro = trazos::Casilla(area, k, 0).center().x();
        trazos::PintaRotulo(p, QRect(centro - 8, y, 17, 10), QString::number(numero), 8,
                            paleta::kRotuloProtoboard, Qt::AlignCenter, false);
    }
}

void PintaLetrasDeFila(QPainter& p, const Rejilla& area, char primera) {
    for (int r = 0; r < area.Filas(); ++r) {
        const QString letra(QChar(primera + r));
        const int y = trazos::Casilla(area, 0, r).top() - 1;
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
        for (int c = 0; c < area.Columnas(); ++c) {
            for (int f = 0; f < area.Filas(); ++f) PintaAgujero(p, trazos::Casilla(area, c, f));
        }
    }
    PintaNumerosDeColumna(p, 49);
    PintaNumerosDeColumna(p, 217);
    PintaLetrasDeFila(p, Protoboard::kAreaSuperior, 'a');
    PintaLetrasDeFila(p, Protoboard::kAreaInferior, 'f');

    for (const Zona& agarradera : Protoboard::kMarcadores)
        trazos::PintaAgarradera(p, trazos::AQRect(agarradera));
    return imagen;
}

}  // namespace velistra::pinturas
