#include <array>

#include "tableros/TableroDeFuenteDC.h"
#include "tableros/TableroDeInterruptores.h"
#include "tableros/TableroDeLeds.h"
#include "tableros/TableroDeTemporizadores.h"
#include "plataforma/Recursos.h"
#include "ui/imagenes/Paleta.h"
#include "ui/imagenes/Pinturas.h"
#include "ui/imagenes/Trazos.h"

namespace velistra::pinturas {

namespace {
using trazos::AQPoint;
using trazos::AQRect;
using trazos::Casilla;

constexpr int kOcho = 8;
constexpr const ClaseDePalancas& kInterruptores = TableroDeInterruptores::kClase;
constexpr const ClaseDePalancas& kPulsadores = TableroDePulsadores::kClase;
using Fuente = TableroDeFuenteDC;

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
    for (int c = 0; c < rejilla.Columnas(); ++c) {
        const QRect primera = Casilla(rejilla, c, 0);
        const QRect ultima = Casilla(rejilla, c, rejilla.Filas() - 1);
        p.drawRect(QRect(primera.topLeft(), ultima.bottomRight()).adjusted(-2, -2, 1, 1));
    }
}

void PintaAlimentacionYAgarraderas(QPainter& p) {
    trazos::PintaBornes(p, TableroDeTiras::kVcc);
    trazos::PintaBornes(p, TableroDeTiras::kGnd);
    Rotulo(p, QRect(2, 18, 27, 10), QStringLiteral("VCC"));
    Rotulo(p, QRect(2, 53, 27, 10), QStringLiteral("GND"));
    for (const Zona& agarradera : TableroDeTiras::kMarcadores)
        trazos::PintaAgarradera(p, AQRect(agarradera));
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
    QImage imagen = TableroDeOchoSalidas(recursos::Interruptores, kInterruptores.Salidas());
    QPainter p(&imagen);
    for (int i = 0; i < kOcho; ++i)
        trazos::PintaPalanca(p, AQPoint(kInterruptores.EsquinaDeImagen(i)), false);
    Rotulo(p, QRect(33, 47, 12, 11), QStringLiteral("1"));
    Rotulo(p, QRect(33, 63, 12, 11), QStringLiteral("0"));
    return imagen;
}

QImage InterruptorON() { return Pieza(recursos::InterruptorON, &trazos::PintaPalanca, true); }

QImage Pulsadores() {
    QImage imagen = TableroDeOchoSalidas(recursos::Pulsadores, kPulsadores.Salidas());
    QPainter p(&imagen);
    for (int i = 0; i < kOcho; ++i) {
        const QPoint tecla = AQPoint(kPulsadores.EsquinaDeImagen(i));
        trazos::PintaTecla(p, tecla, false);
        Rotulo(p, QRect(tecla.x(), 68, 17, 10), QString::number(i), 8);
    }
    return imagen;
}

QImage PulsadorON() { return Pieza(recursos::PulsadorON, &trazos::PintaTecla, true); }

QImage Reloj() {
    QImage imagen = Panel(recursos::Reloj);
    QPainter p(&imagen);
    PintaAlimentacionYAgarraderas(p);
    constexpr Rejilla salidas = TableroDeTemporizadores::kSalidas;
    EnmarcaTiras(p, salidas);
    trazos::PintaBornes(p, salidas);
    const std::array<const char*, 4> frecuencias{"10 Hz", "5 Hz", "2 Hz", "1 Hz"};
    for (int k = 0; k < salidas.Columnas(); ++k) {
        const int centro = Casilla(salidas, k, 0).center().x();
        Rotulo(p, QRect(centro - 18, 46, 37, 11), QString::fromLatin1(frecuencias[k]));
        OndaCuadrada(p, centro, 62);
    }
    return imagen;
}

QImage Leds() {
    QImage imagen = Panel(recursos::Leds);
    QPainter p(&imagen);
    trazos::PintaBornes(p, TableroDeLeds::kGnd);
    Rotulo(p, QRect(1, 21, 22, 10), QStringLiteral("GND"));
    trazos::PintaAgarradera(p, AQRect(TableroDeLeds::kMarcador));
    trazos::PintaBornes(p, TableroDeLeds::kEntradas);
    p.setPen(QColor(paleta::kSerigrafia));
    for (int i = 0; i < TableroDeLeds::kLamparas; ++i) {
        trazos::PintaLampara(p, AQPoint(TableroDeLeds::Lampara(i)), false);
        const QRect borne = Casilla(TableroDeLeds::kEntradas, i, 0);
        p.drawLine(borne.left() + 4, 34, borne.left() + 4, 37);
        Rotulo(p, QRect(borne.left() - 2, 49, 13, 8), QString::number(i), 7);
    }
    return imagen;
}

QImage LedON() { return Pieza(recursos::LedON, &trazos::PintaLampara, true); }

QImage FuenteDC() {
    QImage imagen = Panel(recursos::FuenteDC);
    QPainter p(&imagen);
    trazos::PintaAgarradera(p, AQRect(Fuente::kMarcador));
    EnmarcaTiras(p, Fuente::kTerminalesVcc);
    EnmarcaTiras(p, Fuente::kTerminalesGnd);
    trazos::PintaBornes(p, Fuente::kTerminalesVcc);
    trazos::PintaBornes(p, Fuente::kTerminalesGnd);
    trazos::PintaLampara(p, AQPoint(Fuente::kPiloto), false);
    trazos::PintaPalanca(p, AQRect(Fuente::kInterruptor).topLeft(), false);
    Rotulo(p, QRect(4, 5, 24, 11), QStringLiteral("DC"), 10);
    Rotulo(p, QRect(20, 17, 33, 10), QStringLiteral("VCC"), 9, Qt::AlignRight | Qt::AlignVCenter);
    Rotulo(p, QRect(20, 108, 33, 10), QStringLiteral("GND"), 9, Qt::AlignRight | Qt::AlignVCenter);
    Rotulo(p, QRect(41, 62, 11, 11), QStringLiteral("I"));
    Rotulo(p, QRect(41, 79, 11, 11), QStringLiteral("O"));
    return imagen;
}

}  // namespace velistra::pinturas
