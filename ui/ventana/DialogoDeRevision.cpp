#include "ui/ventana/DialogoDeRevision.h"

#include <QListWidget>
#include <QRubberBand>
#include <QScrollBar>
#include <QVBoxLayout>

#include "modelo/Tablero.h"
#include "ui/idiomas/Traduccion.h"
#include "ui/ventana/VentanaDeMesa.h"

namespace velistra {

namespace {
// The frame around a finding's place, in workbench points.
constexpr int kMargen = 10;
}  // namespace

DialogoDeRevision::DialogoDeRevision(Mesa& mesa, VentanaDeMesa& vista, QWidget* padre)
    : QDialog(padre), vista_(vista), hallazgos_(docencia::RevisaCircuito(mesa)),
      lista_(new QListWidget(this)), marco_(new QRubberBand(QRubberBand::Rectangle, vista.viewport())) {
    setWindowTitle(tr("Revisar circuito"));
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(lista_);
    for (const docencia::Hallazgo& h : hallazgos_) lista_->addItem(Describe(h));
    if (hallazgos_.empty()) lista_->addItem(tr("No hay nada que señalar."));
    connect(lista_, &QListWidget::currentRowChanged, this, [this](int i) { Senala(i); });
    resize(620, 260);
}

QString DialogoDeRevision::Lugar(const docencia::Hallazgo& h) {
    if (!h.area.empty())
        return tr("protoboard %1, columna %2, fila %3 de la zona %4")
            .arg(h.tablero)
            .arg(h.columna)
            .arg(h.fila)
            .arg(DelNucleo(h.area));
    if (h.terminal >= 0) return tr("tablero %1, terminal %2").arg(h.tablero).arg(h.terminal);
    return tr("tablero %1").arg(h.tablero);
}

QString DialogoDeRevision::Enumera(const QStringList& partes) {
    QString texto;
    for (qsizetype i = 0; i < partes.size(); ++i)
        texto += (i == 0 ? QString() : i + 1 == partes.size() ? tr(" y ") : QStringLiteral(", ")) + partes[i];
    return texto;
}

QString DialogoDeRevision::Parte(const docencia::Parte& p) {
    if (p.chip < 0) return tr("tablero %1, terminal %2").arg(p.tablero).arg(p.terminal);
    return tr("chip %1 (n.º %2), patilla %3").arg(p.codigo).arg(p.chip).arg(p.pin);
}

QString DialogoDeRevision::ClaseDeTablero(int tipo) {
    switch (tipo) {
        case Tablero::kInterruptores: return tr("interruptores");
        case Tablero::kPulsadores: return tr("pulsadores");
        case Tablero::kLeds: return tr("leds");
        case Tablero::kTemporizadores: return tr("temporizador");
        case Tablero::kSieteSegmentos: return tr("siete segmentos");
        default: break;
    }
    return QString();
}

QString DialogoDeRevision::DescribeRedes(const docencia::Hallazgo& h) {
    const QString chip = tr("chip %1 (n.º %2), patilla %3").arg(h.codigo).arg(h.chip).arg(h.pin);
    if (h.clase == docencia::ClaseDeHallazgo::Realimentacion) {
        QStringList otros;
        for (const docencia::Parte& p : h.otros) otros << QString::number(p.chip);
        const QString por = otros.isEmpty()      ? tr("dentro del chip")
                            : otros.size() == 1 ? tr("con el chip n.º %1").arg(otros.front())
                                                : tr("con los chips n.º %1").arg(Enumera(otros));
        return tr("%1: realimentación sin biestable %2 (%3)").arg(chip, por, Lugar(h));
    }
    if (h.clase == docencia::ClaseDeHallazgo::TableroSinAlimentacion) {
        const QString toma = h.alimentacion == 'G' ? QStringLiteral("GND") : QStringLiteral("VCC");
        return tr("tablero %1 (%2), terminal %3 (%4): la alimentación no llega; ha de ir al %4 de la fuente")
            .arg(h.tablero)
            .arg(ClaseDeTablero(h.tipoDeTablero))
            .arg(h.terminal)
            .arg(toma);
    }
    QStringList otras;
    for (const docencia::Parte& p : h.otros) otras << Parte(p);
    const QString texto = tr("salida en la misma red que %1").arg(Enumera(otras));
    if (h.chip < 0) return tr("%1: %2").arg(Lugar(h), texto);
    return tr("%1: %2 (%3)").arg(chip, texto, Lugar(h));
}

QString DialogoDeRevision::Describe(const docencia::Hallazgo& h) {
    const QString chip = tr("chip %1 (n.º %2)").arg(h.codigo).arg(h.chip);
    switch (h.clase) {
        case docencia::ClaseDeHallazgo::ChipSinEnchufar:
            return tr("%1: no está enchufado en la protoboard").arg(chip);
        case docencia::ClaseDeHallazgo::SinAlimentacion:
            return tr("%1, patilla %2: la alimentación no llega (%3)").arg(chip).arg(h.pin).arg(Lugar(h));
        case docencia::ClaseDeHallazgo::EntradaAlAire:
            return tr("%1, patilla %2: entrada al aire, se lee como 1 (%3)").arg(chip).arg(h.pin).arg(Lugar(h));
        case docencia::ClaseDeHallazgo::SalidasUnidas:
        case docencia::ClaseDeHallazgo::TableroSinAlimentacion:
        case docencia::ClaseDeHallazgo::Realimentacion:
            return DescribeRedes(h);
        case docencia::ClaseDeHallazgo::CableSuelto:
            break;
    }
    return tr("cable %1: un extremo no está conectado (%2)").arg(h.cable + 1).arg(Lugar(h));
}

void DialogoDeRevision::Senala(int i) {
    if (i < 0 || i >= NumeroDeHallazgos()) {
        marco_->hide();
        return;
    }
    const Punto p = hallazgos_[static_cast<std::size_t>(i)].punto;
    vista_.Centra(QPoint(p.x, p.y));
    const QPoint enVentana = vista_.EnVentana(QPoint(p.x, p.y));
    marco_->setGeometry(enVentana.x() - kMargen, enVentana.y() - kMargen, 2 * kMargen, 2 * kMargen);
    marco_->show();
}

}  // namespace velistra
