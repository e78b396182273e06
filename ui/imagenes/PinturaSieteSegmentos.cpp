#include <QPolygon>
#include <array>

#include "tableros/TableroDeSieteSegmentos.h"
#include "plataforma/Recursos.h"
#include "ui/imagenes/Paleta.h"
#include "ui/imagenes/Pinturas.h"
#include "ui/imagenes/Trazos.h"

namespace velistra::pinturas {

namespace {
using Tablero7 = TableroDeSieteSegmentos;
using Barra = Tablero7::Barra;

// The board fills a lit segment from a point on its axis until black, so each segment
// is a grey area closed by its own black outline.
constexpr int kMedioGrosor = 4;
constexpr int kRadioDelPunto = 4;
constexpr QRect kVentanaDelDigito(48, 4, 74, 96);

// Hexagon with pointed ends along the axis.
QPolygon Contorno(const Barra& s, int dx) {
    const int m = kMedioGrosor;
    QPolygon puntos;
    if (s.horizontal) {
        puntos << QPoint(s.desde, s.fijo) << QPoint(s.desde + m, s.fijo - m)
               << QPoint(s.hasta - m, s.fijo - m) << QPoint(s.hasta, s.fijo)
               << QPoint(s.hasta - m, s.fijo + m) << QPoint(s.desde + m, s.fijo + m);
    } else {
        puntos << QPoint(s.fijo, s.desde) << QPoint(s.fijo + m, s.desde + m)
               << QPoint(s.fijo + m, s.hasta - m) << QPoint(s.fijo, s.hasta)
               << QPoint(s.fijo - m, s.hasta - m) << QPoint(s.fijo - m, s.desde + m);
    }
    puntos.translate(dx, 0);
    return puntos;
}

void PintaDigito(QPainter& p, int dx) {
    p.fillRect(kVentanaDelDigito.translated(dx, 0), QColor(paleta::kNegro));
    p.setPen(QColor(paleta::kNegro));
    p.setBrush(QColor(paleta::kSegmentoApagado));
    for (const Barra& barra : Tablero7::kBarras) p.drawPolygon(Contorno(barra, dx));
    const int r = kRadioDelPunto;
    const Punto punto = Tablero7::kPuntoDecimal;
    p.drawEllipse(QRect(punto.x + dx - r, punto.y - r, 2 * r, 2 * r));
    p.setBrush(Qt::NoBrush);
}

// Common anode: supply terminal, series resistor and the diode of the displays.
void PintaSimboloDeAnodo(QPainter& p) {
    const QColor tinta(paleta::kSerigrafia);
    p.setPen(tinta);
    const int x = trazos::Casilla(Tablero7::kVcc, 0, 0).center().x();
    p.drawLine(x, 34, x, 40);
    const std::array<QPoint, 8> resistencia{{{x, 40},
                                             {x + 4, 43},
                                             {x - 4, 47},
                                             {x + 4, 51},
                                             {x - 4, 55},
                                             {x + 4, 59},
                                             {x, 62},
                                             {x, 68}}};
    p.drawPolyline(resistencia.data(), static_cast<int>(resistencia.size()));
    p.setBrush(tinta);
    p.drawPolygon(QPolygon({QPoint(x - 5, 68), QPoint(x + 5, 68), QPoint(x, 76)}));
    p.setBrush(Qt::NoBrush);
    p.drawLine(x - 5, 77, x + 5, 77);
    p.drawLine(x, 77, x, 92);
    // Light leaving the diode.
    p.drawLine(x + 7, 70, x + 12, 65);
    p.drawLine(x + 12, 65, x + 10, 65);
    p.drawLine(x + 12, 65, x + 12, 67);
    p.drawLine(x + 7, 75, x + 12, 70);
    p.drawLine(x + 12, 70, x + 10, 70);
    p.drawLine(x + 12, 70, x + 12, 72);
}
}  // namespace

QImage Leds7Segmentos() {
    QImage imagen = trazos::NuevaImagen(recursos::Leds7Segmentos, paleta::kPanel);
    QPainter p(&imagen);
    trazos::PintaPanel(p, imagen.size());
    for (int d = 0; d < Tablero7::kDigitos; ++d) PintaDigito(p, Tablero7::kPasoDeDigito * d);

    trazos::PintaBornes(p, Tablero7::kVcc);
    trazos::PintaRotulo(p, QRect(3, 11, 28, 10), QStringLiteral("VCC"), 9, paleta::kSerigrafia);
    PintaSimboloDeAnodo(p);

    trazos::PintaBornes(p, Tablero7::kEntradas);
    const QString letras = QStringLiteral("abcdefgp");
    for (int i = 0; i < Tablero7::kSegmentos; ++i) {
        const QRect borne = trazos::Casilla(Tablero7::kEntradas, i, 0);
        trazos::PintaRotulo(p, QRect(borne.left() - 2, 105, 13, 12),
                            letras.at(i % Tablero7::kSegmentosPorDigito), 10, paleta::kSerigrafia);
    }
    trazos::PintaAgarradera(p, trazos::AQRect(Tablero7::kMarcador));
    return imagen;
}

}  // namespace velistra::pinturas
