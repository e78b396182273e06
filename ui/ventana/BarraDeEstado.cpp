#include "ui/ventana/BarraDeEstado.h"

#include <QLabel>

namespace velistra {

namespace {
// Widths of the three parts on the right; the first part takes the rest.
constexpr std::array<int, 3> kAnchos{70, 40, 100};
}  // namespace

BarraDeEstado::BarraDeEstado(QWidget* padre) : QStatusBar(padre) {
    setSizeGripEnabled(true);
    for (QLabel*& parte : partes_) {
        parte = new QLabel(this);
        parte->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    addWidget(partes_[0], 1);
    // A long probe reading must never widen the window.
    partes_[0]->setMinimumWidth(1);
    for (std::size_t i = 0; i < kAnchos.size(); ++i) {
        partes_[i + 1]->setFixedWidth(kAnchos[i]);
        addPermanentWidget(partes_[i + 1]);
    }
}

void BarraDeEstado::MuestraPosicion(int x, int y) {
    partes_.back()->setText(QStringLiteral("(%1, %2)").arg(x).arg(y));
}

void BarraDeEstado::MuestraSonda(const QString& texto) {
    if (partes_.front()->text() != texto) partes_.front()->setText(texto);
}

void BarraDeEstado::MuestraRechazo(const QString& texto) { showMessage(texto); }

void BarraDeEstado::QuitaRechazo() {
    if (!currentMessage().isEmpty()) clearMessage();
}

void BarraDeEstado::MuestraModo(const QString& nombre, const QString& ayuda) {
    modo_ = nombre;
    partes_[1]->setText(nombre);
    partes_[1]->setToolTip(ayuda);
}

void BarraDeEstado::resizeEvent(QResizeEvent* evento) {
    QStatusBar::resizeEvent(evento);
    for (QLabel* parte : partes_) parte->clear();
    partes_[1]->setText(modo_);
}

}  // namespace velistra
