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
    // Scrolled or zoomed, the frame stays on its place of the workbench.
    connect(&vista_, &VentanaDeMesa::Desplazado, this, [this] { ColocaMarco(); });
    connect(&vista_, &VentanaDeMesa::NivelCambiado, this, [this] { ColocaMarco(); });
    resize(620, 260);
}

DialogoDeRevision::~DialogoDeRevision() { delete marco_; }

void DialogoDeRevision::hideEvent(QHideEvent* evento) {
    QDialog::hideEvent(evento);
    senalado_ = -1;
    ColocaMarco();
}

QString DialogoDeRevision::Describe(const docencia::Hallazgo& h) {
    // The list frames the place itself; it needs no coordinates in the sentence.
    return DelNucleo(docencia::DescribeHallazgo(h, docencia::ConPunto::No));
}

void DialogoDeRevision::Senala(int i) {
    senalado_ = i >= 0 && i < NumeroDeHallazgos() ? i : -1;
    if (senalado_ >= 0) {
        const Punto p = hallazgos_[static_cast<std::size_t>(senalado_)].punto;
        vista_.Centra(QPoint(p.x, p.y));
    }
    ColocaMarco();
}

void DialogoDeRevision::ColocaMarco() {
    if (!marco_) return;
    if (senalado_ < 0) {
        marco_->hide();
        return;
    }
    const Punto p = hallazgos_[static_cast<std::size_t>(senalado_)].punto;
    const QPoint enVentana = vista_.EnVentana(QPoint(p.x, p.y));
    const int margen = static_cast<int>(kMargen * vista_.Nivel() / 100.0 / vista_.devicePixelRatioF());
    marco_->setGeometry(enVentana.x() - margen, enVentana.y() - margen, 2 * margen, 2 * margen);
    marco_->show();
}

}  // namespace velistra
