#include <QPolygon>
#include <array>

#include "plataforma/Recursos.h"
#include "ui/imagenes/Paleta.h"
#include "ui/imagenes/Pinturas.h"
#include "ui/imagenes/Trazos.h"

namespace velistra::pinturas {

namespace {
constexpr int kDigitos = 4;
constexpr int kPasoDeDigito = 104;
constexpr int kMedioGrosor = 4;

// Segment axes of digit 0. The board fills a lit segment from a point on its axis
// until black, so each segment is a grey area closed by its own black outline.
struct Segmento {
    bool horizontal;
    int fijo;   // y of a horizontal segment, x of a vertical one
    int desde;  // first and last pixel along the axis
    int hasta;
};
constexpr std::array<Segmento, 7> kSegmentos{{
    {true, 13, 63, 97},    // a
    {false, 100, 16, 47},  // b
    {false, 100, 53, 87},  // c
    {true, 90, 63, 97},    // d
    {false, 60, 53, 87},   // e
    {false, 60, 16, 47},   // f
    {true, 50, 63, 97},    // g
}};
constexpr QPoint kPunto(110, 90);  // p, the decimal point
constexpr int kRadioDelPunto = 4;

constexpr QRect kVentanaDelDigito(48, 4, 74, 96);
constexpr trazos::Rejilla kEntradas{33, 119, 32, 1, 13, 13, 10, 9};
constexpr QRect kComun(12, 23, 9, 9);
constexpr QRect kAgarradera(232, 0, 15, 7);

// Hexagon with pointed ends along the axis.
QPolygon Contorno(const Segmento& s, int dx) {
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
    for (const Segmento& segmento : kSegmentos) p.drawPolygon(Contorno(segmento, dx));
    const int r = kRadioDelPunto;
    p.drawEllipse(QRect(kPunto.x() + dx - r, kPunto.y() - r, 2 * r, 2 * r));
    p.setBrush(Qt::NoBrush);
}

// Common anode: supply terminal, series resistor and the diode of the displays.
void PintaSimboloDeAnodo(QPainter& p) {
    const QColor tinta(paleta::kSerigrafia);
    p.setPen(tinta);
    const int x = kComun.center().x();
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
    for (int d = 0; d < kDigitos; ++d) PintaDigito(p, kPasoDeDigito * d);

    trazos::PintaBorne(p, kComun);
    trazos::PintaRotulo(p, QRect(3, 11, 28, 10), QStringLiteral("VCC"), 9, paleta::kSerigrafia);
    PintaSimboloDeAnodo(p);

    trazos::PintaBornes(p, kEntradas);
    const QString letras = QStringLiteral("abcdefgp");
    for (int i = 0; i < kEntradas.columnas; ++i) {
        const QRect borne = kEntradas.Casilla(i, 0);
        trazos::PintaRotulo(p, QRect(borne.left() - 2, 105, 13, 12), letras.at(i % 8), 10,
                            paleta::kSerigrafia);
    }
    trazos::PintaAgarradera(p, kAgarradera);
    return imagen;
}

}  // namespace velistra::pinturas
