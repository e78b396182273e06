#include "ui/practicas/PanelDePracticas.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "sesion/CodigosDeComando.h"
#include "ui/idiomas/Traduccion.h"

namespace velistra {

PanelDePracticas::PanelDePracticas(QWidget* padre)
    : QDockWidget(padre),
      elector_(new QComboBox),
      texto_(new QTextBrowser),
      empezar_(new QPushButton),
      comprobar_(new QPushButton),
      resultado_(new QListWidget) {
    setObjectName(QStringLiteral("panelDePracticas"));
    auto* contenido = new QWidget;
    auto* columna = new QVBoxLayout(contenido);
    columna->addWidget(elector_);
    texto_->setOpenExternalLinks(true);
    columna->addWidget(texto_, 3);
    auto* botones = new QHBoxLayout;
    botones->addWidget(empezar_);
    botones->addWidget(comprobar_);
    columna->addLayout(botones);
    resultado_->setWordWrap(true);
    // A wrong row often wraps: the shading tells one from the next.
    resultado_->setAlternatingRowColors(true);
    columna->addWidget(resultado_, 2);
    setWidget(contenido);
    connect(elector_, &QComboBox::currentIndexChanged, this, &PanelDePracticas::Elegida);
    connect(empezar_, &QPushButton::clicked, this, &PanelDePracticas::Empezar);
    connect(comprobar_, &QPushButton::clicked, this, &PanelDePracticas::Comprobar);
    Traduce();
}

void PanelDePracticas::Lista(const QStringList& titulos, int actual) {
    // Filling the list is not the user choosing.
    const QSignalBlocker callado(elector_);
    elector_->clear();
    elector_->addItems(titulos);
    elector_->setCurrentIndex(actual);
    empezar_->setEnabled(actual >= 0);
    comprobar_->setEnabled(actual >= 0);
}

void PanelDePracticas::Enunciado(const QString& markdown) { texto_->setMarkdown(markdown); }

void PanelDePracticas::Resultado(const QStringList& lineas) {
    resultado_->clear();
    resultado_->addItems(lineas);
}

void PanelDePracticas::changeEvent(QEvent* evento) {
    if (evento->type() == QEvent::LanguageChange) {
        Traduce();
        emit OtroIdioma();
    }
    QDockWidget::changeEvent(evento);
}

void PanelDePracticas::Traduce() {
    setWindowTitle(TextoDeLaOrden(comandos::kPracticasDelCurso));
    empezar_->setText(tr("Empezar"));
    comprobar_->setText(tr("Comprobar"));
}

}  // namespace velistra
