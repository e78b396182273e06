#include "ui/analizador/DiagramaDeTiempos.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "simulacion/AnalizadorLogico.h"
#include "ui/idiomas/Traduccion.h"

namespace velistra {

namespace {

using namespace diagrama;

constexpr std::int64_t kTic = AnalizadorLogico::kMicrosegundosPorTic;
// Grid lines no closer than this.
constexpr int kSeparacionMinima = 70;

int YAlto(int fila) { return fila + 5; }
int YBajo(int fila) { return fila + kAltoDeFila - 6; }
int YAlAire(int fila) { return fila + kAltoDeFila / 2; }

// One run of a level, clipped to the traces.
class Trazo {
public:
    Trazo(QPainter& pintor, QRect trazos, const VistaDeTiempos& vista, int fila)
        : pintor(pintor), trazos(trazos), vista(vista), fila(fila) {}

    int X(std::int64_t t) const {
        const double x = trazos.left() + static_cast<double>(t - vista.inicio) / vista.microsegundosPorPunto;
        return static_cast<int>(std::clamp(std::floor(x), -1.0e6, 1.0e6));
    }

    // Nothing is drawn over a pause: nobody looked at the levels then.
    void Nivel(char valor, std::int64_t desde, std::int64_t hasta,
               const std::vector<AnalizadorLogico::Intervalo>& pausas) {
        for (const AnalizadorLogico::Intervalo& pausa : pausas) {
            if (pausa.hasta >= 0 && pausa.hasta <= desde) continue;
            if (pausa.desde >= hasta) break;
            if (pausa.desde > desde) Nivel(valor, desde, pausa.desde);
            if (pausa.hasta < 0) return;
            desde = pausa.hasta;
        }
        Nivel(valor, desde, hasta);
    }

    void Nivel(char valor, std::int64_t desde, std::int64_t hasta) {
        if (valor == MuestraLogica::kSinDato) return;
        const int x0 = std::max(X(desde), trazos.left());
        const int x1 = std::min(X(hasta), trazos.right());
        if (x1 < x0) return;
        const int y = valor == '1' ? YAlto(fila) : valor == '0' ? YBajo(fila) : YAlAire(fila);
        pintor.setPen(QPen(QColor(Color(valor)), 2));
        pintor.drawLine(x0, y, std::max(x0, x1), y);
    }

    void Flanco(char antes, char despues, std::int64_t t) {
        const int x = X(t);
        if (x < trazos.left() || x > trazos.right()) return;
        if (antes == MuestraLogica::kSinDato || despues == MuestraLogica::kSinDato) return;
        pintor.setPen(QPen(QColor(Color(despues == 'Z' ? 'Z' : '1')), 2));
        pintor.drawLine(x, YAlto(fila), x, YBajo(fila));
    }

