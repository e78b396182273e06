#include "ui/ventana/DialogoDeRevision.h"

#include <QListWidget>
#include <QRubberBand>
#include <QScrollBar>
#include <QVBoxLayout>

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
    if (h.area.empty() && h.columna == 0) return tr("tablero %1").arg(h.tablero);
    if (h.area.empty()) return tr("tablero %1, terminal %2").arg(h.tablero).arg(h.columna);
    return tr("protoboard %1, columna %2, fila %3 de la zona %4")
        .arg(h.tablero)
        .arg(h.columna)
        .arg(h.fila)
        .arg(DelNucleo(h.area));
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
    const QSize visible = vista_.viewport()->size();
    vista_.horizontalScrollBar()->setValue(p.x - visible.width() / 2);
    vista_.verticalScrollBar()->setValue(p.y - visible.height() / 2);
    const QPoint enVentana = QPoint(p.x, p.y) - vista_.Desplazamiento();
    marco_->setGeometry(enVentana.x() - kMargen, enVentana.y() - kMargen, 2 * kMargen, 2 * kMargen);
    marco_->show();
}

}  // namespace velistra
