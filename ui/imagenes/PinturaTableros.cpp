#include <array>

#include "plataforma/Recursos.h"
#include "ui/imagenes/Paleta.h"
#include "ui/imagenes/Pinturas.h"
#include "ui/imagenes/Trazos.h"

namespace velistra::pinturas {

namespace {
using trazos::Rejilla;

constexpr int kOcho = 8;

// Switch, push-button and timer boards share their power terminals and handles.
constexpr QRect kVcc(11, 7, 9, 9);
constexpr QRect kGnd(11, 65, 9, 9);
constexpr std::array<QRect, 2> kAgarraderasLaterales{{QRect(0, 33, 7, 15), QRect(199, 33, 7, 15)}};

constexpr Rejilla kSalidasDeInterruptores{52, 7, 8, 3, 19, 13};
constexpr Rejilla kSalidasDePulsadores{52, 7, 8, 3, 19, 13, 10, 10};
constexpr Rejilla kSalidasDeReloj{55, 7, 4, 3, 38, 13};
constexpr Rejilla kEntradasDeLeds{42, 40, 8, 1, 20, 13, 10, 9};
constexpr QRect kGndDeLeds(7, 33, 9, 9);
constexpr QRect kAgarraderaDeLeds(98, 0, 14, 6);
constexpr Rejilla kVccDeFuente{57, 10, 1, 4, 13, 13};
constexpr Rejilla kGndDeFuente{57, 70, 1, 4, 13, 13};
constexpr QRect kAgarraderaDeFuente(1, 52, 9, 17);

constexpr QPoint Palanca(int i) { return QPoint(48 + 19 * i, 47); }
constexpr QPoint Tecla(int i) { return QPoint(48 + 19 * i, 48); }
constexpr QPoint Lampara(int i) { return QPoint(38 + 20 * i, 14); }

QImage Panel(const Imagen& recurso) {
    QImage imagen = trazos::NuevaImagen(recurso, paleta::kPanel);
    QPainter p(&imagen);
    trazos::PintaPanel(p, imagen.size());
    return imagen;
}

void Rotulo(QPainter& p, QRect rectangulo, const QString& texto, int pixeles = 9,
            Qt::Alignment alineacion = Qt::AlignCenter) {
    trazos::PintaRotulo(p, rectangulo, texto, pixeles, paleta::kSerigrafia, alineacion);
}

// A printed frame around each column of terminals that form one strip.
void EnmarcaTiras(QPainter& p, const Rejilla& rejilla) {
    p.setPen(QColor(paleta::kSerigrafia));
    for (int c = 0; c < rejilla.columnas; ++c) {
        const QRect primera = rejilla.Casilla(c, 0);
        const QRect ultima = rejilla.Casilla(c, rejilla.filas - 1);
        p.drawRect(QRect(primera.topLeft(), ultima.bottomRight()).adjusted(-2, -2, 1, 1));
    }
}

void PintaAlimentacionYAgarraderas(QPainter& p) {
    trazos::PintaBorne(p, kVcc);
    trazos::PintaBorne(p, kGnd);
    Rotulo(p, QRect(2, 18, 27, 10), QStringLiteral("VCC"));
    Rotulo(p, QRect(2, 53, 27, 10), QStringLiteral("GND"));
    for (const QRect& agarradera : kAgarraderasLaterales) trazos::PintaAgarradera(p, agarradera);
}

QImage TableroDeOchoSalidas(const Imagen& recurso, const Rejilla& salidas) {
    QImage imagen = Panel(recurso);
    QPainter p(&imagen);
    PintaAlimentacionYAgarraderas(p);
    EnmarcaTiras(p, salidas);
    trazos::PintaBornes(p, salidas);
    return imagen;
}

QImage Pieza(const Imagen& recurso, void (*pinta)(QPainter&, QPoint, bool), bool estado) {
    QImage imagen = trazos::NuevaImagen(recurso, paleta::kPanel);
    QPainter p(&imagen);
    pinta(p, QPoint(0, 0), estado);
    return imagen;
}

void OndaCuadrada(QPainter& p, int xCentro, int yArriba) {
    const int x = xCentro - 12;
    const int abajo = yArriba + 8;
    const std::array<QPoint, 10> puntos{{{x, abajo},
                                         {x + 4, abajo},
                                         {x + 4, yArriba},
                                         {x + 10, yArriba},
                                         {x + 10, abajo},
                                         {x + 16, abajo},
                                         {x + 16, yArriba},
                                         {x + 22, yArriba},
                                         {x + 22, abajo},
                                         {x + 24, abajo}}};
    p.setPen(QColor(paleta::kSerigrafia));
    p.drawPolyline(puntos.data(), static_cast<int>(puntos.size()));
}
}  // namespace

QImage Interruptores() {
    QImage imagen = TableroDeOchoSalidas(recursos::Interruptores, kSalidasDeInterruptores);
    QPainter p(&imagen);
    for (int i = 0; i < kOcho; ++i) trazos::PintaPalanca(p, Palanca(i), false);
    Rotulo(p, QRect(33, 47, 12, 11), QStringLiteral("1"));
    Rotulo(p, QRect(33, 63, 12, 11), QStringLiteral("0"));
    return imagen;
}

QImage InterruptorON() { return Pieza(recursos::InterruptorON, &trazos::PintaPalanca, true); }

QImage Pulsadores() {
    QImage imagen = TableroDeOchoSalidas(recursos::Pulsadores, kSalidasDePulsadores);
    QPainter p(&imagen);
    for (int i = 0; i < kOcho; ++i) {
        trazos::PintaTecla(p, Tecla(i), false);
        Rotulo(p, QRect(Tecla(i).x(), 68, 17, 10), QString::number(i), 8);
    }
    return imagen;
}

QImage PulsadorON() { return Pieza(recursos::PulsadorON, &trazos::PintaTecla, true); }

QImage Reloj() {
    QImage imagen = Panel(recursos::Reloj);
    QPainter p(&imagen);
    PintaAlimentacionYAgarraderas(p);
    EnmarcaTiras(p, kSalidasDeReloj);
    trazos::PintaBornes(p, kSalidasDeReloj);
    const std::array<const char*, 4> frecuencias{"10 Hz", "5 Hz", "2 Hz", "1 Hz"};
    for (int k = 0; k < kSalidasDeReloj.columnas; ++k) {
        const int centro = kSalidasDeReloj.Casilla(k, 0).center().x();
        Rotulo(p, QRect(centro - 18, 46, 37, 11), QString::fromLatin1(frecuencias[k]));
        OndaCuadrada(p, centro, 62);
    }
    return imagen;
}

QImage Leds() {
    QImage imagen = Panel(recursos::Leds);
    QPainter p(&imagen);
    trazos::PintaBorne(p, kGndDeLeds);
    Rotulo(p, QRect(1, 21, 22, 10), QStringLiteral("GND"));
    trazos::PintaAgarradera(p, kAgarraderaDeLeds);
    trazos::PintaBornes(p, kEntradasDeLeds);
    p.setPen(QColor(paleta::kSerigrafia));
    for (int i = 0; i < kOcho; ++i) {
        trazos::PintaLampara(p, Lampara(i), false);
        const QRect borne = kEntradasDeLeds.Casilla(i, 0);
        p.drawLine(borne.left() + 4, 34, borne.left() + 4, 37);
        Rotulo(p, QRect(borne.left() - 2, 49, 13, 8), QString::number(i), 7);
    }
    return imagen;
}

QImage LedON() { return Pieza(recursos::LedON, &trazos::PintaLampara, true); }

QImage FuenteDC() {
    QImage imagen = Panel(recursos::FuenteDC);
    QPainter p(&imagen);
    trazos::PintaAgarradera(p, kAgarraderaDeFuente);
    EnmarcaTiras(p, kVccDeFuente);
    EnmarcaTiras(p, kGndDeFuente);
    trazos::PintaBornes(p, kVccDeFuente);
    trazos::PintaBornes(p, kGndDeFuente);
    trazos::PintaLampara(p, QPoint(23, 35), false);
    trazos::PintaPalanca(p, QPoint(24, 62), false);
    Rotulo(p, QRect(4, 5, 24, 11), QStringLiteral("DC"), 10);
    Rotulo(p, QRect(20, 17, 33, 10), QStringLiteral("VCC"), 9, Qt::AlignRight | Qt::AlignVCenter);
    Rotulo(p, QRect(20, 108, 33, 10), QStringLiteral("GND"), 9, Qt::AlignRight | Qt::AlignVCenter);
    Rotulo(p, QRect(41, 62, 11, 11), QStringLiteral("I"));
    Rotulo(p, QRect(41, 79, 11, 11), QStringLiteral("O"));
    return imagen;
}

}  // namespace velistra::pinturas