    static QRgb Color(char valor) {
        return valor == '1' ? kColorAlto : valor == '0' ? kColorBajo : kColorAlAire;
    }

private:
    QPainter& pintor;
    QRect trazos;
    const VistaDeTiempos& vista;
    int fila;
};

std::int64_t PasoDeLaRejilla(double microsegundosPorPunto) {
    for (std::int64_t paso = 1;; paso *= 10) {
        for (std::int64_t f : {1, 2, 5}) {
            if (static_cast<double>(paso * f * kTic) / microsegundosPorPunto >= kSeparacionMinima) return paso * f;
        }
        if (paso > 1'000'000'000) return paso;
    }
}

void PintaEje(QPainter& pintor, QRect area, QRect trazos, const VistaDeTiempos& vista) {
    const std::int64_t paso = PasoDeLaRejilla(vista.microsegundosPorPunto);
    const std::int64_t fin = vista.inicio + static_cast<std::int64_t>(trazos.width() * vista.microsegundosPorPunto);
    const std::int64_t primero = (std::max<std::int64_t>(vista.inicio, 0) + paso * kTic - 1) / (paso * kTic);
    const int decimales = paso * kTic >= 1'000'000 ? 0 : paso * kTic >= 100'000 ? 1 : 2;
    for (std::int64_t n = primero; n * paso * kTic <= fin; ++n) {
        const std::int64_t tic = n * paso;
        const int x = trazos.left() + static_cast<int>(static_cast<double>(tic * kTic - vista.inicio) / vista.microsegundosPorPunto);
        pintor.setPen(QColor(0xDDDDDD));
        pintor.drawLine(x, area.top() + kAltoDelEje - 4, x, area.bottom());
        pintor.setPen(Qt::black);
        pintor.drawLine(x, area.top() + kAltoDelEje - 8, x, area.top() + kAltoDelEje - 1);
        pintor.drawText(x + 3, area.top() + 12, QCoreApplication::translate("velistra::DiagramaDeTiempos", "tic %1").arg(tic));
        pintor.drawText(x + 3, area.top() + 24, TextoDeTiempo(tic * kTic, decimales));
    }
    pintor.setPen(Qt::black);
    pintor.drawLine(trazos.left(), area.top() + kAltoDelEje - 1, area.right(), area.top() + kAltoDelEje - 1);
}

void PintaCanal(QPainter& pintor, QRect trazos, const AnalizadorLogico& analizador,
                const VistaDeTiempos& vista, std::size_t c, int fila) {
    const std::size_t n = analizador.NumeroDeMuestras();
    if (n == 0) return;
    Trazo trazo(pintor, trazos, vista, fila);
    const std::int64_t fin = vista.inicio + static_cast<std::int64_t>(trazos.width() * vista.microsegundosPorPunto);
    std::size_t i = analizador.MuestraEn(vista.inicio);
    if (i == n) i = 0;
    char valor = analizador.Muestra(i).valores[c];
    std::int64_t desde = analizador.Muestra(i).tiempo;
    for (++i; i < n; ++i) {
        const MuestraLogica& m = analizador.Muestra(i);
        if (m.tiempo > fin) break;
        if (m.valores[c] == valor) continue;
        trazo.Nivel(valor, desde, m.tiempo, analizador.Pausas());
        trazo.Flanco(valor, m.valores[c], m.tiempo);
        valor = m.valores[c];
        desde = m.tiempo;
    }
    // The last level holds until now.
    trazo.Nivel(valor, desde, std::min(fin, std::max(desde, analizador.Ahora())), analizador.Pausas());
}

QString TextoDeValor(char valor) {
    return valor == MuestraLogica::kSinDato ? QStringLiteral("-") : QString(QLatin1Char(valor));
}

}  // namespace

int AltoDelDiagrama(const AnalizadorLogico& analizador) {
    return kAltoDelEje + static_cast<int>(analizador.Canales().size()) * kAltoDeFila + 2;
}

QString TextoDeTiempo(std::int64_t microsegundos, int decimales) {
    return ConvencionesDelIdioma().toString(static_cast<double>(microsegundos) / 1e6, 'f',
                                            decimales) +
           QStringLiteral(" s");
}

VistaDeTiempos VistaCompleta(const AnalizadorLogico& analizador, int ancho) {
    VistaDeTiempos vista;
    if (analizador.NumeroDeMuestras() > 0) vista.inicio = analizador.Muestra(0).tiempo;
    const int trazos = std::max(1, ancho - kAnchoDeNombres - 8);
    vista.microsegundosPorPunto =
        std::max(1.0, static_cast<double>(std::max<std::int64_t>(analizador.Ahora() - vista.inicio, kTic)) / trazos);
    return vista;
}

void PintaDiagrama(QPainter& pintor, QRect area, const AnalizadorLogico& analizador,
                   const VistaDeTiempos& vista) {
    pintor.save();
    pintor.setClipRect(area);
    pintor.fillRect(area, Qt::white);
    const QRect trazos(area.left() + kAnchoDeNombres, area.top(), area.width() - kAnchoDeNombres, area.height());
    PintaEje(pintor, area, trazos, vista);

    const auto& canales = analizador.Canales();
    std::size_t enCursor = analizador.NumeroDeMuestras();
    if (vista.cursor) enCursor = analizador.MuestraEn(*vista.cursor);
    for (std::size_t c = 0; c < canales.size(); ++c) {
        const int fila = area.top() + kAltoDelEje + static_cast<int>(c) * kAltoDeFila;
        const QRect nombre(area.left(), fila, kAnchoDeNombres, kAltoDeFila);
        if (static_cast<int>(c) == vista.seleccionado) pintor.fillRect(nombre, QColor(0xCCE0FF));
        pintor.setPen(QColor(0xE8E8E8));
        pintor.drawLine(area.left(), fila + kAltoDeFila - 1, area.right(), fila + kAltoDeFila - 1);
        pintor.setPen(Qt::black);
        pintor.drawText(nombre.adjusted(4, 0, -24, 0), Qt::AlignVCenter | Qt::AlignLeft,
                        QString::fromStdString(canales[c].nombre));
        if (enCursor < analizador.NumeroDeMuestras())
            pintor.drawText(nombre.adjusted(0, 0, -6, 0), Qt::AlignVCenter | Qt::AlignRight,
                            TextoDeValor(analizador.Muestra(enCursor).valores[c]));
        pintor.setClipRect(trazos.intersected(area));
        PintaCanal(pintor, trazos, analizador, vista, c, fila);
        pintor.setClipRect(area);
    }
    pintor.setPen(QColor(0x999999));
    pintor.drawLine(trazos.left() - 1, area.top(), trazos.left() - 1, area.bottom());

    if (vista.cursor) {
        const double x = trazos.left() + static_cast<double>(*vista.cursor - vista.inicio) / vista.microsegundosPorPunto;
        if (x >= trazos.left() && x <= area.right()) {
            const int xi = static_cast<int>(x);
            pintor.setPen(QPen(QColor(0xD00000), 1));
            pintor.drawLine(xi, area.top(), xi, area.bottom());
            const QString texto =
                QCoreApplication::translate("velistra::DiagramaDeTiempos", "%1 (tic %2)")
                    .arg(TextoDeTiempo(*vista.cursor, 6))
                    .arg(static_cast<double>(*vista.cursor) / kTic, 0, 'f', 2);
            pintor.fillRect(QRect(xi + 2, area.top() + kAltoDelEje - 15, pintor.fontMetrics().horizontalAdvance(texto) + 4, 14), Qt::white);
            pintor.drawText(xi + 4, area.top() + kAltoDelEje - 4, texto);
        }
    }
    pintor.restore();
}

DiagramaDeTiempos::DiagramaDeTiempos(const AnalizadorLogico& analizador, QWidget* padre)
    : QWidget(padre), analizador_(analizador) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

int DiagramaDeTiempos::CanalEn(int y) const {
    const int c = (y - kAltoDelEje) / kAltoDeFila;
    if (y < kAltoDelEje || c >= static_cast<int>(analizador_.Canales().size())) return -1;
    return c;
}

std::int64_t DiagramaDeTiempos::TiempoEn(int x) const {
    return vista_.inicio + static_cast<std::int64_t>(std::llround((x - kAnchoDeNombres) * vista_.microsegundosPorPunto));
}

QSize DiagramaDeTiempos::sizeHint() const { return {600, AltoDelDiagrama(analizador_)}; }
QSize DiagramaDeTiempos::minimumSizeHint() const { return {kAnchoDeNombres + 100, kAltoDelEje + kAltoDeFila}; }

void DiagramaDeTiempos::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    PintaDiagrama(pintor, rect(), analizador_, vista_);
}

void DiagramaDeTiempos::mousePressEvent(QMouseEvent* evento) {
    const QPoint p = evento->position().toPoint();
    if (p.x() < kAnchoDeNombres) {
        emit CanalElegido(CanalEn(p.y()));
    } else {
        vista_.cursor = TiempoEn(p.x());
        update();
    }
}

void DiagramaDeTiempos::mouseDoubleClickEvent(QMouseEvent* evento) {
    const QPoint p = evento->position().toPoint();
    if (p.x() < kAnchoDeNombres && CanalEn(p.y()) >= 0) emit CanalParaRenombrar(CanalEn(p.y()));
}

void DiagramaDeTiempos::wheelEvent(QWheelEvent* evento) {
    const int pasos = evento->angleDelta().y() / 120;
    if (pasos == 0) return;
    emit ZoomPedido(pasos, TiempoEn(static_cast<int>(evento->position().x())));
    evento->accept();
}

}  // namespace velistra
