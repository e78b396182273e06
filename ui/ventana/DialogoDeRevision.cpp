#include "ui/ventana/DialogoDeRevision.h"

#include <QListWidget>
#include <QRubberBand>
#include <QScrollBar>
#include <QVBoxLayout>

#include "docencia/DescripcionDeHallazgos.h"
#include "sesion/CodigosDeComando.h"
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
    setWindowTitle(TextoDeLaOrden(comandos::kRevisarCircuito));
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(lista_);
    for (const docencia::Hallazgo& h : hallazgos_) lista_->addItem(Describe(h));
    if (hallazgos_.empty()) lista_->addItem(tr("No hay nada que señalar."));
    connect(lista_, &QListWidget::currentRowChanged, this, [this](int i) { Senala(i); });
    resize(620, 260);
}

QString DialogoDeRevision::Describe(const docencia::Hallazgo& h) {
    // The list frames the place itself; it needs no coordinates in the sentence.
    return DelNucleo(docencia::DescribeHallazgo(h, docencia::ConPunto::No));
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
